#pragma once
#include "Clock.h"
#include "Dialogs.h"
#include "Help.h"
#include "Keyboard.h"
#include "Printer.h"
#include "Random.h"
#include "SoundDevice.h"
#include "WaveRecorder.h"

namespace lexaroo {

// Every side effect a window may cause, gathered in one place. The program
// builds it from the real implementations; tests from fakes.
struct Platform {
    Clock& clock;
    Random& random;
    SoundDevice& sound;
    WaveRecorder& recorder;
    Printer& printer;
    Dialogs& dialogs;
    Help& help;
    Keyboard& keyboard;
};

} // namespace lexaroo
