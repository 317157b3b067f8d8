#pragma once
#include "GameState.h"
#include "Random.h"

#include <QString>
#include <array>

namespace lexaroo {

// The run of a scored game, shared by Spelling Bee and the arcade games: each
// word of the list once, in a random order; a word is attempted, then made
// or missed; Stop takes back a word the child never acted on. It keeps the
// results members of the state up to date as play goes on.
class ScoredRun {
public:
    explicit ScoredRun(GameState& state) : state_(state) {}

    // A new game: every mark 0, counters 0, a fresh play order.
    void Open(Random& random);

    // Presents the next word: WordsTried + 1. False once the list is done,
    // with WordsTried back at WordCount; the game then ends as on Stop.
    bool NextWord();

    const QString& Word() const { return word_; }
    int WordLength() const { return static_cast<int>(word_.size()); }
    // List position (1..WordCount) of the current word.
    int ListIndex() const { return order_[state_.WordsTried]; }
    // Words still to come after the current one.
    int WordsLeft() const { return state_.WordCount - state_.WordsTried; }

    // The child acted on the current word: it counts as tried (mark 1).
    void Attempt();
    bool Attempted() const { return attempted_; }
    // The current word is missed: WordsMissed + 1, mark -1.
    void Miss();
    // Adds a finished word's points: with the penalty rule (0..3 penalties
    // give 10, 6 2/3, 3 1/3, 0), the total rounded to a whole number.
    void FinishWithPenalties(int penalties);
    // Adds a whole number of points (a game with its own rule).
    void FinishWithPoints(int points);
    // The running score bar, 0..100 per cent.
    int ScoreBarPercent() const;

    // The game ends: a current word never acted on does not count.
    void Stop();

private:
    GameState& state_;
    std::array<int, kMaxWords + 1> order_{};
    QString word_;
    bool attempted_ = false;
};

} // namespace lexaroo
