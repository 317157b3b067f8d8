#include "Random.h"

#include <chrono>

namespace lexaroo {

int PickOneTo(Random& random, int n)
{
    int k = static_cast<int>(n * random.Draw()) + 1;
    // A draw is below 1, but guard against rounding at the top end.
    return k > n ? n : k;
}

double MtRandom::Draw()
{
    // 32 random bits over 2^32 gives [0, 1) exactly, never 1.
    return static_cast<double>(engine_()) / 4294967296.0;
}

void MtRandom::Randomize()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    engine_.seed(static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
}

} // namespace lexaroo
