#include "frmRec.h"

#include "UiKit.h"
#include "WindowChrome.h"
#include "WordList.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>
#include <system_error>

namespace lexaroo {

namespace {
constexpr int kHelpTopic = 1;
const QString kTitle = QStringLiteral("Record Word List");

std::filesystem::path FsPath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}
} // namespace

frmRec::frmRec(GameState& state, Platform& platform, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform)
{
    setObjectName(QStringLiteral("frmRec"));
    setWindowTitle(kTitle);
    setModal(true);
    SetUpWindow(this, 6720, 3540, QColor(192, 255, 255));
    BuildControls();
    Load();
}

frmRec::~frmRec()
{
    // Closed while recording: what was heard is kept, as Stop would.
    if (Recording()) {
        Timer1_->Stop();
        FinishRecording(false);
    }
}

void frmRec::BuildControls()
{
    const QFont labelFont = DesignFont(QStringLiteral("MS Sans Serif"), 9.75, true);
    Label1_ = MakeLabel(this, QStringLiteral("Label1"), QStringLiteral("Active Word:"), 120, 0,
                        4215, 375);
    Label1_->setFont(labelFont);
    Label1_->setAlignment(Qt::AlignLeft | Qt::AlignBottom);

    lstFiles_ = new QListWidget(this);
    lstFiles_->setObjectName(QStringLiteral("lstFiles"));
    lstFiles_->setFont(DesignFont(QStringLiteral("Arial"), 12));
    PlaceTwips(lstFiles_, 120, 360, 4695, 3030);
    connect(lstFiles_, &QListWidget::currentRowChanged, this, [this](int row) { SelectWord(row); });
    connect(lstFiles_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        SelectWord(lstFiles_->row(item));
        Play();
    });

    lblPlay_ = MakeLabel(this, QStringLiteral("lblPlay"), QStringLiteral("Play"), 4920, 480, 1335,
                         495);
    lblRecord_ = MakeLabel(this, QStringLiteral("lblRecord"), QStringLiteral("Record"), 4920, 1200,
                           975, 495);
    for (QLabel* label : {lblPlay_, lblRecord_}) {
        label->setFont(labelFont);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

    cmdPlay_ = MakePictureButton(this, QStringLiteral("cmdPlay"),
                                 QStringLiteral(":/pictures/rec-play.svg"), QString(), 6000, 360,
                                 600, 600);
    cmdRecord_ = MakePictureButton(this, QStringLiteral("cmdRecord"),
                                   QStringLiteral(":/pictures/rec-record.svg"), QString(), 6000,
                                   1080, 600, 600);
    cmdStop_ = MakePictureButton(this, QStringLiteral("cmdStop"),
                                 QStringLiteral(":/pictures/rec-stop.svg"), QString(), 6000, 1080,
                                 600, 600);
    cmdPlay_->setToolTip(QStringLiteral("Play"));
    cmdRecord_->setToolTip(QStringLiteral("Record"));
    cmdStop_->setToolTip(QStringLiteral("Stop"));
    cmdStop_->hide();
    connect(cmdPlay_, &QPushButton::clicked, this, [this] { Play(); });
    connect(cmdRecord_, &QPushButton::clicked, this, [this] { Record(); });
    connect(cmdStop_, &QPushButton::clicked, this, [this] { Stop(); });

    const HelpExitFrame choice = MakeHelpExitFrame(this, 5160, 1920, 1335, 1455, 120, 240, 120, 840);
    fraChoice_ = choice.frame;
    cmdHelp_ = choice.help;
    cmdExit_ = choice.exit;
    cmdHelp_->setAutoDefault(false);
    cmdExit_->setAutoDefault(false);
    connect(cmdHelp_, &QPushButton::clicked, this, [this] { platform_.help.ShowTopic(kHelpTopic); });
    connect(cmdExit_, &QPushButton::clicked, this, [this] { close(); });
    AddWindowChrome(this, platform_.help, kHelpTopic);

    // The longest recording: Stop comes by itself after five seconds.
    Timer1_ = platform_.clock.NewTimer();
    Timer1_->OnTimeout([this] { Stop(); });
}

void frmRec::Load()
{
    RecorderLoading_ = 1;
    ActiveWordIndex_ = 1;
    for (int i = 1; i <= state_.WordCount && i <= kMaxWords; ++i)
        lstFiles_->addItem(state_.Words[i]);
    if (lstFiles_->count() > 0) {
        lstFiles_->setCurrentRow(0);
        ActiveWordFile_ = PronunciationFileName(state_.Words[1]);
    } else {
        // Nothing to record or play.
        ActiveWordFile_.clear();
        cmdPlay_->setEnabled(false);
        cmdRecord_->setEnabled(false);
    }
    RecorderLoading_ = 0;
}

