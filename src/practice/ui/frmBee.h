#pragma once
#include "ActivityWindow.h"
#include "LetterRules.h"
#include "Services.h"

#include <array>

class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QRadioButton;

namespace lexaroo {

class PercentBar;

// Spelling Bee: each word of the list is said (and maybe shown) once, in a
// random order, and the child spells it letter by letter with the tiles or
// the keyboard, with at most three tries. The score bar runs along; after the
// last word, or Stop, the results screen takes over.
class frmBee : public ActivityWindow {
    Q_OBJECT
public:
    frmBee(GameState& state, Platform& platform, QWidget* parent = nullptr);

    static constexpr int kHelpTopic = 2;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildWindow();
    void Open();
    void NextWord();
    void WordDone();
    void SayWordClick();
    void NextWordClick();
    void StopClick();
    void ShowWordClick(int index);
    // A key typed anywhere in the window; true when the key was used or
    // discarded here, so the control with the focus never sees it.
    bool KeyTyped(QKeyEvent* event);
    void LetterEntry(int tile);
    void ShowWord(const QString& text);
    int CurrentListIndex() const { return order_[state_.WordsTried]; }

    QLabel* lblTitle = nullptr;
    QFrame* shpWord = nullptr;
    QLabel* lblWord = nullptr;
    QPushButton* cmdOK = nullptr;
    std::array<QLabel*, kTileCount> lblLetter{};
    QPushButton* cmdFlash = nullptr;
    QGroupBox* fraShow = nullptr;
    std::array<QRadioButton*, 2> optShow{};
    QLabel* Label2 = nullptr;
    QLabel* lblLeft = nullptr;
    PercentBar* pnlScore = nullptr;
    QPushButton* cmdHelp = nullptr;
    QPushButton* cmdStop = nullptr;

    // The run of the game.
    WordOrder order_{};
    QString word_;
    int wordLength_ = 0;
    SoundImage recording_;
    bool noRecording_ = false; // SoundMissing as the word's recording was read
    int tries_ = -1;           // -1: not yet said; else tries spent, 0..3
    int letterPosition_ = 1;   // next letter expected, 1-based
    bool said_ = false;
    bool accepting_ = false;
    int typedChar_ = 0;        // key behind the current letter entry; 0 for a tile
    bool opened_ = false;

    SoundImage sndTada_;
    SoundImage sndUhoh_;
    SoundImage sndDing_;
};

} // namespace lexaroo
