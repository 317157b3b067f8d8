#include "Clock.h"
#include "FakePlatform.h"
#include "Random.h"

#include <gtest/gtest.h>

using namespace lexaroo;

TEST(WaitElapsed, ZeroOrNegativeReturnsWithoutReadingTime)
{
    int reads = 0;
    WaitElapsed(0, [&] { ++reads; return 0.0; }, [] {});
    WaitElapsed(-1, [&] { ++reads; return 0.0; }, [] {});
    EXPECT_EQ(reads, 0);
}

TEST(WaitElapsed, WaitsAcrossMidnight)
{
    // Time of day steps by 0.1 s from 23:59:59.8 and wraps to 0.
    double now = 86399.8;
    int idles = 0;
    auto read = [&] { return now; };
    auto idle = [&] {
        ++idles;
        now += 0.1;
        if (now >= 86400.0)
            now -= 86400.0;
    };
    WaitElapsed(0.5, read, idle);
    EXPECT_EQ(idles, 5);
    EXPECT_NEAR(now, 0.3, 1e-9);
}

TEST(ElapsedSinceTimeOfDay, WrapsAtMidnight)
{
    EXPECT_DOUBLE_EQ(ElapsedSinceTimeOfDay(10.0, 12.5), 2.5);
    EXPECT_NEAR(ElapsedSinceTimeOfDay(86399.5, 0.25), 0.75, 1e-9);
}

TEST(FakeClock, PauseSpanningMidnightIsLoggedAndWraps)
{
    fakes::FakePlatform fake;
    fake.clock.SetTimeOfDay(86399.9);
    fake.clock.Pause(0.5);
    EXPECT_NEAR(fake.clock.TimeOfDay(), 0.4, 1e-9);
    EXPECT_EQ(fake.log.Events(), QStringList{"pause 0.5"});
}

TEST(MtRandom, DrawsStayInUnitIntervalAndPickCoversOneToN)
{
    MtRandom r(7);
    int seen[6] = {};
    for (int i = 0; i < 6000; ++i) {
        const double d = r.Draw();
        ASSERT_GE(d, 0.0);
        ASSERT_LT(d, 1.0);
        const int k = PickOneTo(r, 5);
        ASSERT_GE(k, 1);
        ASSERT_LE(k, 5);
        ++seen[k];
    }
    for (int k = 1; k <= 5; ++k)
        EXPECT_GT(seen[k], 1000) << k;
}
