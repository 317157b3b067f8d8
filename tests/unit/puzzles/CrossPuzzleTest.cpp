#include "CrossPuzzle.h"
#include "PuzzleTestKit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

using namespace lexaroo;
using namespace lexaroo::testing;

namespace {

// The list words a puzzle may use: upper case, 1..16 characters.
QStringList Usable(const QStringList& words)
{
    QStringList usable;
    for (const QString& w : words.mid(0, kMaxWords))
        if (!w.isEmpty() && w.size() <= kCrossSize)
            usable << w.toUpper();
    return usable;
}

int RowOf(const CrossWord& w, int i) { return w.startRow + i * w.down; }
int ColOf(const CrossWord& w, int i) { return w.startCol + i * w.across; }

// The first broken rule of a finished puzzle, or an empty string.
std::string CrossFault(const CrossPuzzle& p, const QStringList& words)
{
    const QStringList usable = Usable(words);
    if (p.placedCount < 0 || p.placedCount > kCrossMaxWords)
        return "placed count out of range";
    if (p.placedCount == 0 && !usable.isEmpty())
        return "no first word";
    if (p.wordsLeft != p.placedCount)
        return "words left differs from placed count";

    QStringList unused = usable;
    std::set<std::pair<int, int>> starts;
    // Which words cover each cell, across and down.
    int acrossAt[kCrossSize + 2][kCrossSize + 2] = {};
    int downAt[kCrossSize + 2][kCrossSize + 2] = {};
    CrossGrid letters{};
    for (int k = 1; k <= p.placedCount; ++k) {
        const CrossWord& w = p.placed[k];
        const std::string at = " (word " + std::to_string(k) + ")";
        if (w.across + w.down != 1 || w.across < 0 || w.down < 0)
            return "direction flags" + at;
        if (w.length != w.text.size() || w.completed != 0)
            return "length or completed flag" + at;
        if (!unused.removeOne(w.text))
            return "text is not an unused list word" + at;
        if (w.startRow < 1 || w.startCol < 1 || RowOf(w, w.length - 1) > kCrossSize
            || ColOf(w, w.length - 1) > kCrossSize)
            return "outside the puzzle area" + at;
        if (!starts.insert({w.startRow, w.startCol}).second)
            return "two words start in one cell" + at;
        bool crossesEarlier = false;
        for (int i = 0; i < w.length; ++i) {
            const int r = RowOf(w, i);
            const int c = ColOf(w, i);
            const int letter = w.text.at(i).unicode();
            if (letters[r][c] != 0 && letters[r][c] != letter)
                return "crossing on different letters" + at;
            letters[r][c] = letter;
            int& same = w.across ? acrossAt[r][c] : downAt[r][c];
            const int other = w.across ? downAt[r][c] : acrossAt[r][c];
            if (same != 0)
                return "runs along a parallel word" + at;
            same = k;
            if (other != 0 && other < k)
                crossesEarlier = true;
        }
        if (k > 1 && !crossesEarlier)
            return "crosses no earlier word" + at;
    }

    // Neighbouring letters always belong to one word: no word touches a
    // parallel word, and none continues another in line.
    for (int r = 1; r <= kCrossSize; ++r)
        for (int c = 1; c <= kCrossSize; ++c) {
            if (letters[r][c] == 0)
                continue;
            if (letters[r][c + 1] != 0 && (acrossAt[r][c] == 0 || acrossAt[r][c] != acrossAt[r][c + 1]))
                return "letters side by side in no common word at row " + std::to_string(r);
            if (letters[r + 1][c] != 0 && (downAt[r][c] == 0 || downAt[r][c] != downAt[r + 1][c]))
                return "letters one above the other in no common word at row " + std::to_string(r);
        }

    for (int r = 0; r <= kCrossSize + 1; ++r)
        for (int c = 0; c <= kCrossSize + 1; ++c) {
            const bool border = r == 0 || c == 0 || r == kCrossSize + 1 || c == kCrossSize + 1;
            const int expected = border ? 0 : (letters[r][c] != 0 ? 0 : kCrossOutside);
            if (p.cellState[r][c] != expected)
                return "cell state at " + std::to_string(r) + "," + std::to_string(c);
        }

    std::vector<int> order(p.clueOrder.begin() + 1, p.clueOrder.begin() + 1 + p.placedCount);
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (int s = 0; s < p.placedCount; ++s)
        if (sorted[s] != s + 1)
            return "clueOrder is not a permutation of the placed words";
    for (int s = 1; s < p.placedCount; ++s) {
        const int a = order[s - 1];
        const int b = order[s];
        const int la = p.placed[a].length;
        const int lb = p.placed[b].length;
        if (la > lb || (la == lb && a > b))
            return "clueOrder out of order at position " + std::to_string(s + 1);
    }
    return {};
}

} // namespace

