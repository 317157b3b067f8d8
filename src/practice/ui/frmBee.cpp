#include "frmBee.h"

#include "LetterTiles.h"
#include "Looks.h"
#include "UiKit.h"
#include "WordList.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgWidget>

namespace lexaroo {

frmBee::frmBee(GameState& state, Platform& platform, const ActivityInfo& info, QWidget* parent)
    : ScoredGameWindow(state, platform, info, parent)
{
    BuildWindow();
    OpenGame();
}

void frmBee::BuildWindow()
{
    setObjectName(QStringLiteral("frmBee"));
    SetUpWindow(this, 7740, 6315, QBColor(9));

    lblTitle = MakeLabel(this, QStringLiteral("lblTitle"), Info().title, 1800, 240, 4140, 735);
    lblTitle->setFont(DesignFont(QStringLiteral("Comic Sans MS"), 24, true));
    lblTitle->setAlignment(Qt::AlignCenter);
    LookTitle(lblTitle, QBColor(14), QBColor(0));

    auto* picture = new QSvgWidget(QStringLiteral(":/pictures/bee.svg"), this);
    picture->setObjectName(QStringLiteral("imgBee"));
    PlaceTwips(picture, 6060, 120, 975, 975);

    // The word sits on a yellow plate so it stands out from the window.
    shpWord = new QFrame(this);
    shpWord->setObjectName(QStringLiteral("shpWord"));
    LookPlate(shpWord, QBColor(14), QBColor(0), 2, 6);
    PlaceTwips(shpWord, 840, 1440, 3975, 735);
    lblWord = MakeLabel(this, QStringLiteral("lblWord"), QString(), 960, 1560, 3735, 495);
    lblWord->setFont(DesignFont(QStringLiteral("Arial"), 18, true));
    lblWord->setAlignment(Qt::AlignCenter);
    LookBox(lblWord);

    MakeNextWordButton(1920, 2400, 1815, 465);
    MakeLetterTiles(QBColor(12));
    tiles->PlaceRows(600, 3120, 14, 480, 480);

    cmdFlash = MakeButton(this, QStringLiteral("cmdFlash"), QStringLiteral("&Say Word"), 5160, 1200,
                          1935, 495);
    cmdFlash->setFont(DesignFont(QStringLiteral("Arial"), 12, true));
    connect(cmdFlash, &QPushButton::clicked, this, &frmBee::SayWordClick);

    fraShow = new QGroupBox(QStringLiteral("Show Word?"), this);
    fraShow->setObjectName(QStringLiteral("fraShow"));
    fraShow->setFont(DesignFont(QStringLiteral("Arial"), 9.75, true));
    LookFrameCaption(fraShow);
    PlaceTwips(fraShow, 5160, 1800, 1935, 855);
    const char* const showCaptions[2] = {"No", "Yes"};
    for (int i = 0; i < 2; ++i) {
        auto* opt = new QRadioButton(QString::fromLatin1(showCaptions[i]), fraShow);
        opt->setObjectName(ArrayName(QStringLiteral("optShow"), i));
        // White captions on the blue frame; the round button keeps its dark
        // dot so the choice can be seen.
        QPalette pal = opt->palette();
        pal.setColor(QPalette::WindowText, QBColor(15));
        opt->setPalette(pal);
        PlaceTwips(opt, 240 + 840 * i, 360, 735, 375);
        connect(opt, &QRadioButton::clicked, this, [this, i] { ShowWordClick(i); });
        optShow[i] = opt;
    }

    Label2 = MakeLabel(this, QStringLiteral("Label2"), QStringLiteral("Words Left:"), 480, 5070,
                       1695, 375);
    Label2->setFont(DesignFont(QStringLiteral("Arial"), 12, true));
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LookCaption(Label2);
    MakeWordsLeft(2280, 4980);
    MakeScorePanel(3360, 4980, QBColor(12), QBColor(14));
    MakeHelpStop(this, 6240, 4800, 6240, 5460);
}

void frmBee::LoadEffects()
{
    sndTada_ = LoadEffect(state_, QStringLiteral("xtada.wav"));
    sndUhoh_ = LoadEffect(state_, QStringLiteral("xuhoh.wav"));
    sndDing_ = LoadEffect(state_, QStringLiteral("xding.wav"));
}

void frmBee::Opened()
{
    if (state_.BeeShowWord == 0 || state_.BeeShowWord == 1)
        optShow[state_.BeeShowWord]->setChecked(true);
}

void frmBee::PresentWord()
{
    ShowWord(QString());
    recording_ = LoadSoundFile(state_, PronunciationPath(state_, run_.Word()));
    noRecording_ = state_.SoundMissing == 1;
    tries_ = -1;
    letterPosition_ = 1;
    cmdFlash->setEnabled(true);
}

QWidget* frmBee::FirstControl() { return cmdFlash; }

void frmBee::SayWordClick()
{
    run_.Attempt();
    if (tries_ >= 2)
        return;
    ++tries_;
    if (state_.BeeShowWord == 1 || noRecording_)
        ShowWord(run_.Word());
    if (noRecording_)
        Pause(platform_, 0.5);
    else
        PlaySoundData(platform_, recording_, kSoundWait);
    // Hearing the word again means spelling it again from the start.
    ShowWord(QString());
    letterPosition_ = 1;
}

void frmBee::LetterEntry(int tile, int typedChar)
{
    if (tries_ == -1 || tries_ >= 3 || !Accepting() || letterPosition_ > run_.WordLength())
        return;
    const QString& word = run_.Word();
    if (LetterMatches(word[letterPosition_ - 1], tile, typedChar, state_.ListCase)) {
        ShowWord(word.left(letterPosition_));
        PlaySoundData(platform_, sndDing_, kSoundNoWait);
        ++letterPosition_;
        if (letterPosition_ <= run_.WordLength())
            return;
        PlaySoundData(platform_, sndTada_, kSoundWait);
        WordDone(tries_);
        return;
    }
    PlaySoundData(platform_, sndUhoh_, kSoundWait);
    ++tries_;
    if (tries_ < 3)
        return;
    run_.Miss();
    ShowWord(word);
    WordDone(tries_);
}

void frmBee::WordFinishing() { cmdFlash->setEnabled(false); }

void frmBee::ShowWordClick(int index) { state_.BeeShowWord = static_cast<std::int16_t>(index); }

void frmBee::ShowWord(const QString& text)
{
    lblWord->setText(text);
    lblWord->repaint();
}

} // namespace lexaroo
