#include "ScoredGameWindow.h"

#include "LetterTiles.h"
#include "Looks.h"
#include "PercentBar.h"
#include "UiKit.h"
#include "frmResults.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace lexaroo {

ScoredGameWindow::ScoredGameWindow(GameState& state, Platform& platform, ActivityInfo info,
                                   QWidget* parent)
    : ActivityWindow(state, platform, std::move(info), parent), run_(state)
{
}

void ScoredGameWindow::MakeNextWordButton(int left, int top, int width, int height)
{
    cmdOK = MakeButton(this, QStringLiteral("cmdOK"), QStringLiteral("&Next Word"), left, top, width,
                       height);
    cmdOK->setFont(DesignFont(QStringLiteral("MS Sans Serif"), 9.75, true));
    cmdOK->hide();
    connect(cmdOK, &QPushButton::clicked, this, &ScoredGameWindow::NextWordClick);
}

void ScoredGameWindow::MakeWordsLeft(int left, int top)
{
    lblLeft = MakeLabel(this, QStringLiteral("lblLeft"), QString(), left, top, 735, 495);
    lblLeft->setFont(DesignFont(QStringLiteral("Arial"), 18, true));
    lblLeft->setAlignment(Qt::AlignCenter);
    LookBox(lblLeft);
}

void ScoredGameWindow::MakeScorePanel(int left, int top, const QColor& fill, const QColor& marks)
{
    constexpr int kWidth = 2415, kHeight = 495, kMarkWidth = 495;
    pnlScore = new PercentBar(this);
    pnlScore->setObjectName(QStringLiteral("pnlScore"));
    pnlScore->setFillColor(fill);
    PlaceTwips(pnlScore, left, top, kWidth, kHeight);
    struct Mark {
        int index;
        const char* text;
        int left;
        Qt::Alignment align;
    };
    const Mark marksAt[] = {
        {3, "0", left, Qt::AlignLeft},
        {2, "50", left + kWidth / 2 - kMarkWidth / 2, Qt::AlignHCenter},
        {4, "100", left + kWidth - kMarkWidth, Qt::AlignRight},
    };
    const QFont font = DesignFont(QStringLiteral("Arial"), 9.75, true);
    for (const Mark& m : marksAt) {
        auto* label = MakeLabel(this, ArrayName(QStringLiteral("Label1"), m.index),
                                QString::fromLatin1(m.text), m.left, top + kHeight + 45, kMarkWidth,
                                255);
        label->setFont(font);
        label->setAlignment(m.align | Qt::AlignTop);
        LookCaption(label, marks);
    }
}

void ScoredGameWindow::MakeHelpStop(QWidget* parent, int helpLeft, int helpTop, int stopLeft,
                                    int stopTop)
{
    const QFont font = DesignFont(QStringLiteral("MS Sans Serif"), 9.75, true);
    cmdHelp = MakeButton(parent, QStringLiteral("cmdHelp"), QStringLiteral("&Help"), helpLeft, helpTop,
                         1095, 495);
    cmdStop = MakeButton(parent, QStringLiteral("cmdStop"), QStringLiteral("&Stop"), stopLeft, stopTop,
                         1095, 495);
    cmdHelp->setFont(font);
    cmdStop->setFont(font);
    connect(cmdHelp, &QPushButton::clicked, this, &ScoredGameWindow::ShowHelp);
    connect(cmdStop, &QPushButton::clicked, this, &ScoredGameWindow::StopClick);
}

QGroupBox* ScoredGameWindow::MakeChoiceFrame(int left, int top, int width, int height)
{
    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("fraChoice"));
    PlaceTwips(frame, left, top, width, height);
    return frame;
}

void ScoredGameWindow::MakeLetterTiles(const QColor& text, int widthTwips, int heightTwips)
{
    tiles = new LetterTiles(this, platform_.keyboard, text, widthTwips, heightTwips);
    connect(tiles, &LetterTiles::tile, this,
            [this](int index, int typedChar) { LetterEntry(index, typedChar); });
}

void ScoredGameWindow::OpenGame()
{
    platform_.random.Randomize();
    for (int i = 1; i <= kMaxWords; ++i)
        state_.WordStatus[i] = 0;
    if (tiles)
        tiles->ShowListCase(state_.ListCase);
    LoadEffects();
    SetActivityCaption();
    lblLeft->setText(QString::number(state_.WordCount));
    pnlScore->setValue(0);
    // Centring comes with the window's first show.
    run_.Open(platform_.random);
    accepting_ = false;
    Opened();
}

void ScoredGameWindow::showEvent(QShowEvent* event)
{
    ActivityWindow::showEvent(event);
    if (started_)
        return;
    started_ = true;
    QMetaObject::invokeMethod(this, &ScoredGameWindow::NextWord, Qt::QueuedConnection);
}

void ScoredGameWindow::NextWord()
{
    if (!run_.NextWord()) {
        StopClick();
        return;
    }
    PresentWord();
    if (ServesAtOnce())
        ServeWord();
}

void ScoredGameWindow::ServeWord()
{
    lblLeft->setText(QString::number(run_.WordsLeft()));
    accepting_ = true;
    if (QWidget* first = FirstControl())
        first->setFocus();
}

void ScoredGameWindow::WordDone(int penalties)
{
    EndWord([&] { run_.FinishWithPenalties(penalties); });
}

void ScoredGameWindow::WordDoneWithPoints(int points)
{
    EndWord([&] { run_.FinishWithPoints(points); });
}

void ScoredGameWindow::EndWord(const std::function<void()>& addPoints)
{
    accepting_ = false;
    WordFinishing();
    addPoints();
    pnlScore->setValue(run_.ScoreBarPercent());
    cmdOK->show();
    cmdOK->setFocus();
}

void ScoredGameWindow::NextWordClick()
{
    cmdOK->hide();
    NextWord();
}

void ScoredGameWindow::StopClick()
{
    GameEnding();
    accepting_ = false;
    // The results screen comes up over the menu only once this window has
    // gone; closing it afterwards brings the menu back.
    hide();
    run_.Stop();
    ShowResults(state_, Info().title);
    close();
}

bool ScoredGameWindow::PreviewKey(QKeyEvent* event)
{
    // Enter on the focused Next Word button moves on, as a child expects
    // after finishing a word. Elsewhere Enter and Space are no letters and
    // beep, so a habit of pressing them never presses the focused button.
    if (cmdOK && focusWidget() == cmdOK
        && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        cmdOK->click();
        return true;
    }
    return tiles && tiles->TypeKey(event);
}

} // namespace lexaroo
