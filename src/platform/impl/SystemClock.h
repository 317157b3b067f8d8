#pragma once
#include "Clock.h"

namespace lexaroo {

class SystemClock : public Clock {
public:
    double TimeOfDay() override;
    std::uint32_t TickCount() override;
    void Pause(double seconds) override;
    std::unique_ptr<Timer> NewTimer() override;
    void Animate(int steps, double secondsPerStep, const std::function<void(int)>& step) override;
};

// Lets windows repaint and timers fire while holding user input back, for
// about `ms` milliseconds. Used by every blocking wait.
void IdleWithoutInput(int ms);

} // namespace lexaroo
