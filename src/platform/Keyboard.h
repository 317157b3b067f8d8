#pragma once

namespace lexaroo {

class Keyboard {
public:
    virtual ~Keyboard() = default;
    virtual void Beep() = 0;
    virtual bool CapsLockOn() = 0;
};

} // namespace lexaroo
