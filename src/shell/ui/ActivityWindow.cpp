#include "ActivityWindow.h"

#include "WindowChrome.h"
#include "WordList.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>

namespace lexaroo {

ActivityWindow::ActivityWindow(GameState& state, Platform& platform, ActivityInfo info,
                               QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), platform_(platform), info_(std::move(info))
{
    setAttribute(Qt::WA_DeleteOnClose);
    AddWindowChrome(this, platform_.help, info_.helpTopic);
    // Keys go to the focused control first; watching the application sees
    // them before any control of this window, including ones made later.
    qApp->installEventFilter(this);
}

ActivityWindow::~ActivityWindow() { qApp->removeEventFilter(this); }

void ActivityWindow::ShowHelp() { platform_.help.ShowTopic(info_.helpTopic); }

void ActivityWindow::SetActivityCaption()
{
    setWindowTitle(ActivityCaption(info_.title, state_.ListName));
}

bool ActivityWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A key goes first to the control with the focus (or the window when
    // none has it), then, unused, on to its parents: it is previewed once,
    // on its way to the first.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->window() == this
        && watched == (focusWidget() ? focusWidget() : this)
        && PreviewKey(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ActivityWindow::closeEvent(QCloseEvent* event)
{
    if (!CanClose()) {
        event->ignore();
        return;
    }
    event->accept();
    if (!endedSent_) {
        endedSent_ = true;
        emit ended();
    }
}

} // namespace lexaroo
