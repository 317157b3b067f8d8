#pragma once
#include "GameState.h"
#include "Random.h"

#include <QString>
#include <QStringList>
#include <array>

namespace lexaroo {

// The puzzle area is rows and columns 1..16. Rows and columns 0 and 17 are a
// border that always holds 0, so a neighbour test at the edge stays inside.
constexpr int kCrossSize = 16;
constexpr int kCrossMaxWords = 15;
// Cell state of a square that no word covers.
constexpr int kCrossOutside = 99;

// 18 x 18 cells indexed [row][column]: 0 = empty, else a character code.
using CrossGrid = std::array<std::array<int, kCrossSize + 2>, kCrossSize + 2>;

// One entry of the placed-word table.
struct CrossWord {
    QString text;      // upper case
    int startRow = 0;  // 1..16
    int startCol = 0;  // 1..16
    int across = 0;    // 1 when it runs left to right: the column step in play
    int down = 0;      // 1 when it runs top to bottom: the row step in play
    int length = 0;
    int completed = 0; // set in play once the word is solved or revealed
};

// A finished Cross Words puzzle, as the window plays and prints it.
struct CrossPuzzle {
    // 99 on squares no word covers, 0 on blank puzzle squares; play writes a
    // square's character code once a word through it is known. Border stays 0.
    CrossGrid cellState{};
    std::array<CrossWord, kCrossMaxWords + 1> placed{}; // 1..placedCount, in placement order
    int placedCount = 0;
    int wordsLeft = 0;
    // The word list beside the grid: placed-word numbers at positions
    // 1..placedCount, shortest first, equal lengths in placement order.
    std::array<int, kCrossMaxWords + 1> clueOrder{};
};

// Writes the word's letters into the grid from its start cell, one step of
// its direction per letter.
void PlaceCrossWord(const CrossWord& word, CrossGrid& grid);

// Builds a new puzzle from up to 30 list words, every random choice drawn
// from `random`. Words that are empty or longer than 16 characters are left
// out; an empty list gives a puzzle with no words.
CrossPuzzle BuildCrossPuzzle(Random& random, const QStringList& words);
// The same over Words(1..WordCount) of the shared state.
CrossPuzzle BuildCrossPuzzle(Random& random, const GameState& state);

} // namespace lexaroo
