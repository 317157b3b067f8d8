#include "QtKeyboard.h"

#include <QApplication>
#include <QGuiApplication>

#if LEXAROO_HAVE_X11
#include <X11/XKBlib.h>
#endif

namespace lexaroo {

void QtKeyboard::Beep() { QApplication::beep(); }

bool QtKeyboard::CapsLockOn()
{
#if LEXAROO_HAVE_X11
    if (auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
        unsigned int state = 0;
        if (Display* display = x11->display(); display && XkbGetIndicatorState(display, XkbUseCoreKbd, &state) == Success)
            return (state & 1u) != 0;
    }
#endif
    return false;
}

} // namespace lexaroo
