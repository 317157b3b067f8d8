#include "frmEdit.h"

#include "ClickLabel.h"
#include "EditorRules.h"
#include "Looks.h"
#include "UiKit.h"
#include "WordList.h"
#include "BuiltInList.h"
#include "ListFile.h"
#include "PronunciationFiles.h"
#include "frmRec.h"
#include "optBuilt.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace lexaroo {

namespace {
const QString kListFilter = QStringLiteral("Word Lists (*.bsl)");

struct CommandLook {
    const char* button;
    const char* picture;
    const char* label;
};
const CommandLook kCommands[6] = {
    {"cmdNew", ":/pictures/list-new.svg", "New List"},
    {"cmdOpen", ":/pictures/list-open.svg", "Open List"},
    {"cmdBuilt", ":/pictures/list-builtin.svg", "Built-In List"},
    {"cmdSave", ":/pictures/list-save.svg", "Save List"},
    {"cmdPrint", ":/pictures/list-print.svg", "Print List"},
    {"cmdRecord", ":/pictures/list-record.svg", "Record List"},
};

QString TrimSpaces(const QString& text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.mid(begin, end - begin);
}
} // namespace

frmEdit::frmEdit(GameState& state, Platform& platform, const ActivityInfo& info, QWidget* parent)
    : ActivityWindow(state, platform, info, parent)
{
    setObjectName(QStringLiteral("frmEdit"));
    SetUpWindow(this, 8355, 5685, QColor(255, 255, 128));
    BuildControls();
    Load();
}

frmEdit::~frmEdit()
{
    // The boxes may lose the focus while they are being destroyed; by then
    // there is no list to write back to.
    for (int i = 1; i <= kMaxWords; ++i)
        txtWord_[i]->removeEventFilter(this);
}

void frmEdit::BuildControls()
{
    const QFont boxFont = DesignFont(QStringLiteral("Arial"), 9.75);
    for (int i = 1; i <= kMaxWords; ++i) {
        const bool left = i <= 15;
        const int top = 120 + 360 * (i - (left ? 1 : 16));
        auto* box = new QLineEdit(this);
        box->setObjectName(ArrayName(QStringLiteral("txtWord"), i));
        box->setFont(boxFont);
        PlaceTwips(box, left ? 600 : 3360, top, 2175, 375);
        // Words come in through the keys only: no pasting or dropping of text
        // the list file could not hold.
        box->setContextMenuPolicy(Qt::NoContextMenu);
        box->setAcceptDrops(false);
        box->setAttribute(Qt::WA_InputMethodEnabled, false);
        box->installEventFilter(this);
        connect(box, &QLineEdit::textChanged, this, [this] {
            if (EditorLoading_ == 0)
                state_.ListSaved = 0;
        });
        txtWord_[i] = box;

        auto* number = MakeLabel(this, ArrayName(QStringLiteral("lblIndex"), i - 1),
                                 QString::number(i), left ? 120 : 2895, top + 60, 375, 375);
        number->setFont(boxFont);
        number->setAlignment(Qt::AlignRight | Qt::AlignTop);
        lblIndex_[i - 1] = number;
    }

    Frame1_ = new QGroupBox(QStringLiteral("Choices"), this);
    Frame1_->setObjectName(QStringLiteral("Frame1"));
    PlaceTwips(Frame1_, 5640, 120, 2535, 4455);
    Frame1_->setFont(DesignFont(QStringLiteral("Arial"), 12, true));
    LookPanel(Frame1_, QBColor(1), QBColor(14));

    const QFont labelFont = DesignFont(QStringLiteral("Arial"), 9.75, true);
    for (int k = 0; k < 6; ++k) {
        const CommandLook& look = kCommands[k];
        const QString caption = QString::fromLatin1(look.label);
        auto* button = MakePictureButton(Frame1_, QString::fromLatin1(look.button),
                                         QString::fromLatin1(look.picture), QString(), 240,
                                         420 + 660 * k, 555, 555);
        button->setToolTip(caption);
        button->setAccessibleName(caption);
        connect(button, &QPushButton::clicked, this, [this, k] { Run(static_cast<Command>(k)); });
        cmdCommand_[k] = button;

        // The caption beside a button does what the button does.
        auto* label = MakeClickLabel(Frame1_, ArrayName(QStringLiteral("Label1"), k), caption, 900,
                                     540 + 660 * k, 1455, 315);
        label->setFont(labelFont);
        LookCaption(label);
        connect(label, &ClickLabel::clicked, this, [this, k] { Run(static_cast<Command>(k)); });
        Label1_[k] = label;
    }

    const HelpExitFrame choice = MakeHelpExitFrame(this, 5670, 4680, 2565, 855, 120, 240, 1320, 240);
    fraChoice_ = choice.frame;
    cmdHelp_ = choice.help;
    cmdExit_ = choice.exit;
    connect(cmdHelp_, &QPushButton::clicked, this, [this] { ShowHelp(); });
    connect(cmdExit_, &QPushButton::clicked, this, [this] { close(); });
}

