#include "WindowDriver.h"

#include <QAbstractButton>
#include <QDeadlineTimer>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

namespace lexaroo::uitest {

WindowDriver::~WindowDriver() = default;

void WindowDriver::Missing(const QString& name, const char* type, const std::source_location& where)
{
    const QByteArray message = QStringLiteral("no %1 named \"%2\" in %3")
                                   .arg(QString::fromLatin1(type), name,
                                        window_ ? window_->objectName() : QStringLiteral("(no window)"))
                                   .toUtf8();
    QTest::qFail(message.constData(), where.file_name(), static_cast<int>(where.line()));
}

QString WindowDriver::Text(const QString& name, std::source_location where)
{
    QWidget& w = Find<QWidget>(name, where);
    if (auto* label = qobject_cast<QLabel*>(&w))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(&w))
        return button->text();
    if (auto* edit = qobject_cast<QLineEdit*>(&w))
        return edit->text();
    return w.windowTitle();
}

bool WindowDriver::Visible(const QString& name, std::source_location where)
{
    return Find<QWidget>(name, where).isVisible();
}

bool WindowDriver::Enabled(const QString& name, std::source_location where)
{
    return Find<QWidget>(name, where).isEnabled();
}

QString WindowDriver::Focus() const
{
    QWidget* focus = window_ ? window_->focusWidget() : nullptr;
    return focus ? focus->objectName() : QString();
}

void WindowDriver::Click(const QString& name, std::source_location where)
{
    Click(Find<QWidget>(name, where));
}

void WindowDriver::Click(QWidget& control) { QTest::mouseClick(&control, Qt::LeftButton); }

QWidget& WindowDriver::Target()
{
    if (window_ && window_->focusWidget())
        return *window_->focusWidget();
    if (window_)
        return *window_;
    static QWidget nowhere;
    return nowhere;
}

void WindowDriver::Type(const QString& text)
{
    for (const QChar c : text)
        QTest::keyClick(&Target(), c.toLatin1());
}

void WindowDriver::Key(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(&Target(), key, modifiers);
}

QStringList WindowDriver::Events()
{
    QStringList out;
    for (const QString& e : fake_.log.Events())
        if (e != QLatin1String("sound stop"))
            out << e;
    fake_.log.Clear();
    return out;
}

QStringList WindowDriver::Events(const QString& prefix)
{
    QStringList out = fake_.log.Matching(prefix);
    fake_.log.Clear();
    return out;
}

bool WindowDriver::CatchModal(const std::function<void()>& action,
                              const std::function<bool(QWidget*)>& take, const char* type,
                              double seconds, const std::source_location& where)
{
    bool seen = false;
    QString stranger;
    QDeadlineTimer deadline(static_cast<qint64>(seconds * 1000));
    // Looks for the window every few milliseconds while the action runs (a
    // modal window runs its own loop, so the action returns only once the
    // window has closed).
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        if (!seen && take(modal)) {
            seen = true;
            if (modal->isVisible()) {
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->accept();
                else
                    modal->close();
            }
            return;
        }
        if (deadline.hasExpired()) {
            // Another window keeps the action from returning: close it.
            stranger = QString::fromLatin1(modal->metaObject()->className());
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        }
    });
    poll.start();
    action();
    while (!seen && !deadline.hasExpired())
        QTest::qWait(5);
    poll.stop();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (!seen) {
        const QString message =
            stranger.isEmpty()
                ? QStringLiteral("no %1 came up within %2 s").arg(QString::fromLatin1(type)).arg(seconds)
                : QStringLiteral("a %1 came up instead of a %2").arg(stranger, QString::fromLatin1(type));
        QTest::qFail(message.toUtf8().constData(), where.file_name(), static_cast<int>(where.line()));
    }
    return seen;
}

} // namespace lexaroo::uitest
