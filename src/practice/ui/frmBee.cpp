#include "frmBee.h"

#include "ScoreBar.h"
#include "Scoring.h"
#include "UiKit.h"
#include "WordList.h"
#include "frmResults.h"

#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgWidget>
#include <QTimer>

namespace lexaroo {

namespace {
const QString kTitle = QStringLiteral("Spelling Bee");

QLabel* MakeMark(QWidget* parent, int index, const QString& text, int left, int width,
                 Qt::Alignment align)
{
    auto* mark = MakeLabel(parent, ArrayName(QStringLiteral("Label1"), index), text, left, 5520,
                           width, 255);
    mark->setFont(DesignFont(QStringLiteral("Arial"), 9.75, true));
    mark->setStyleSheet(QStringLiteral("color: rgb(255,255,0);"));
    mark->setAlignment(align | Qt::AlignTop);
    return mark;
}
} // namespace

frmBee::frmBee(GameState& state, Platform& platform, QWidget* parent)
    : ActivityWindow(state, platform, kHelpTopic, parent)
{
    BuildWindow();
    Open();
}

void frmBee::BuildWindow()
{
    setObjectName(QStringLiteral("frmBee"));
    SetUpWindow(this, 7740, 6315, QColor(0, 0, 255));

    lblTitle = MakeLabel(this, QStringLiteral("lblTitle"), kTitle, 1800, 240, 4140, 735);
    lblTitle->setFont(DesignFont(QStringLiteral("Comic Sans MS"), 24, true));
    lblTitle->setAlignment(Qt::AlignCenter);
    lblTitle->setStyleSheet(QStringLiteral("color: rgb(255,255,0); background: black;"));

    auto* picture = new QSvgWidget(QStringLiteral(":/pictures/bee.svg"), this);
    picture->setObjectName(QStringLiteral("imgBee"));
    PlaceTwips(picture, 6060, 120, 975, 975);

    // The word sits on a yellow plate so it stands out from the window.
    shpWord = new QFrame(this);
    shpWord->setObjectName(QStringLiteral("shpWord"));
    shpWord->setStyleSheet(QStringLiteral("QFrame#shpWord { background: rgb(255,255,0);"
                                          " border: 2px solid black; border-radius: 6px; }"));
    PlaceTwips(shpWord, 840, 1440, 3975, 735);
    lblWord = MakeLabel(this, QStringLiteral("lblWord"), QString(), 960, 1560, 3735, 495);
    lblWord->setFont(DesignFont(QStringLiteral("Arial"), 18, true));
    lblWord->setAlignment(Qt::AlignCenter);
    lblWord->setStyleSheet(QStringLiteral("color: black; background: white; border: 1px solid black;"));

    const QFont buttonFont = DesignFont(QStringLiteral("MS Sans Serif"), 9.75, true);
    cmdOK = MakeButton(this, QStringLiteral("cmdOK"), QStringLiteral("&Next Word"), 1920, 2400, 1815,
                       465);
    cmdOK->setFont(buttonFont);
    cmdOK->hide();

    const QFont tileFont = DesignFont(QStringLiteral("Arial"), 14.25, true);
    for (int i = 0; i < kTileCount; ++i) {
        auto* tile = MakeLabel(this, ArrayName(QStringLiteral("lblLetter"), i),
                               TileCaption(i, 2), 600 + 480 * (i % 14), i < 14 ? 3120 : 3600, 375,
                               420);
        tile->setFont(tileFont);
        tile->setAlignment(Qt::AlignCenter);
        tile->setStyleSheet(
            QStringLiteral("color: rgb(255,0,0); background: white; border: 1px solid black;"));
        tile->setCursor(Qt::PointingHandCursor);
        tile->installEventFilter(this);
        lblLetter[i] = tile;
    }

    cmdFlash = MakeButton(this, QStringLiteral("cmdFlash"), QStringLiteral("&Say Word"), 5160, 1200,
                          1935, 495);
    cmdFlash->setFont(DesignFont(QStringLiteral("Arial"), 12, true));

    fraShow = new QGroupBox(QStringLiteral("Show Word?"), this);
    fraShow->setObjectName(QStringLiteral("fraShow"));
    fraShow->setFont(DesignFont(QStringLiteral("Arial"), 9.75, true));
    fraShow->setStyleSheet(QStringLiteral("QGroupBox { color: rgb(255,255,0); }"));
    PlaceTwips(fraShow, 5160, 1800, 1935, 855);
    const char* const showCaptions[2] = {"No", "Yes"};
    for (int i = 0; i < 2; ++i) {
        auto* opt = new QRadioButton(QString::fromLatin1(showCaptions[i]), fraShow);
        opt->setObjectName(ArrayName(QStringLiteral("optShow"), i));
        // White captions on the blue frame; the round button keeps its dark
        // dot so the choice can be seen.
        QPalette pal = opt->palette();
        pal.setColor(QPalette::WindowText, Qt::white);
        opt->setPalette(pal);
        PlaceTwips(opt, 240 + 840 * i, 360, 735, 375);
        connect(opt, &QRadioButton::clicked, this, [this, i] { ShowWordClick(i); });
        optShow[i] = opt;
    }

    Label2 = MakeLabel(this, QStringLiteral("Label2"), QStringLiteral("Words Left:"), 480, 5070,
                       1695, 375);
    Label2->setFont(DesignFont(QStringLiteral("Arial"), 12, true));
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label2->setStyleSheet(QStringLiteral("color: rgb(255,255,0);"));
    lblLeft = MakeLabel(this, QStringLiteral("lblLeft"), QString(), 2280, 4980, 735, 495);
    lblLeft->setFont(DesignFont(QStringLiteral("Arial"), 18, true));
    lblLeft->setAlignment(Qt::AlignCenter);
    lblLeft->setStyleSheet(QStringLiteral("color: black; background: white; border: 1px solid black;"));

    pnlScore = new PercentBar(this);
    pnlScore->setObjectName(QStringLiteral("pnlScore"));
    pnlScore->setFillColor(QColor(255, 0, 0));
    PlaceTwips(pnlScore, 3360, 4980, 2415, 495);
    MakeMark(this, 3, QStringLiteral("0"), 3360, 495, Qt::AlignLeft);
    MakeMark(this, 2, QStringLiteral("50"), 3360 + 2415 / 2 - 248, 495, Qt::AlignHCenter);
    MakeMark(this, 4, QStringLiteral("100"), 3360 + 2415 - 495, 495, Qt::AlignRight);

    cmdHelp = MakeButton(this, QStringLiteral("cmdHelp"), QStringLiteral("&Help"), 6240, 4800, 1095,
                         495);
    cmdStop = MakeButton(this, QStringLiteral("cmdStop"), QStringLiteral("&Stop"), 6240, 5460, 1095,
                         495);
    cmdHelp->setFont(buttonFont);
    cmdStop->setFont(buttonFont);

    connect(cmdFlash, &QPushButton::clicked, this, &frmBee::SayWordClick);
    connect(cmdOK, &QPushButton::clicked, this, &frmBee::NextWordClick);
    connect(cmdStop, &QPushButton::clicked, this, &frmBee::StopClick);
    connect(cmdHelp, &QPushButton::clicked, this, &frmBee::ShowHelp);

    // Typed letters belong to the game whichever control has the focus.
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

void frmBee::Open()
{
    platform_.random.Randomize();
    StartScoredGame(state_);
    if (state_.ListCase == 1)
        for (int i = 0; i < 26; ++i)
            lblLetter[i]->setText(TileCaption(i, 1));
    sndTada_ = LoadEffect(state_, QStringLiteral("xtada.wav"));
    sndUhoh_ = LoadEffect(state_, QStringLiteral("xuhoh.wav"));
    sndDing_ = LoadEffect(state_, QStringLiteral("xding.wav"));
    setWindowTitle(ActivityCaption(kTitle, state_.ListName));
    lblLeft->setText(QString::number(state_.WordCount));
    pnlScore->setValue(0);
    ShuffleOrder(platform_.random, state_.WordCount, order_);
    said_ = false;
    if (state_.BeeShowWord == 0 || state_.BeeShowWord == 1)
        optShow[state_.BeeShowWord]->setChecked(true);
}

void frmBee::showEvent(QShowEvent* event)
{
    ActivityWindow::showEvent(event);
    if (opened_)
        return;
    opened_ = true;
    CentreOnScreen(this);
    // The first word comes once the window is on screen.
    QTimer::singleShot(0, this, &frmBee::NextWord);
}

void frmBee::NextWord()
{
    ++state_.WordsTried;
    if (state_.WordsTried > state_.WordCount) {
        state_.WordsTried = state_.WordCount;
        StopClick();
        return;
    }
    ShowWord(QString());
    word_ = state_.Words[CurrentListIndex()];
    wordLength_ = static_cast<int>(word_.size());
    recording_ = LoadSoundFile(state_, PronunciationPath(state_, word_));
    noRecording_ = state_.SoundMissing == 1;
    lblLeft->setText(QString::number(state_.WordCount - state_.WordsTried));
    tries_ = -1;
    letterPosition_ = 1;
    said_ = false;
    accepting_ = true;
    typedChar_ = 0;
    cmdFlash->setEnabled(true);
    cmdFlash->setFocus();
}

void frmBee::SayWordClick()
{
    said_ = true;
    state_.WordStatus[CurrentListIndex()] = 1;
    if (tries_ >= 2)
        return;
    ++tries_;
    if (state_.BeeShowWord == 1 || noRecording_)
        ShowWord(word_);
    if (noRecording_)
        Pause(platform_, 0.5);
    else
        PlaySoundData(platform_, recording_, kSoundWait);
    // Hearing the word again means spelling it again from the start.
    ShowWord(QString());
    letterPosition_ = 1;
}

void frmBee::LetterEntry(int tile)
{
    const int typed = typedChar_;
    typedChar_ = 0;
    if (tries_ == -1 || tries_ >= 3 || !accepting_ || letterPosition_ > wordLength_)
        return;
    if (LetterMatches(word_[letterPosition_ - 1], tile, typed, state_.ListCase)) {
        ShowWord(word_.left(letterPosition_));
        PlaySoundData(platform_, sndDing_, kSoundNoWait);
        ++letterPosition_;
        if (letterPosition_ <= wordLength_)
            return;
        PlaySoundData(platform_, sndTada_, kSoundWait);
        WordDone();
        return;
    }
    PlaySoundData(platform_, sndUhoh_, kSoundWait);
    ++tries_;
    if (tries_ < 3)
        return;
    ++state_.WordsMissed;
    state_.WordStatus[CurrentListIndex()] = -1;
    ShowWord(word_);
    WordDone();
}

void frmBee::WordDone()
{
    accepting_ = false;
    cmdFlash->setEnabled(false);
    state_.ScorePoints = static_cast<std::int16_t>(AddWordPoints(state_.ScorePoints, tries_));
    pnlScore->setValue(ScoreBarPercent(state_.ScorePoints, state_.WordsTried));
    cmdOK->show();
    cmdOK->setFocus();
}

void frmBee::NextWordClick()
{
    cmdOK->hide();
    NextWord();
}

void frmBee::StopClick()
{
    // The results screen comes up over the menu only once this window has
    // gone; closing it afterwards brings the menu back.
    hide();
    if (!said_)
        --state_.WordsTried;
    ShowResults(state_, kTitle);
    close();
}

void frmBee::ShowWordClick(int index) { state_.BeeShowWord = static_cast<std::int16_t>(index); }

void frmBee::ShowWord(const QString& text)
{
    lblWord->setText(text);
    lblWord->repaint();
}

bool frmBee::KeyTyped(QKeyEvent* event)
{
    // Keys that type no character (arrows, F1, Tab between controls) and
    // shortcuts keep their usual meaning.
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        return false;
    const QString text = event->text();
    if (text.size() != 1)
        return false;
    const int code = text[0].unicode();
    const int tile = TileForKey(code);
    if (tile < 0) {
        platform_.keyboard.Beep();
        return true;
    }
    typedChar_ = code;
    LetterEntry(tile);
    return true;
}

void frmBee::keyPressEvent(QKeyEvent* event)
{
    if (KeyTyped(event))
        event->accept();
    else
        ActivityWindow::keyPressEvent(event);
}

bool frmBee::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched != this) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Enter on the focused Next Word button moves on, as a child expects
        // after finishing a word. Elsewhere Enter and Space still beep, so a
        // habit of pressing them never repeats the word and costs a try.
        if (watched == cmdOK && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            cmdOK->click();
            return true;
        }
        return KeyTyped(key);
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        for (int i = 0; i < kTileCount; ++i) {
            if (watched == lblLetter[i] && mouse->button() == Qt::LeftButton
                && lblLetter[i]->rect().contains(mouse->position().toPoint())) {
                typedChar_ = 0;
                LetterEntry(i);
                return true;
            }
        }
    }
    return ActivityWindow::eventFilter(watched, event);
}

} // namespace lexaroo
