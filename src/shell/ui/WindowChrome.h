#pragma once
#include "Help.h"

class QWidget;

namespace lexaroo {

// What every screen does alike: it is centred on the screen the first time
// it is shown, and F1 opens its help topic (topic 0, the contents, for the
// menu). Activity windows get this from ActivityWindow; the modal dialogs
// call it themselves.
void AddWindowChrome(QWidget* window, Help& help, int helpTopic);

// A window without a help topic of its own (the results screen) is still
// centred the first time it is shown.
void CentreWhenFirstShown(QWidget* window);

} // namespace lexaroo