void frmEdit::Load()
{
    platform_.random.Randomize();
    EditorLoading_ = 1;
    SetCaption();
    for (int i = 1; i <= kMaxWords; ++i) {
        if (i > state_.WordCount)
            state_.Words[i].clear();
        SetBox(i, state_.Words[i]);
    }
    EditorLoading_ = 0;
}

int frmEdit::BoxOf(QObject* object) const
{
    for (int i = 1; i <= kMaxWords; ++i)
        if (txtWord_[i] == object)
            return i;
    return 0;
}

bool frmEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (const int box = BoxOf(watched)) {
        switch (event->type()) {
        case QEvent::KeyPress:
            return WordKeyPressed(box, static_cast<QKeyEvent*>(event));
        case QEvent::FocusOut:
            LeaveBox(box);
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
            // The middle button would paste the selection of another program.
            return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
        default:
            break;
        }
        return false;
    }
    return ActivityWindow::eventFilter(watched, event);
}

bool frmEdit::WordKeyPressed(int box, QKeyEvent* key)
{
    QLineEdit* edit = txtWord_[box];
    switch (FilterWordKey(key->key(), key->modifiers(), key->text(), int(edit->text().size()),
                          int(edit->selectedText().size()))) {
    case WordKey::Insert:
    case WordKey::Edit:
        return false;
    case WordKey::NextBox:
        txtWord_[box % kMaxWords + 1]->setFocus(Qt::OtherFocusReason);
        return true;
    case WordKey::Refuse:
        return true;
    case WordKey::Beep:
        platform_.keyboard.Beep();
        return true;
    }
    return true;
}

void frmEdit::LeaveBox(int box)
{
    const QString word = TrimSpaces(txtWord_[box]->text());
    SetBox(box, word);
    state_.Words[box] = word;
}

void frmEdit::CommitFocusedBox()
{
    // A label takes no focus, so a word being typed has not been left yet
    // when its command starts.
    if (const int box = BoxOf(focusWidget()))
        LeaveBox(box);
}

void frmEdit::SetBox(int box, const QString& text)
{
    if (txtWord_[box]->text() != text)
        txtWord_[box]->setText(text);
}

void frmEdit::SetCaption() { SetActivityCaption(); }

void frmEdit::Compact()
{
    CompactList(state_);
    for (int i = 1; i <= kMaxWords; ++i)
        SetBox(i, state_.Words[i]);
}

void frmEdit::ShowList()
{
    for (int i = 1; i <= kMaxWords; ++i)
        SetBox(i, i <= state_.WordCount ? state_.Words[i] : QString());
    SetCaption();
    txtWord_[1]->setFocus(Qt::OtherFocusReason);
}

bool frmEdit::ConfirmDiscard(const QString& title)
{
    if (state_.WordCount == 0 || state_.ListSaved != 0)
        return true;
    return platform_.dialogs.MsgBox(DiscardQuestion(state_.ListName), title, MsgIcon::Question,
                                    MsgButtons::YesNo, MsgAnswer::No)
           == MsgAnswer::Yes;
}

void frmEdit::ReportError(const QString& error)
{
    platform_.dialogs.MsgBox(error, QStringLiteral("Error Detected"), MsgIcon::Exclamation);
}

void frmEdit::Run(Command command)
{
    if (busy_)
        return;
    busy_ = true;
    CommitFocusedBox();
    Compact();
    switch (command) {
    case NewList: DoNewList(); break;
    case OpenList: DoOpenList(); break;
    case BuiltInList: DoBuiltInList(); break;
    case SaveList: DoSaveList(); break;
    case PrintList: DoPrintList(); break;
    case RecordList: DoRecordList(); break;
    }
    busy_ = false;
}

void frmEdit::DoNewList()
{
    if (!ConfirmDiscard(QStringLiteral("Enter New List")))
        return;
    lexaroo::NewList(state_);
    ShowList();
    state_.ListSaved = 0;
}

