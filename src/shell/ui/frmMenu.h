#pragma once
#include "ActivityWindow.h"
#include "GameState.h"
#include "Platform.h"

#include <QPointer>
#include <QVector>
#include <QWidget>
#include <array>

class QLabel;
class QPushButton;

namespace lexaroo {

// The main menu: the program's hub. Eleven activity buttons, Help and Exit.
class frmMenu : public QWidget {
    Q_OBJECT
public:
    frmMenu(GameState& state, Platform& platform, QVector<ActivityEntry> activities,
            QWidget* parent = nullptr);

    QPushButton* cmdChoice(int index) const { return cmdChoice_[index]; }
    QPushButton* cmdHelp() const { return cmdHelp_; }
    QPushButton* cmdExit() const { return cmdExit_; }
    // The activity window on screen, if any.
    ActivityWindow* CurrentActivity() const { return current_; }

    // Runs the Exit procedure; true when the program is ending.
    bool ExitProgram();

signals:
    // Exit was confirmed and the settings written: the program should end.
    void programEnded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Load();
    void Activated();
    void Choose(int index);
    void ShowMenuAgain();
    const ActivityEntry* Entry(int index) const;

    GameState& state_;
    Platform& platform_;
    QVector<ActivityEntry> activities_;
    QLabel* Image1_ = nullptr;
    std::array<QPushButton*, 11> cmdChoice_{};
    QPushButton* cmdHelp_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
    QPointer<ActivityWindow> current_;
    bool ending_ = false;
};

} // namespace lexaroo
