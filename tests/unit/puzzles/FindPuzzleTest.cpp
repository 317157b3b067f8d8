#include "FindPuzzle.h"
#include "PuzzleTestKit.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace lexaroo;
using namespace lexaroo::testing;

namespace {

QStringList Usable(const QStringList& words)
{
    QStringList usable;
    for (const QString& w : words.mid(0, kMaxWords))
        if (!w.isEmpty() && w.size() <= kFindSize)
            usable << w.toUpper();
    return usable;
}

// The first broken rule of a finished puzzle, or an empty string.
std::string FindFault(const FindPuzzle& p, const QStringList& words)
{
    if (p.placedCount < 0 || p.placedCount > kFindMaxWords)
        return "placed count out of range";
    if (p.wordsRemaining != p.placedCount)
        return "words remaining differs from placed count";
    QStringList unused = Usable(words);
    bool covered[kFindSize + 1][kFindSize + 1] = {};
    for (int k = 1; k <= kFindMaxWords; ++k) {
        const FindSlot& s = p.hidden[k];
        const std::string at = " (slot " + std::to_string(k) + ")";
        if (k > p.placedCount) {
            if (!s.text.isEmpty())
                return "text in an unused slot" + at;
            continue;
        }
        if (!unused.removeOne(s.text))
            return "text is not an unused list word" + at;
        if (s.found)
            return "found flag set" + at;
        const bool horizontal = s.rowStep == 0 && s.colStep == 1;
        if (!horizontal && !(s.rowStep == 1 && s.colStep == 0))
            return "steps are neither across nor down" + at;
        const int length = static_cast<int>(s.text.size());
        const int endRow = s.startRow + (length - 1) * s.rowStep;
        const int endCol = s.startCol + (length - 1) * s.colStep;
        if (s.startRow < 1 || s.startCol < 1 || endRow > kFindSize || endCol > kFindSize)
            return "outside the grid" + at;
        // The start ranges stop one short of the grid's edge for short words.
        if (length < kFindSize && (horizontal ? endCol : endRow) == kFindSize)
            return "short word reaches the last column or row" + at;
        for (int i = 0; i < length; ++i) {
            const int r = s.startRow + i * s.rowStep;
            const int c = s.startCol + i * s.colStep;
            // Later words never change an earlier one: crossings are on equal letters.
            if (p.grid[r][c] != s.text.at(i))
                return "does not read forwards from its start" + at;
            covered[r][c] = true;
        }
    }
    for (int r = 1; r <= kFindSize; ++r)
        for (int c = 1; c <= kFindSize; ++c)
            if (!covered[r][c] && (p.grid[r][c] < QLatin1Char('A') || p.grid[r][c] > QLatin1Char('Z')))
                return "filler is not a capital at " + std::to_string(r) + "," + std::to_string(c);
    return {};
}

} // namespace

TEST(FindPuzzle, EveryRuleHoldsOverManySeeds)
{
    for (const NamedList& list : PropertyLists()) {
        std::set<QString> firstWords;
        std::set<QChar> fillers;
        qsizetype longest = 0;
        for (const QString& w : Usable(list.words))
            longest = std::max(longest, w.size());
        for (std::uint32_t seed = 1; seed <= 300; ++seed) {
            MtRandom random(seed);
            const FindPuzzle p = BuildPuzzle(random, list.words);
            const std::string fault = FindFault(p, list.words);
            ASSERT_EQ(fault, "") << list.name << ", seed " << seed << "\n"
                                 << DescribeFind(p, 0).toStdString();
            // Short words always find room within 99 tries, so only the
            // 20-word cap leaves them out; very long words can be crowded out.
            const int expected = std::min<int>(Usable(list.words).size(), kFindMaxWords);
            if (longest < 15) {
                ASSERT_EQ(p.placedCount, expected) << list.name << ", seed " << seed;
            }
            if (p.placedCount > 0)
                firstWords.insert(p.hidden[1].text);
            for (int r = 1; r <= kFindSize; ++r)
                for (const QChar ch : p.grid[r])
                    fillers.insert(ch);
        }
        SCOPED_TRACE(list.name);
        const QStringList usable = Usable(list.words);
        if (std::set<QString>(usable.begin(), usable.end()).size() > 1) {
            EXPECT_GT(firstWords.size(), 1u); // the list is tried in shuffled order
        }
        EXPECT_TRUE(fillers.count(QLatin1Char('A')) && fillers.count(QLatin1Char('Z')));
    }
}

TEST(FindPuzzle, BothDirectionsAndTheWholeStartRange)
{
    // A 15-letter word across always runs from column 1 to 15; down, from
    // row 1 to 15. A 16-letter word fills a whole row or column.
    for (const QString& word : {QStringLiteral("troubleshooting"), QStringLiteral("misunderstanding")}) {
        std::set<std::pair<int, int>> steps;
        std::set<int> acrossRows;
        for (std::uint32_t seed = 1; seed <= 200; ++seed) {
            MtRandom random(seed);
            const FindPuzzle p = BuildPuzzle(random, QStringList{word});
            ASSERT_EQ(p.placedCount, 1);
            const FindSlot& s = p.hidden[1];
            steps.insert({s.rowStep, s.colStep});
            EXPECT_EQ(s.colStep ? s.startCol : s.startRow, 1);
            if (s.colStep)
                acrossRows.insert(s.startRow);
        }
        EXPECT_EQ(steps.size(), 2u);
        EXPECT_EQ(*acrossRows.begin(), 1);
        EXPECT_EQ(*acrossRows.rbegin(), 16); // row 16 is open to across words
    }
}

TEST(FindPuzzle, TwentyWordsAtMostAndTheSelectionChanges)
{
    const QStringList thirty = PropertyLists()[2].words;
    ASSERT_EQ(thirty.size(), 30);
    std::set<QStringList> selections;
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        MtRandom random(seed);
        const FindPuzzle p = BuildPuzzle(random, thirty);
        ASSERT_EQ(p.placedCount, kFindMaxWords);
        QStringList hidden;
        for (int k = 1; k <= p.placedCount; ++k)
            hidden << p.hidden[k].text;
        hidden.sort();
        selections.insert(hidden);
    }
    EXPECT_GT(selections.size(), 10u);
}

TEST(FindPuzzle, NoUsableWordGivesAGridOfRandomCapitals)
{
    const QStringList cases[] = {{}, {"counterproductive"}, {""}};
    for (const QStringList& words : cases) {
        MtRandom random(5);
        const FindPuzzle p = BuildPuzzle(random, words);
        EXPECT_EQ(p.placedCount, 0);
        EXPECT_EQ(p.wordsRemaining, 0);
        EXPECT_EQ(FindFault(p, words), "");
    }
}

TEST(FindPuzzle, ReadsTheSharedList)
{
    GameState state;
    state.Words[1] = "tap";
    state.Words[2] = "cat";
    state.Words[3] = "ignored"; // beyond WordCount
    state.WordCount = 2;
    MtRandom a(9);
    MtRandom b(9);
    EXPECT_EQ(DescribeFind(BuildPuzzle(a, state), 0), DescribeFind(BuildPuzzle(b, QStringList{"tap", "cat"}), 0));
}
