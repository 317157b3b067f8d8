#pragma once
#include "ActivityWindow.h"
#include "ScoredRun.h"

#include <QColor>
#include <functional>

class QGroupBox;
class QLabel;
class QPushButton;

namespace lexaroo {

class LetterTiles;
class PercentBar;

// The frame of the five scored games. It runs the play every one of them
// shares: open (marks and counters reset, tiles in the list's case, effect
// sounds read, caption, Words Left, score bar at 0, a shuffled order), each
// word once (`NextWord`), finishing a word (`WordDone`), Next Word, Stop
// with an untouched word not counted, and the results screen. A game builds
// its scene, places the shared parts from its own layout, and fills in the
// hooks below.
class ScoredGameWindow : public ActivityWindow {
    Q_OBJECT
protected:
    ScoredGameWindow(GameState& state, Platform& platform, ActivityInfo info,
                     QWidget* parent = nullptr);

    // The shared parts, made where the game's layout puts them (twips).
    void MakeNextWordButton(int left, int top, int width, int height);
    void MakeWordsLeft(int left, int top);
    void MakeScorePanel(int left, int top, const QColor& fill, const QColor& marks);
    // Help and Stop, on the window or in a frame of the game's.
    void MakeHelpStop(QWidget* parent, int helpLeft, int helpTop, int stopLeft, int stopTop);
    // The frame `fraChoice` on the window, holding Help and Stop.
    QGroupBox* MakeChoiceFrame(int left, int top, int width, int height);
    void MakeLetterTiles(const QColor& text, int widthTwips = 375, int heightTwips = 420);

    // The opening steps; a game calls it last in its constructor. The first
    // word comes once the window is on screen.
    void OpenGame();

    // --- hooks ---
    // Reads the game's effect sounds (opening).
    virtual void LoadEffects() {}
    // Extra opening steps, after the shared ones (settings shown, scene).
    virtual void Opened() {}
    // Sets up the scene for the new word `run_.Word()` and resets the
    // game's per-word counters.
    virtual void PresentWord() = 0;
    // A game that first prepares the word (cooking it) serves it later
    // itself with ServeWord; the rest serve it at once.
    virtual bool ServesAtOnce() const { return true; }
    // The control the child uses first on a word.
    virtual QWidget* FirstControl() = 0;
    // A letter entry for tile `index` (games with tiles).
    virtual void LetterEntry(int /*index*/, int /*typedChar*/) {}
    // What the game stops when a word is finished (its own buttons).
    virtual void WordFinishing() {}
    // What the game silences when it ends (its timers).
    virtual void GameEnding() {}

    // --- the run ---
    // Words Left shown, play accepted, the focus to FirstControl.
    void ServeWord();
    bool Accepting() const { return accepting_; }
    // The word ends with the penalty rule, or with points of the game's own.
    void WordDone(int penalties);
    void WordDoneWithPoints(int points);
    void StopClick();

    bool PreviewKey(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

    ScoredRun run_;

    QPushButton* cmdOK = nullptr;
    QLabel* lblLeft = nullptr;
    PercentBar* pnlScore = nullptr;
    QPushButton* cmdHelp = nullptr;
    QPushButton* cmdStop = nullptr;
    LetterTiles* tiles = nullptr;

private:
    void NextWord();
    void NextWordClick();
    void EndWord(const std::function<void()>& addPoints);

    bool accepting_ = false;
    bool started_ = false;
};

} // namespace lexaroo
