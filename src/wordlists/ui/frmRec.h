#pragma once
#include "GameState.h"
#include "Platform.h"

#include <QDialog>
#include <QString>
#include <memory>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace lexaroo {

// The word recorder: records the pronunciation of each word of the list
// from the microphone into the word's sound file beside the list, and plays
// it back.
class frmRec : public QDialog {
    Q_OBJECT
public:
    // Longest recording, in milliseconds.
    static constexpr int kRecordLimitMs = 5000;

    frmRec(GameState& state, Platform& platform, QWidget* parent = nullptr);
    ~frmRec() override;

    QListWidget* lstFiles() const { return lstFiles_; }
    QLabel* lblPlay() const { return lblPlay_; }
    QLabel* lblRecord() const { return lblRecord_; }
    QPushButton* cmdPlay() const { return cmdPlay_; }
    QPushButton* cmdRecord() const { return cmdRecord_; }
    QPushButton* cmdStop() const { return cmdStop_; }
    QPushButton* cmdHelp() const { return cmdHelp_; }
    QPushButton* cmdExit() const { return cmdExit_; }

    int ActiveWordIndex() const { return ActiveWordIndex_; }
    const QString& ActiveWordFile() const { return ActiveWordFile_; }
    bool Recording() const { return !recordingTarget_.isEmpty(); }

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void Load();
    void SelectWord(int row);
    void Play();
    void Record();
    void Stop();
    bool FinishRecording(bool report);
    void ShowIdle();
    void RecordFailed(const QString& message);
    QString TemporaryRecordingPath() const;

    GameState& state_;
    Platform& platform_;
    QLabel* Label1_ = nullptr;
    QListWidget* lstFiles_ = nullptr;
    QLabel* lblPlay_ = nullptr;
    QPushButton* cmdPlay_ = nullptr;
    QLabel* lblRecord_ = nullptr;
    QPushButton* cmdRecord_ = nullptr;
    QPushButton* cmdStop_ = nullptr;
    QGroupBox* fraChoice_ = nullptr;
    QPushButton* cmdHelp_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
    std::unique_ptr<Timer> Timer1_;

    int RecorderLoading_ = 0;
    int ActiveWordIndex_ = 0;
    QString ActiveWordFile_;
    // While recording: the word's file, and the template copy being
    // recorded into, which replaces it only once the recording is saved.
    QString recordingTarget_;
    QString recordingFile_;
};

} // namespace lexaroo
