#include "Clock.h"

namespace lexaroo {

namespace {
constexpr double kSecondsPerDay = 86400.0;
}

double ElapsedSinceTimeOfDay(double start, double now)
{
    double elapsed = now - start;
    if (elapsed < 0)
        elapsed += kSecondsPerDay;
    return elapsed;
}

void WaitElapsed(double seconds, const std::function<double()>& timeOfDay,
                 const std::function<void()>& idle)
{
    if (!(seconds > 0))
        return;
    const double start = timeOfDay();
    while (ElapsedSinceTimeOfDay(start, timeOfDay()) < seconds)
        idle();
}

} // namespace lexaroo
