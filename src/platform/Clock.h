#pragma once
#include <cstdint>
#include <functional>
#include <memory>

namespace lexaroo {

// A repeating timer: after Start it calls its callback every interval until
// Stop, while the child goes on playing. Destroying it stops it.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void Start(int intervalMs) = 0;
    virtual void Stop() = 0;
    virtual bool IsActive() const = 0;
    void OnTimeout(std::function<void()> callback) { callback_ = std::move(callback); }

protected:
    void Fire()
    {
        if (callback_)
            callback_();
    }

private:
    std::function<void()> callback_;
};

// Time as the games see it. Everything that waits, measures or runs on a
// timer goes through here so tests can run on a virtual clock.
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
    virtual std::unique_ptr<Timer> NewTimer() = 0;
    // Runs step(1)..step(steps), one every `secondsPerStep`, and returns when
    // the last has run. Between steps windows repaint and user input is held
    // back, as in Pause, so a child sees the motion and nothing interrupts it.
    virtual void Animate(int steps, double secondsPerStep, const std::function<void(int)>& step) = 0;
};

// Seconds from `start` to `now`, both times of day; a wait that crosses
// midnight sees `now` smaller than `start`.
double ElapsedSinceTimeOfDay(double start, double now);

// Waits until `seconds` have passed on `timeOfDay`, calling `idle` between
// readings. Correct across midnight. Returns at once for seconds <= 0.
void WaitElapsed(double seconds, const std::function<double()>& timeOfDay,
                 const std::function<void()>& idle);

} // namespace lexaroo