TEST(CrossPuzzle, EveryRuleHoldsOverManySeeds)
{
    for (const NamedList& list : PropertyLists()) {
        int mostPlaced = 0;
        std::set<int> placedCounts;
        for (std::uint32_t seed = 1; seed <= 300; ++seed) {
            MtRandom random(seed);
            const CrossPuzzle p = BuildCrossPuzzle(random, list.words);
            const std::string fault = CrossFault(p, list.words);
            ASSERT_EQ(fault, "") << list.name << ", seed " << seed << "\n"
                                 << DescribeCross(p, 0).toStdString();
            mostPlaced = std::max(mostPlaced, p.placedCount);
            placedCounts.insert(p.placedCount);
        }
        SCOPED_TRACE(list.name);
        const QString name = QString::fromLatin1(list.name);
        if (name == QLatin1String("interlocking")) {
            EXPECT_EQ(mostPlaced, kCrossMaxWords); // the cap is reached, never passed
        }
        if (name == QLatin1String("one word") || name == QLatin1String("no shared letter")) {
            EXPECT_EQ(placedCounts, std::set<int>{1});
        }
        if (name == QLatin1String("duplicates") || name == QLatin1String("thirty")) {
            EXPECT_GT(placedCounts.size(), 1u); // the shuffle changes the puzzle
        }
    }
}

TEST(CrossPuzzle, OneWordLandsAnywhereInEitherDirection)
{
    std::set<int> rows, cols, across;
    for (std::uint32_t seed = 1; seed <= 400; ++seed) {
        MtRandom random(seed);
        const CrossPuzzle p = BuildCrossPuzzle(random, QStringList{"kitten"});
        ASSERT_EQ(p.placedCount, 1);
        rows.insert(p.placed[1].startRow);
        cols.insert(p.placed[1].startCol);
        across.insert(p.placed[1].across);
    }
    EXPECT_EQ(across, (std::set<int>{0, 1}));
    EXPECT_EQ(*rows.begin(), 1);
    EXPECT_EQ(*rows.rbegin(), 16); // an across word may use the last row
    EXPECT_EQ(*cols.begin(), 1);
    EXPECT_EQ(*cols.rbegin(), 16);
}

TEST(CrossPuzzle, SixteenLettersFillARowOrAColumn)
{
    for (std::uint32_t seed = 1; seed <= 50; ++seed) {
        MtRandom random(seed);
        const CrossPuzzle p = BuildCrossPuzzle(random, QStringList{"misunderstanding"});
        ASSERT_EQ(p.placedCount, 1);
        const CrossWord& w = p.placed[1];
        EXPECT_EQ(w.across ? w.startCol : w.startRow, 1) << "seed " << seed;
    }
}

TEST(CrossPuzzle, NeverStartsOnAnotherWordsFirstCell)
{
    // COW can only cross CAT on its C, which is where CAT starts (and the
    // other way round), so it is never placed.
    for (std::uint32_t seed = 1; seed <= 100; ++seed) {
        MtRandom random(seed);
        const CrossPuzzle p = BuildCrossPuzzle(random, QStringList{"cat", "cow"});
        EXPECT_EQ(p.placedCount, 1) << "seed " << seed;
    }
}

TEST(CrossPuzzle, NoUsableWordGivesAnEmptyPuzzle)
{
    const QStringList cases[] = {{}, {"counterproductive"}, {""}};
    for (const QStringList& words : cases) {
        MtRandom random(5);
        const CrossPuzzle p = BuildCrossPuzzle(random, words);
        EXPECT_EQ(p.placedCount, 0);
        EXPECT_EQ(p.wordsLeft, 0);
        EXPECT_EQ(CrossFault(p, words), "");
    }
}

TEST(CrossPuzzle, ReadsTheSharedList)
{
    GameState state;
    state.Words[1] = "tap";
    state.Words[2] = "cat";
    state.Words[3] = "ignored"; // beyond WordCount
    state.WordCount = 2;
    MtRandom a(9);
    MtRandom b(9);
    const CrossPuzzle fromState = BuildCrossPuzzle(a, state);
    const CrossPuzzle fromList = BuildCrossPuzzle(b, QStringList{"tap", "cat"});
    EXPECT_EQ(DescribeCross(fromState, 0), DescribeCross(fromList, 0));

    state.WordCount = 0;
    EXPECT_EQ(BuildCrossPuzzle(a, state).placedCount, 0);
}

TEST(CrossPuzzle, PlaceCrossWordWritesFromTheStartCell)
{
    CrossGrid grid{};
    PlaceCrossWord(CrossWord{"DOG", 14, 16, 0, 1, 3, 0}, grid);
    PlaceCrossWord(CrossWord{"ROAD", 16, 12, 1, 0, 4, 0}, grid);
    EXPECT_EQ(grid[14][16], 'D');
    EXPECT_EQ(grid[15][16], 'O');
    EXPECT_EQ(grid[16][16], 'G');
    EXPECT_EQ(grid[16][12], 'R');
    EXPECT_EQ(grid[16][15], 'D');
    EXPECT_EQ(grid[16][11], 0);
    EXPECT_EQ(grid[17][16], 0);
}
