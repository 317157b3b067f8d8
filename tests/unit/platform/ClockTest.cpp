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

TEST(FakeClock, TimersFireInDueOrderAsTimeAdvances)
{
    fakes::FakePlatform fake;
    auto fast = fake.clock.NewTimer();
    auto slow = fake.clock.NewTimer();
    QStringList fired;
    fast->OnTimeout([&] { fired << QStringLiteral("fast %1").arg(fake.clock.TickCount() - 1000); });
    slow->OnTimeout([&] {
        fired << QStringLiteral("slow %1").arg(fake.clock.TickCount() - 1000);
        slow->Stop(); // a one-shot limit stops itself
    });
    fast->Start(55);
    slow->Start(120);
    fake.clock.Advance(0.1);
    EXPECT_EQ(fired, QStringList{"fast 55"});
    fake.clock.Advance(0.1);
    EXPECT_EQ(fired, (QStringList{"fast 55", "fast 110", "slow 120", "fast 165"}));
    EXPECT_FALSE(slow->IsActive());
    EXPECT_EQ(fake.clock.ActiveTimers(), 1);
    EXPECT_EQ(fake.log.Events(),
              (QStringList{"timer start 55", "timer start 120", "timer stop"}));

    // A stopped or destroyed timer never fires again; a pause lets time pass
    // for timers too.
    fast->Stop();
    fake.clock.Pause(1);
    EXPECT_EQ(fired.size(), 4);
    fast->Start(500);
    fast.reset();
    fake.clock.Advance(1);
    EXPECT_EQ(fired.size(), 4);
    EXPECT_EQ(fake.clock.ActiveTimers(), 0);
}

TEST(FakeClock, AnimateRunsEveryStepInOrderAndTakesItsTime)
{
    fakes::FakePlatform fake;
    std::vector<int> steps;
    const std::uint32_t before = fake.clock.TickCount();
    fake.clock.Animate(4, 0.25, [&](int k) { steps.push_back(k); });
    EXPECT_EQ(steps, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(fake.clock.TickCount() - before, 1000u);
    EXPECT_EQ(fake.log.Events(), QStringList{"animate 4"});
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
