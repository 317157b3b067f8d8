#pragma once
#include "Clock.h"

namespace lexaroo {

class SystemClock : public Clock {
public:
    double TimeOfDay() override;
    std::uint32_t TickCount() override;
    void Pause(double seconds) override;
};

// Lets windows repaint and timers fire while holding user input back, for
// about `ms` milliseconds. Used by every blocking wait.
void IdleWithoutInput(int ms);

} // namespace lexaroo
