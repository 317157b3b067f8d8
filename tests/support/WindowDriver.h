#pragma once
#include "FakePlatform.h"

#include <QApplication>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <source_location>
#include <vector>

namespace lexaroo::uitest {

// Drives one window as a child or a parent would: finds controls by their
// object names, clicks and types where the mouse and the keyboard would,
// reads the fake platform's event log, and catches modal windows. A missing
// control fails the test with its name; the driver then hands back a
// stand-in, so the test stops at a failed check instead of crashing.
class WindowDriver {
public:
    explicit WindowDriver(fakes::FakePlatform& fake) : fake_(fake) {}
    ~WindowDriver();

    // The window under test; it may delete itself when it closes.
    void Attach(QWidget* window) { window_ = window; }
    QWidget* Window() const { return window_; }
    bool WindowGone() const { return window_.isNull(); }

    template <class T = QWidget>
    T& Find(const QString& name, std::source_location where = std::source_location::current())
    {
        if (window_) {
            if (window_->objectName() == name)
                if (auto* self = qobject_cast<T*>(window_.data()))
                    return *self;
            if (T* found = window_->findChild<T*>(name))
                return *found;
        }
        Missing(name, T::staticMetaObject.className(), where);
        auto standIn = std::make_unique<T>();
        T& ref = *standIn;
        standIns_.push_back(std::move(standIn));
        return ref;
    }
    // The text of a label, button or box.
    QString Text(const QString& name, std::source_location where = std::source_location::current());
    bool Visible(const QString& name, std::source_location where = std::source_location::current());
    bool Enabled(const QString& name, std::source_location where = std::source_location::current());
    // The control that has the keyboard focus, by name ("" for none).
    QString Focus() const;

    // A left click in the middle of the control (button, tile, label).
    void Click(const QString& name, std::source_location where = std::source_location::current());
    void Click(QWidget& control);
    // Types each character on the control with the focus (or the window),
    // as the keyboard would send it.
    void Type(const QString& text);
    // A key that types nothing (Enter, F1, an arrow) on the focused control.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    // What happened since the last look, without the "sound stop" that goes
    // before every sound; the log is cleared.
    QStringList Events();
    // The events since the last look that start with `prefix`; the log is
    // cleared.
    QStringList Events(const QString& prefix);

    // Runs `action`, which must bring up a modal window of type T (at once,
    // or within `seconds`). `inspect` looks at it while it is up; then it is
    // closed (accepted) unless `inspect` closed it. Without it the test
    // fails after the wait instead of hanging; a modal window of another
    // kind that blocks the action is closed so the action can return.
    template <class T>
    bool ExpectModal(const std::function<void()>& action, const std::function<void(T&)>& inspect = {},
                     double seconds = 3.0,
                     std::source_location where = std::source_location::current())
    {
        return CatchModal(
            action,
            [&](QWidget* w) {
                T* t = qobject_cast<T*>(w);
                if (t && inspect)
                    inspect(*t);
                return t != nullptr;
            },
            T::staticMetaObject.className(), seconds, where);
    }

private:
    void Missing(const QString& name, const char* type, const std::source_location& where);
    bool CatchModal(const std::function<void()>& action, const std::function<bool(QWidget*)>& take,
                    const char* type, double seconds, const std::source_location& where);
    QWidget& Target();

    fakes::FakePlatform& fake_;
    QPointer<QWidget> window_;
    std::vector<std::unique_ptr<QObject>> standIns_;
};

} // namespace lexaroo::uitest
