#include "FakePlatform.h"
#include "ScoredRun.h"

#include <gtest/gtest.h>

using namespace lexaroo;

namespace {
// A state with the given words and results left over from an earlier game.
GameState ListOf(const QStringList& words)
{
    GameState s;
    s.WordCount = static_cast<std::int16_t>(words.size());
    for (int i = 0; i < words.size(); ++i)
        s.Words[i + 1] = words[i];
    s.WordsTried = 9;
    s.WordsMissed = 4;
    s.ScorePoints = 55;
    s.WordStatus.fill(-1);
    return s;
}
} // namespace

TEST(ScoredRun, OpenResetsTheResultsAndPresentsEveryWordOnceInTheShuffledOrder)
{
    GameState s = ListOf({"ant", "bee", "cow", "dog"});
    fakes::FakePlatform fake;
    ScoredRun run(s);
    run.Open(fake.random);
    EXPECT_EQ(s.WordsTried, 0);
    EXPECT_EQ(s.WordsMissed, 0);
    EXPECT_EQ(s.ScorePoints, 0);
    for (int i = 1; i <= kMaxWords; ++i)
        EXPECT_EQ(s.WordStatus[i], 0) << i;

    QStringList seen;
    while (run.NextWord()) {
        EXPECT_EQ(run.Word(), s.Words[run.ListIndex()]);
        EXPECT_EQ(run.WordsLeft(), 4 - s.WordsTried);
        EXPECT_FALSE(run.Attempted());
        seen << run.Word();
        run.Attempt();
    }
    seen.sort();
    EXPECT_EQ(seen, (QStringList{"ant", "bee", "cow", "dog"}));
    // Past the end the count stays at the list's length.
    EXPECT_EQ(s.WordsTried, 4);
    EXPECT_FALSE(run.NextWord());
    EXPECT_EQ(s.WordsTried, 4);
}

TEST(ScoredRun, MarksFollowTheListPositionNotThePlayOrder)
{
    GameState s = ListOf({"ant", "bee", "cow"});
    fakes::FakePlatform fake;
    fake.random.Script({0.0, 0.0}); // play order 2, 3, 1
    ScoredRun run(s);
    run.Open(fake.random);
    ASSERT_TRUE(run.NextWord());
    ASSERT_EQ(run.Word(), "bee");
    run.Attempt();
    run.Miss();
    run.FinishWithPenalties(3);
    ASSERT_TRUE(run.NextWord());
    ASSERT_EQ(run.Word(), "cow");
    run.Attempt();
    run.FinishWithPenalties(0);
    EXPECT_EQ(s.WordStatus[1], 0);
    EXPECT_EQ(s.WordStatus[2], -1);
    EXPECT_EQ(s.WordStatus[3], 1);
    EXPECT_EQ(s.WordsMissed, 1);
    EXPECT_EQ(s.ScorePoints, 10);
    EXPECT_EQ(run.ScoreBarPercent(), 50);
}

TEST(ScoredRun, StopTakesBackOnlyAWordNeverActedOn)
{
    struct Case {
        const char* name;
        bool attempt;
        int wordsTried, mark;
    };
    const Case cases[] = {
        {"untouched first word", false, 0, 0},
        {"word acted on, not finished", true, 1, 1},
    };
    for (const Case& c : cases) {
        GameState s = ListOf({"ant", "bee"});
        fakes::FakePlatform fake;
        ScoredRun run(s);
        run.Open(fake.random);
        run.NextWord();
        const int index = run.ListIndex();
        if (c.attempt)
            run.Attempt();
        run.Stop();
        run.Stop(); // the window may be closed twice; nothing more is taken back
        EXPECT_EQ(s.WordsTried, c.wordsTried) << c.name;
        EXPECT_EQ(s.WordStatus[index], c.mark) << c.name;
        EXPECT_EQ(s.ScorePoints, 0) << c.name;
    }
}

TEST(ScoredRun, TheEndOfTheListCountsEveryWord)
{
    GameState s = ListOf({"ant"});
    fakes::FakePlatform fake;
    ScoredRun run(s);
    run.Open(fake.random);
    run.NextWord();
    run.Attempt();
    run.FinishWithPenalties(1);
    EXPECT_FALSE(run.NextWord());
    run.Stop();
    EXPECT_EQ(s.WordsTried, 1);
    EXPECT_EQ(s.ScorePoints, 7);
    EXPECT_EQ(run.ScoreBarPercent(), 70);
}

TEST(ScoredRun, PointsAddUpWordByWord)
{
    // Two words with one penalty each give 7 then 14; a game with its own
    // rule adds whole points.
    GameState s = ListOf({"ant", "bee", "cow"});
    fakes::FakePlatform fake;
    ScoredRun run(s);
    run.Open(fake.random);
    std::vector<int> totals, bars;
    for (int word = 0; word < 2; ++word) {
        run.NextWord();
        run.Attempt();
        run.FinishWithPenalties(1);
        totals.push_back(s.ScorePoints);
        bars.push_back(run.ScoreBarPercent());
    }
    run.NextWord();
    run.Attempt();
    run.FinishWithPoints(10);
    totals.push_back(s.ScorePoints);
    bars.push_back(run.ScoreBarPercent());
    EXPECT_EQ(totals, (std::vector<int>{7, 14, 24}));
    EXPECT_EQ(bars, (std::vector<int>{70, 70, 80}));
}
