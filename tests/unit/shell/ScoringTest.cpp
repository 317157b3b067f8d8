#include "Scoring.h"

#include <gtest/gtest.h>

using namespace lexaroo;

TEST(AddWordPoints, EachWordAddsItsThirdsRoundedToTheNearestWhole)
{
    struct Case {
        int points, penalties, expected;
    };
    const Case cases[] = {
        {0, 0, 10}, {0, 1, 7},   {0, 2, 3},   {0, 3, 0},
        {7, 1, 14},  // 7 + 6 2/3 = 13 2/3
        {14, 1, 21}, // 14 + 6 2/3 = 20 2/3
        {10, 2, 13}, // 10 + 3 1/3
        {13, 2, 16}, // 13 + 3 1/3: the third is dropped every time
        {290, 0, 300},
        // Penalties beyond the limit earn nothing, never negative points.
        {5, 4, 5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AddWordPoints(c.points, c.penalties), c.expected)
            << c.points << " points, " << c.penalties << " penalties";
}

TEST(AddWordPoints, AWholeGameOfOnePenaltyWordsScoresSevenEach)
{
    // The rounding after every word, not once at the end, decides the total:
    // 20 words at 6 2/3 would be 133 in one sum, but each word rounds up.
    int points = 0;
    for (int word = 0; word < 20; ++word)
        points = AddWordPoints(points, 1);
    EXPECT_EQ(points, 140);
}

TEST(ScoreBarPercent, IsTheWholePartOfTheAveragePerWord)
{
    struct Case {
        int points, tried, expected;
    };
    const Case cases[] = {
        {0, 0, 0},    {10, 1, 100}, {10, 2, 50}, {7, 1, 70},
        {17, 3, 56},  // 56 2/3 is cut, not rounded
        {14, 3, 46},  {300, 30, 100},
        {0, 5, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScoreBarPercent(c.points, c.tried), c.expected)
            << c.points << " points over " << c.tried << " words";
}
