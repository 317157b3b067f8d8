#include "WindowChrome.h"

#include "UiKit.h"

#include <QEvent>
#include <QShortcut>
#include <QWidget>

namespace lexaroo {

namespace {
// Watches its window for the first show. A show event comes just before the
// window reaches the screen, so it never appears elsewhere first.
class FirstShowCentring : public QObject {
public:
    explicit FirstShowCentring(QWidget* window) : QObject(window), window_(window)
    {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == window_ && event->type() == QEvent::Show) {
            window_->removeEventFilter(this);
            CentreOnScreen(window_);
        }
        return false;
    }

private:
    QWidget* window_;
};
} // namespace

void CentreWhenFirstShown(QWidget* window) { new FirstShowCentring(window); }

void AddWindowChrome(QWidget* window, Help& help, int helpTopic)
{
    CentreWhenFirstShown(window);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), window);
    f1->setContext(Qt::WindowShortcut);
    QObject::connect(f1, &QShortcut::activated, window, [&help, helpTopic] {
        if (helpTopic == 0)
            help.ShowContents();
        else
            help.ShowTopic(helpTopic);
    });
}

} // namespace lexaroo
