// The main window's timers: no drift, and a life tick never stacks on its own box.
#include <gtest/gtest.h>

#include <random>

#include "core/tickschedule.h"

using namespace brankor;

TEST(Ticker, AnHourOfRealTimeIsExactly2400GameHoursHoweverLateTheTimersFire) {
    std::int64_t now = 0;
    std::int64_t hours = 0;
    Ticker clock(1500, 0, [&] { return ++hours, true; });
    std::mt19937 jitter(7);
    // The event loop wakes late by up to 900 ms, and now and then a box stays open for a
    // minute, during which the loop is busy elsewhere.
    while (now < 3'600'000) {
        now += std::uniform_int_distribution<int>(1, 900)(jitter);
        if (std::uniform_int_distribution<int>(0, 200)(jitter) == 0) now += 60'000;
        clock.poll([&] { return std::min<std::int64_t>(now, 3'600'000); });
    }
    EXPECT_EQ(hours, 2400);
}

TEST(Ticker, ALifeTickWaitingOnItsBoxDelaysTheNextInsteadOfStackingIt) {
    std::int64_t now = 0;
    int running = 0;
    int deepest = 0;
    int ticks = 0;
    Ticker* self = nullptr;
    Ticker life(18000, 0, [&] {
        ++ticks;
        deepest = std::max(deepest, ++running);
        if (ticks == 1) {
            // The box of the first tick stays open 40 s; the timer fires twice meanwhile.
            for (int i = 0; i < 2; ++i) {
                now += 20000;
                self->poll([&] { return now; });
            }
        }
        --running;
        return true;
    });
    self = &life;
    now = 18000;
    life.poll([&] { return now; });
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(ticks, 3);  // the two that came due while the box was open ran afterwards
    EXPECT_EQ(life.nextAt(), 72000);
}

TEST(Ticker, StopsForGoodWhenATickSaysTheGameIsOver) {
    int ticks = 0;
    Ticker life(18000, 0, [&] { return ++ticks < 2; });
    life.poll([] { return std::int64_t{100000}; });
    EXPECT_EQ(ticks, 2);
    EXPECT_TRUE(life.stopped());
    life.poll([] { return std::int64_t{200000}; });
    EXPECT_EQ(ticks, 2);
}