void frmRec::SelectWord(int row)
{
    if (RecorderLoading_ != 0 || row < 0 || row >= state_.WordCount)
        return;
    ActiveWordIndex_ = row + 1;
    ActiveWordFile_ = PronunciationFileName(state_.Words[ActiveWordIndex_]);
}

void frmRec::Play()
{
    if (ActiveWordFile_.isEmpty() || Recording())
        return;
    cmdPlay_->hide();
    lblRecord_->hide();
    cmdRecord_->hide();
    lblPlay_->show();
    lblPlay_->setText(QStringLiteral("Playing..."));
    lblPlay_->repaint();
    platform_.recorder.PlayToEnd(state_.ListFolder + ActiveWordFile_);
    lblPlay_->setText(QStringLiteral("Play"));
    lblPlay_->repaint();
    ShowIdle();
}

QString frmRec::TemporaryRecordingPath() const
{
    // Beside the word's file, so it can be renamed over it, and not matching
    // "*.wav", so it is never taken for a word's recording.
    return state_.ListFolder + ActiveWordFile_ + QStringLiteral(".rec");
}

void frmRec::Record()
{
    if (ActiveWordFile_.isEmpty() || Recording())
        return;
    // The recording is made into a copy of the template beside the word's
    // file; the old recording is replaced only when the new one is saved, so
    // any failure on the way leaves it as it was.
    const QString templatePath = state_.AppFolder + QStringLiteral("zzblank.wav");
    const QString target = state_.ListFolder + ActiveWordFile_;
    const QString file = TemporaryRecordingPath();
    if (!QFileInfo::exists(templatePath)) {
        RecordFailed(QStringLiteral("The recording template %1 is missing, so nothing can be "
                                    "recorded.")
                         .arg(QDir::toNativeSeparators(templatePath)));
        return;
    }
    QFile::remove(file);
    QFile source(templatePath);
    if (!source.copy(file)) {
        const QString folder = state_.ListFolder.isEmpty() ? QDir::currentPath() : state_.ListFolder;
        RecordFailed(QStringLiteral("The recording of \"%1\" cannot be written in the folder "
                                    "%2\n\n%3")
                         .arg(state_.Words[ActiveWordIndex_], QDir::toNativeSeparators(folder),
                              source.errorString()));
        return;
    }
    QString error;
    if (!platform_.recorder.StartRecording(file, &error)) {
        QFile::remove(file);
        RecordFailed(error);
        return;
    }
    recordingTarget_ = target;
    recordingFile_ = file;
    Timer1_->Start(kRecordLimitMs);
    lblPlay_->hide();
    cmdPlay_->hide();
    cmdRecord_->hide();
    lstFiles_->setEnabled(false);
    cmdStop_->show();
}

void frmRec::Stop()
{
    if (!Recording())
        return;
    Timer1_->Stop();
    const bool saved = FinishRecording(true);
    cmdStop_->hide();
    lblPlay_->show();
    lstFiles_->setEnabled(true);
    if (saved)
        Play();
    else
        ShowIdle();
}

bool frmRec::FinishRecording(bool report)
{
    const QString target = recordingTarget_;
    const QString file = recordingFile_;
    recordingTarget_.clear();
    recordingFile_.clear();
    QString error;
    if (!platform_.recorder.StopAndSave(&error)) {
        QFile::remove(file);
        if (report)
            platform_.dialogs.MsgBox(error, kTitle, MsgIcon::Exclamation);
        return false;
    }
    std::error_code ec;
    std::filesystem::rename(FsPath(file), FsPath(target), ec);
    if (ec) {
        QFile::remove(file);
        if (report)
            platform_.dialogs.MsgBox(QStringLiteral("The recording could not be saved as %1\n\n%2")
                                         .arg(QDir::toNativeSeparators(target),
                                              QString::fromStdString(ec.message())),
                                     kTitle, MsgIcon::Exclamation);
        return false;
    }
    return true;
}

void frmRec::RecordFailed(const QString& message)
{
    platform_.dialogs.MsgBox(message, kTitle, MsgIcon::Exclamation);
    ShowIdle();
}

void frmRec::ShowIdle()
{
    cmdStop_->hide();
    lblPlay_->show();
    cmdPlay_->show();
    lblRecord_->show();
    cmdRecord_->show();
    lstFiles_->setEnabled(true);
}

void frmRec::reject()
{
    if (Recording()) {
        Timer1_->Stop();
        FinishRecording(true);
        ShowIdle();
    }
    QDialog::reject();
}

void frmRec::closeEvent(QCloseEvent* event)
{
    // Exit while recording keeps what was heard so far, as Stop would.
    if (Recording()) {
        Timer1_->Stop();
        FinishRecording(true);
        ShowIdle();
    }
    QDialog::closeEvent(event);
}

} // namespace lexaroo
