#pragma once
#include "GameState.h"
#include "Platform.h"

#include <QString>
#include <QWidget>
#include <functional>

class QKeyEvent;

namespace lexaroo {

// What an activity is called and where its help lives, as the activity
// table writes them once for the menu and the window alike.
struct ActivityInfo {
    QString title;
    int helpTopic = 0;
};

// Base of every window the menu opens. It owns the wiring every screen
// shares: centred when first shown, F1 to the screen's help topic, a key
// preview that sees typed keys before the focused control, and `ended` when
// the window closes (by its own Exit or Stop, or the window manager).
class ActivityWindow : public QWidget {
    Q_OBJECT
public:
    ActivityWindow(GameState& state, Platform& platform, ActivityInfo info,
                   QWidget* parent = nullptr);
    ~ActivityWindow() override;

    const ActivityInfo& Info() const { return info_; }

signals:
    // The activity is over; the menu shows itself again.
    void ended();

protected:
    // Opens the help file at this screen's topic.
    void ShowHelp();
    // The caption while the activity runs: its title, ", List Name: " and
    // the list's name.
    void SetActivityCaption();
    // Sees every key pressed in this window before the control with the
    // focus; true when the key was used (the control never sees it).
    virtual bool PreviewKey(QKeyEvent*) { return false; }
    // Called when the window is about to close; return false to stay open.
    virtual bool CanClose() { return true; }
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    GameState& state_;
    Platform& platform_;

private:
    ActivityInfo info_;
    bool endedSent_ = false;
};

// What the menu needs to know of an activity: its button index, its title
// and help topic, and how to open it. An entry without `open` is not
// available yet; the menu says so instead of opening it.
struct ActivityEntry {
    int index = 0;
    ActivityInfo info;
    std::function<ActivityWindow*(GameState&, Platform&, const ActivityInfo&)> open;
};

} // namespace lexaroo
