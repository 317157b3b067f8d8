// Time to build one puzzle from a full-size list. Each iteration builds a new
// puzzle from the same generator, so the figure is over many different puzzles.
#include "CrossPuzzle.h"
#include "FindPuzzle.h"

#include <benchmark/benchmark.h>

namespace {

const QStringList kThirtyWords = {
    "apple", "banana", "cherry", "dragon", "eagle", "forest", "garden", "harbor", "island", "jungle",
    "kitten", "lemon", "market", "needle", "orange", "pencil", "quiet", "rabbit", "silver", "turtle",
    "umbrella", "violin", "window", "yellow", "zebra", "basket", "candle", "doctor", "finger", "hammer"};

void BM_BuildCrossPuzzle(benchmark::State& state)
{
    lexaroo::MtRandom random(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(lexaroo::BuildCrossPuzzle(random, kThirtyWords));
}
BENCHMARK(BM_BuildCrossPuzzle)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_BuildFindPuzzle(benchmark::State& state)
{
    lexaroo::MtRandom random(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(lexaroo::BuildPuzzle(random, kThirtyWords));
}
BENCHMARK(BM_BuildFindPuzzle)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
