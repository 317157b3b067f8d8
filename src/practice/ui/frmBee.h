#pragma once
#include "ScoredGameWindow.h"
#include "Services.h"

#include <array>

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace lexaroo {

// Spelling Bee: each word of the list is said (and maybe shown) once, in a
// random order, and the child spells it letter by letter with the tiles or
// the keyboard, with at most three tries.
class frmBee : public ScoredGameWindow {
    Q_OBJECT
public:
    frmBee(GameState& state, Platform& platform, const ActivityInfo& info,
           QWidget* parent = nullptr);

private:
    void BuildWindow();
    void LoadEffects() override;
    void Opened() override;
    void PresentWord() override;
    QWidget* FirstControl() override;
    void LetterEntry(int tile, int typedChar) override;
    void WordFinishing() override;
    void SayWordClick();
    void ShowWordClick(int index);
    void ShowWord(const QString& text);

    QLabel* lblTitle = nullptr;
    QFrame* shpWord = nullptr;
    QLabel* lblWord = nullptr;
    QPushButton* cmdFlash = nullptr;
    QGroupBox* fraShow = nullptr;
    std::array<QRadioButton*, 2> optShow{};
    QLabel* Label2 = nullptr;

    SoundImage recording_;
    bool noRecording_ = false; // SoundMissing as the word's recording was read
    int tries_ = -1;           // -1: not yet said; else tries spent, 0..3
    int letterPosition_ = 1;   // next letter expected, 1-based

    SoundImage sndTada_;
    SoundImage sndUhoh_;
    SoundImage sndDing_;
};

} // namespace lexaroo
