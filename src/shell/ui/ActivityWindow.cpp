#include "ActivityWindow.h"

#include <QCloseEvent>
#include <QShortcut>

namespace lexaroo {

ActivityWindow::ActivityWindow(GameState& state, Platform& platform, int helpTopic, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), platform_(platform), helpTopic_(helpTopic)
{
    setAttribute(Qt::WA_DeleteOnClose);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this, &ActivityWindow::ShowHelp);
}

void ActivityWindow::ShowHelp() { platform_.help.ShowTopic(helpTopic_); }

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
