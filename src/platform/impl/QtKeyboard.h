#pragma once
#include "Keyboard.h"

namespace lexaroo {

class QtKeyboard : public Keyboard {
public:
    void Beep() override;
    // Read from the X server's keyboard indicators; false where there is none.
    bool CapsLockOn() override;
};

} // namespace lexaroo
