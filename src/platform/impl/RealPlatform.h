#pragma once
#include "HelpWindow.h"
#include "OpenAlRecorder.h"
#include "OpenAlSound.h"
#include "Platform.h"
#include "QtDialogs.h"
#include "QtKeyboard.h"
#include "QtPrinter.h"
#include "SystemClock.h"

namespace lexaroo {

// The real implementations, owned together for the life of the program.
class RealPlatform {
public:
    explicit RealPlatform(const QString& helpFilePath)
        : printer_(dialogs_), recorder_(sound_), help_(helpFilePath)
    {
        random_.Randomize();
    }
    Platform Get()
    {
        return Platform{clock_, random_, sound_, recorder_, printer_, dialogs_, help_, keyboard_};
    }
    HelpWindow& HelpViewer() { return help_; }

private:
    SystemClock clock_;
    MtRandom random_;
    OpenAlSound sound_;
    QtDialogs dialogs_;
    QtPrinter printer_;
    OpenAlRecorder recorder_;
    HelpWindow help_;
    QtKeyboard keyboard_;
};

} // namespace lexaroo
