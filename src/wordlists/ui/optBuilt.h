#pragma once
#include "GameState.h"
#include "Platform.h"

#include <QDialog>
#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace lexaroo {

// The built-in list chooser: grade, list number and letter case. Every click
// goes straight into the settings members, so the choice is remembered even
// when the chooser is cancelled.
class optBuilt : public QDialog {
    Q_OBJECT
public:
    optBuilt(GameState& state, Platform& platform, QWidget* parent = nullptr);

    QRadioButton* optUC(int i) const { return optUC_[i]; }       // 1..2
    QRadioButton* optGrade(int i) const { return optGrade_[i]; } // 0..6
    QRadioButton* optList(int i) const { return optList_[i]; }   // 1..10
    QPushButton* cmdOK() const { return cmdOK_; }
    QPushButton* cmdCancel() const { return cmdCancel_; }

public slots:
    // Escape cancels, like the Cancel button.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Finish(bool cancelled);
    QRadioButton* AddOption(QGroupBox* frame, const QString& name, const QString& caption,
                            int left, int top, std::int16_t& member, int index);

    GameState& state_;
    Platform& platform_;
    std::array<QRadioButton*, 3> optUC_{};
    std::array<QRadioButton*, 7> optGrade_{};
    std::array<QRadioButton*, 11> optList_{};
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    bool finished_ = false;
};

// Shows the chooser modally and returns when it has closed. BuiltInCancelled
// is 1 when it was cancelled, 0 otherwise; the settings members hold the
// selection.
void ChooseBuiltInList(GameState& state, Platform& platform, QWidget* parent = nullptr);

} // namespace lexaroo
