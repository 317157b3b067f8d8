#pragma once
#include <cstdint>
#include <functional>

namespace lexaroo {

// Time as the games see it. Everything that waits or measures goes through
// here so tests can run on a virtual clock.
class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since midnight, with fractions.
    virtual double TimeOfDay() = 0;
    // Milliseconds since an arbitrary start; wraps like a 32-bit counter.
    virtual std::uint32_t TickCount() = 0;
    // Blocks for the given seconds. Windows keep repainting and timers keep
    // firing, but user input is held back and handled after the pause.
    virtual void Pause(double seconds) = 0;
};

// Seconds from `start` to `now`, both times of day; a wait that crosses
// midnight sees `now` smaller than `start`.
double ElapsedSinceTimeOfDay(double start, double now);

// Waits until `seconds` have passed on `timeOfDay`, calling `idle` between
// readings. Correct across midnight. Returns at once for seconds <= 0.
void WaitElapsed(double seconds, const std::function<double()>& timeOfDay,
                 const std::function<void()>& idle);

} // namespace lexaroo
