#include "FakePlatform.h"
#include "Services.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <set>

using namespace lexaroo;
using lexaroo::fakes::FakePlatform;
using lexaroo::fakes::WriteFile;

TEST(ShuffleOrder, SmallCases)
{
    MtRandom r(3);
    WordOrder order{};
    ShuffleOrder(r, 0, order);
    ShuffleOrder(r, 1, order);
    EXPECT_EQ(order[1], 1);
}

TEST(ShuffleOrder, IsAPermutation)
{
    MtRandom r(11);
    for (int run = 0; run < 50; ++run) {
        WordOrder order{};
        ShuffleOrder(r, 20, order);
        std::set<int> seen(order.begin() + 1, order.begin() + 21);
        ASSERT_EQ(seen.size(), 20u);
        EXPECT_EQ(*seen.begin(), 1);
        EXPECT_EQ(*seen.rbegin(), 20);
    }
}

TEST(ShuffleOrder, EachPositionIsUniform)
{
    // Chi-square over 20 x 20 (position, value) counts. With 19 degrees of
    // freedom per position, 50 is far beyond the 99.9th percentile (43.8).
    MtRandom r(2024);
    constexpr int n = 20;
    constexpr int runs = 20000;
    int counts[n + 1][n + 1] = {};
    for (int run = 0; run < runs; ++run) {
        WordOrder order{};
        ShuffleOrder(r, n, order);
        for (int p = 1; p <= n; ++p)
            ++counts[p][order[p]];
    }
    const double expected = static_cast<double>(runs) / n;
    for (int p = 1; p <= n; ++p) {
        double chi = 0;
        for (int v = 1; v <= n; ++v)
            chi += (counts[p][v] - expected) * (counts[p][v] - expected) / expected;
        EXPECT_LT(chi, 50.0) << "position " << p;
    }
}

TEST(ShuffleOrder, FollowsTheDrawsFromTheTop)
{
    // Draws 0.0 then 0.0: i=3 swaps with 1, i=2 swaps with 1.
    FakePlatform fake;
    fake.random.Script({0.0, 0.0});
    WordOrder order{};
    ShuffleOrder(fake.random, 3, order);
    EXPECT_EQ(order[1], 2);
    EXPECT_EQ(order[2], 3);
    EXPECT_EQ(order[3], 1);
}

TEST(LoadSoundFile, MissingEmptyReadableAndOtherFailures)
{
    QTemporaryDir dir;
    GameState s;
    ASSERT_TRUE(WriteFile(dir.filePath("empty.wav"), {}));
    ASSERT_TRUE(WriteFile(dir.filePath("cat.wav"), QByteArray(3000, 'x')));
    QDir(dir.path()).mkdir("folder.wav");

    struct Case {
        QString path;
        int missing;
        qsizetype size;
    };
    const Case cases[] = {
        {dir.filePath("none.wav"), 1, 0},
        {dir.filePath("empty.wav"), 1, 0},
        {dir.filePath("cat.wav"), 0, 3000},
        // A path that is a folder cannot be read: silence, but not "missing".
        {dir.filePath("folder.wav"), 0, 0},
        // A folder that is gone: the word has no recording to play.
        {dir.filePath("gone/cat.wav"), 1, 0},
    };
    for (const auto& c : cases) {
        s.SoundMissing = 7;
        const auto image = LoadSoundFile(s, c.path);
        EXPECT_EQ(s.SoundMissing, c.missing) << c.path.toStdString();
        EXPECT_EQ(image.size(), c.size) << c.path.toStdString();
    }
}

TEST(PlaySoundData, EmptyImageDoesNothingElseStopsThenPlays)
{
    FakePlatform fake;
    auto p = fake.Get();
    PlaySoundData(p, {}, kSoundWait);
    EXPECT_TRUE(fake.log.Events().isEmpty());
    const QByteArray ding = lexaroo::fakes::MakeTaggedSound("xding.wav");
    PlaySoundData(p, ding, kSoundNoWait);
    PlaySoundData(p, ding, kSoundWait);
    EXPECT_EQ(fake.log.Events(), (QStringList{"sound stop", "sound xding.wav nowait", "sound stop",
                                              "sound xding.wav wait"}));
}

TEST(Pause, ZeroReturnsAtOnce)
{
    FakePlatform fake;
    auto p = fake.Get();
    const double before = fake.clock.TimeOfDay();
    Pause(p, 0);
    EXPECT_EQ(fake.clock.TimeOfDay(), before);
}
