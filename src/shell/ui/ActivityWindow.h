#pragma once
#include "GameState.h"
#include "Platform.h"

#include <QString>
#include <QWidget>
#include <functional>

namespace lexaroo {

// Base of every window the menu opens. It owns nothing but the wiring every
// screen shares: F1 opens the screen's help topic, and closing the window
// (by its own Exit or the window manager) tells the menu with `ended`.
class ActivityWindow : public QWidget {
    Q_OBJECT
public:
    ActivityWindow(GameState& state, Platform& platform, int helpTopic, QWidget* parent = nullptr);

    int HelpTopic() const { return helpTopic_; }

signals:
    // The activity is over; the menu shows itself again.
    void ended();

protected:
    // Opens the help file at this screen's topic.
    void ShowHelp();
    // Called when the window is about to close; return false to stay open.
    virtual bool CanClose() { return true; }
    void closeEvent(QCloseEvent* event) override;

    GameState& state_;
    Platform& platform_;

private:
    int helpTopic_;
    bool endedSent_ = false;
};

// What the menu needs to know of an activity: its button index and caption,
// its help topic, and how to open it. An entry without `open` is not
// available yet; the menu says so instead of opening it.
struct ActivityEntry {
    int index = 0;
    QString caption;
    int helpTopic = 0;
    std::function<ActivityWindow*(GameState&, Platform&)> open;
};

} // namespace lexaroo