void frmEdit::DoOpenList()
{
    const QString title = QStringLiteral("Open Word List");
    if (!ConfirmDiscard(title))
        return;
    QString path = platform_.dialogs.OpenFileName(title, state_.ListFolder, kListFilter);
    if (path.isEmpty())
        return;
    path = QDir::toNativeSeparators(path);
    NameFromListPath(state_, path);
    CleanUpEmptySounds(state_.ListFolder);
    QString error;
    const bool read = ReadListFile(state_, path, &error);
    ShowLoadedList(read, error);
}

void frmEdit::DoBuiltInList()
{
    if (!ConfirmDiscard(QStringLiteral("Use Built-In List")))
        return;
    ChooseBuiltInList(state_, platform_, this);
    if (state_.BuiltInCancelled != 0)
        return;
    QString error;
    const bool loaded = LoadBuiltInList(state_, &error);
    ShowLoadedList(loaded, error);
}

void frmEdit::ShowLoadedList(bool ok, const QString& error)
{
    if (!ok) {
        ReportError(error);
        // The boxes show what was read before the failure (nothing, for a
        // built-in list), so what is on screen is what a later command
        // works on.
        Compact();
        ShowList();
        return;
    }
    ShowList();
    state_.ListSaved = 1;
}

void frmEdit::DoSaveList()
{
    if (state_.WordCount == 0)
        return;
    const QString title = QStringLiteral("Save Word List");
    const QString chosen = platform_.dialogs.SaveFileName(
        title, state_.ListFolder + state_.ListName + QStringLiteral(".bsl"), kListFilter);
    if (chosen.isEmpty())
        return;
    const QString path = WithListExtension(QDir::toNativeSeparators(chosen));
    // The dialog asked about the name as typed; one that gained the list
    // extension here is asked about now.
    if (path != QDir::toNativeSeparators(chosen) && QFileInfo::exists(path)) {
        const QString question = QFileInfo(path).fileName()
                                 + QStringLiteral(" already exists.\nDo you want to replace it?");
        if (platform_.dialogs.MsgBox(question, title, MsgIcon::Question, MsgButtons::YesNo,
                                     MsgAnswer::No)
            != MsgAnswer::Yes)
            return;
    }
    NameFromListPath(state_, path);
    CleanUpEmptySounds(state_.ListFolder);
    QString error;
    if (!WriteListFile(state_, path, &error)) {
        ReportError(error);
        return;
    }
    ShowList();
    state_.ListSaved = 1;
}

void frmEdit::DoPrintList()
{
    const QString title = QStringLiteral("Print Word List");
    if (state_.WordCount == 0) {
        platform_.dialogs.MsgBox(QStringLiteral("No words in list - can't be printed!"), title,
                                 MsgIcon::Exclamation);
        return;
    }
    if (platform_.dialogs.MsgBox(QStringLiteral("Make sure printer is on-line and ready."), title,
                                 MsgIcon::Information, MsgButtons::OkCancel, MsgAnswer::Ok)
        != MsgAnswer::Ok)
        return;
    Printer& printer = platform_.printer;
    QString error;
    if (!printer.BeginDoc(QStringLiteral("Lexaroo Word List ") + state_.ListName, &error)) {
        platform_.dialogs.MsgBox(error, title, MsgIcon::Exclamation);
        return;
    }
    printer.SetFont(QStringLiteral("Courier New"), 12);
    for (const QString& line : PrintListLines(state_))
        printer.PrintText(line);
    if (!printer.EndDoc(&error))
        platform_.dialogs.MsgBox(error, title, MsgIcon::Exclamation);
}

void frmEdit::DoRecordList()
{
    const QString title = QStringLiteral("Record Word List");
    if (state_.WordCount == 0) {
        platform_.dialogs.MsgBox(QStringLiteral("No words in list - can't be recorded!"), title,
                                 MsgIcon::Exclamation);
        return;
    }
    if (state_.ListSaved == 0) {
        const QString question = QStringLiteral(
            "It is recommended that you save your word\n"
            "list before recording.  Otherwise, the\n"
            "recorded words could get lost.\n\n"
            "Do you still want to record your word list?");
        if (platform_.dialogs.MsgBox(question, title, MsgIcon::Question, MsgButtons::YesNo,
                                     MsgAnswer::No)
            != MsgAnswer::Yes)
            return;
    }
    frmRec recorder(state_, platform_, this);
    recorder.exec();
}

bool frmEdit::CanClose()
{
    if (busy_)
        return false;
    CommitFocusedBox();
    Compact();
    state_.ListCase = ComputeListCase(state_);
    return true;
}

} // namespace lexaroo
