#include "Results.h"

#include <gtest/gtest.h>

using namespace lexaroo;

TEST(ResultsSentence, Table)
{
    struct Case {
        int tried, count, points;
        const char* text;
    };
    const Case cases[] = {
        {0, 20, 0, "You tried to spell 0 words from a list of 20 words - Final score 0%"},
        {1, 1, 10, "You tried to spell 1 word from a list of 1 words - Final score 100%"},
        {7, 20, 55, "You tried to spell 7 words from a list of 20 words - Final score 78%"},
        {30, 30, 0, "You tried to spell 30 words from a list of 30 words - Final score 0%"},
        {3, 3, 29, "You tried to spell 3 words from a list of 3 words - Final score 96%"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResultsSentence(c.tried, c.count, c.points), c.text);
}

TEST(ResultsCaption, TitleThenListName)
{
    EXPECT_EQ(ResultsCaption("Magic Hat", "NONE"), "Magic Hat Results, Word List: NONE");
}

TEST(LayOutResults, GrowthTable)
{
    struct Case {
        int right, wrong;
        int windowHeight, shape1Height, label3Top, shape2Height, cmdOkTop;
        int rightCells, wrongCells;
    };
    const Case cases[] = {
        {0, 0, 4065, 735, 2040, 735, 3480, 1, 1},
        {1, 0, 4065, 735, 2040, 735, 3480, 1, 1},
        {4, 0, 4065, 735, 2040, 735, 3480, 4, 1},
        {5, 0, 4065 + 255, 735 + 255, 2040 + 255, 735, 3480 + 255, 5, 1},
        {8, 0, 4065 + 255, 735 + 255, 2040 + 255, 735, 3480 + 255, 8, 1},
        {9, 0, 4065 + 510, 735 + 510, 2040 + 510, 735, 3480 + 510, 9, 1},
        {0, 30, 4065 + 7 * 255, 735, 2040, 735 + 7 * 255, 3480 + 7 * 255, 1, 30},
        {30, 0, 4065 + 7 * 255, 735 + 7 * 255, 2040 + 7 * 255, 735, 3480 + 7 * 255, 30, 1},
        {5, 9, 4065 + 255 + 510, 735 + 255, 2040 + 255, 735 + 510, 3480 + 765, 5, 9},
    };
    for (const auto& c : cases) {
        const auto l = LayOutResults(c.right, c.wrong);
        SCOPED_TRACE(testing::Message() << c.right << " right, " << c.wrong << " wrong");
        EXPECT_EQ(l.windowHeight, c.windowHeight);
        EXPECT_EQ(l.shape1Height, c.shape1Height);
        EXPECT_EQ(l.label3Top, c.label3Top);
        EXPECT_EQ(l.shape2Top, c.label3Top + 480);
        EXPECT_EQ(l.shape2Height, c.shape2Height);
        EXPECT_EQ(l.cmdOkTop, c.cmdOkTop);
        EXPECT_EQ(l.rightCells.size(), c.rightCells);
        EXPECT_EQ(l.wrongCells.size(), c.wrongCells);
        EXPECT_EQ(l.wrongCells[0], QPoint(360, 2760 + (c.label3Top - 2040)));
    }
}

TEST(LayOutResults, FourCellsPerRow)
{
    const auto l = LayOutResults(5, 0);
    EXPECT_EQ(l.rightCells[0], QPoint(360, 1320));
    EXPECT_EQ(l.rightCells[1], QPoint(360 + 2175, 1320));
    EXPECT_EQ(l.rightCells[3], QPoint(360 + 3 * 2175, 1320));
    EXPECT_EQ(l.rightCells[4], QPoint(360, 1320 + 255));
}

TEST(GridWords, ListOrderNoneAndBrokenCounts)
{
    GameState s;
    s.WordCount = 4;
    s.Words[1] = "ant";
    s.Words[2] = "bee";
    s.Words[3] = "cow";
    s.Words[4] = "dog";
    s.WordStatus[1] = -1;
    s.WordStatus[2] = 1;
    s.WordStatus[3] = 0;
    s.WordStatus[4] = 1;
    EXPECT_EQ(GridWords(s, 1, 2), (QStringList{"bee", "dog"}));
    EXPECT_EQ(GridWords(s, -1, 1), (QStringList{"ant"}));
    EXPECT_EQ(GridWords(s, -1, 0), (QStringList{"** NONE **"}));
    // Counts that disagree with the statuses: never more words than cells,
    // and cells without a word stay empty.
    EXPECT_EQ(GridWords(s, 1, 1), (QStringList{"bee"}));
    EXPECT_EQ(GridWords(s, -1, 2), (QStringList{"ant", ""}));
}
