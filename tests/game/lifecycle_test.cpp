// The main window's timers: they keep time however late they fire, and a life tick never stacks
// on its own box. What the clock and the life tick do is walked in tests/transcripts/frmMain.txt.
#include <gtest/gtest.h>

#include <random>

#include "framework/tickschedule.h"

using namespace brankor;

// No drift: an hour of real time makes 2400 game hours.
TEST(Ticker, AnHourOfRealTimeIsExactly2400GameHoursHoweverLateTheTimersFire) {
    std::int64_t now = 0, hours = 0;
    Ticker clock(1500, 0, [&] { return ++hours, true; });
    std::mt19937 jitter(7);
    while (now < 3'600'000) {  // up to 900 ms late, now and then a minute late behind a box
        now += std::uniform_int_distribution<int>(1, 900)(jitter);
        if (std::uniform_int_distribution<int>(0, 200)(jitter) == 0) now += 60'000;
        clock.poll([&] { return std::min<std::int64_t>(now, 3'600'000); });
    }
    EXPECT_EQ(hours, 2400);
}

// The box of the first tick stays open 40 s, and the timer fires twice meanwhile: those two run
// afterwards, one after the other. The third tick ends the game, and nothing runs after it.
TEST(Ticker, ALifeTickWaitingOnItsBoxDelaysTheNextAndTheLastStopsIt) {
    std::int64_t now = 18000;
    int running = 0, deepest = 0, ticks = 0;
    Ticker* self = nullptr;
    Ticker life(18000, 0, [&] {
        deepest = std::max(deepest, ++running);
        if (ticks++ == 0) now += 40000;
        self->poll([&] { return now; });  // the timer fires while the box is open
        --running;
        return ticks < 3;
    });
    self = &life;
    life.poll([&] { return now; });
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(ticks, 3);
    EXPECT_TRUE(life.stopped());
    life.poll([] { return std::int64_t{200000}; });
    EXPECT_EQ(ticks, 3);
}
