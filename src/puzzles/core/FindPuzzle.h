#pragma once
#include "GameState.h"
#include "Random.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <array>

namespace lexaroo {

constexpr int kFindSize = 16;
constexpr int kFindMaxWords = 20;
// Random places tried for one word before it is left out.
constexpr int kFindAttempts = 99;

// One hidden word. Letter k (1..length) lies at
// (startRow + (k - 1) * rowStep, startCol + (k - 1) * colStep).
struct FindSlot {
    QString text; // upper case
    int startRow = 0;
    int startCol = 0;
    int rowStep = 0; // 1 for a vertical word
    int colStep = 0; // 1 for a horizontal word
    bool found = false;
};

// A finished Find a Word puzzle.
struct FindPuzzle {
    // [row][column], 1..16 each; row 0 and column 0 are unused.
    std::array<std::array<QChar, kFindSize + 1>, kFindSize + 1> grid{};
    std::array<FindSlot, kFindMaxWords + 1> hidden{}; // hidden-word slots 1..placedCount, in placement order
    int placedCount = 0;
    int wordsRemaining = 0;
};

// Hides up to 20 of the first 30 list words, in shuffled order, and fills
// the other cells with random capitals; every random choice is drawn from
// `random`. Words that are empty or longer than 16 characters are left out,
// like words that do not fit.
FindPuzzle BuildPuzzle(Random& random, const QStringList& words);
// The same over Words(1..WordCount) of the shared state.
FindPuzzle BuildPuzzle(Random& random, const GameState& state);

} // namespace lexaroo
