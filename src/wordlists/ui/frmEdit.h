#pragma once
#include "ActivityWindow.h"

#include <array>

class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lexaroo {

// The list editor: thirty word boxes and the commands that make, open, load,
// save, print and record the current list. The only screen that changes the
// list.
class frmEdit : public ActivityWindow {
    Q_OBJECT
public:
    // The six commands, in the order of their buttons and labels.
    enum Command { NewList, OpenList, BuiltInList, SaveList, PrintList, RecordList };

    frmEdit(GameState& state, Platform& platform, const ActivityInfo& info,
            QWidget* parent = nullptr);
    ~frmEdit() override;

    QLineEdit* txtWord(int i) const { return txtWord_[i]; } // 1..30
    QLabel* lblIndex(int i) const { return lblIndex_[i]; }  // 0..29
    QLabel* Label1(int k) const { return Label1_[k]; }      // 0..5
    QPushButton* cmdNew() const { return cmdCommand_[NewList]; }
    QPushButton* cmdOpen() const { return cmdCommand_[OpenList]; }
    QPushButton* cmdBuilt() const { return cmdCommand_[BuiltInList]; }
    QPushButton* cmdSave() const { return cmdCommand_[SaveList]; }
    QPushButton* cmdPrint() const { return cmdCommand_[PrintList]; }
    QPushButton* cmdRecord() const { return cmdCommand_[RecordList]; }
    QPushButton* cmdHelp() const { return cmdHelp_; }
    QPushButton* cmdExit() const { return cmdExit_; }
    int EditorLoading() const { return EditorLoading_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool CanClose() override;

private:
    void BuildControls();
    void Load();
    void Run(Command command);
    int BoxOf(QObject* object) const;
    bool WordKeyPressed(int box, QKeyEvent* key);
    void LeaveBox(int box);
    void CommitFocusedBox();
    void SetBox(int box, const QString& text);
    void Compact();
    void ShowList();
    void SetCaption();
    bool ConfirmDiscard(const QString& title);
    void ReportError(const QString& error);
    // After Open or Built-In: the list on screen, marked saved when it loaded.
    void ShowLoadedList(bool ok, const QString& error);

    void DoNewList();
    void DoOpenList();
    void DoBuiltInList();
    void DoSaveList();
    void DoPrintList();
    void DoRecordList();

    std::array<QLineEdit*, kMaxWords + 1> txtWord_{};
    std::array<QLabel*, kMaxWords> lblIndex_{};
    std::array<QLabel*, 6> Label1_{};
    std::array<QPushButton*, 6> cmdCommand_{};
    QGroupBox* Frame1_ = nullptr;
    QGroupBox* fraChoice_ = nullptr;
    QPushButton* cmdHelp_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
    int EditorLoading_ = 0;
    bool busy_ = false; // a command is running
};

} // namespace lexaroo
