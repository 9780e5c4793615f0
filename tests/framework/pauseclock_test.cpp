// The time played stands still while paused and goes on from there, with the ticks it drives.
#include <gtest/gtest.h>

#include "framework/pauseclock.h"
#include "framework/tickschedule.h"

using namespace brankor;

TEST(PauseClock, StandsStillWhilePausedAndResumesWhereItStood) {
    PauseClock clock;
    EXPECT_EQ(clock.played(1000), 1000);
    clock.pause(1000);
    clock.pause(5000);  // a second pause does not move the start of the first
    EXPECT_TRUE(clock.paused());
    EXPECT_EQ(clock.played(9000), 1000);
    clock.resume(9000);
    clock.resume(12000);  // nor does a second resume count the time again
    EXPECT_FALSE(clock.paused());
    EXPECT_EQ(clock.played(9000), 1000);
    EXPECT_EQ(clock.played(10500), 2500);
    clock.pause(10500);
    clock.resume(20500);
    EXPECT_EQ(clock.played(21000), 3000);
}

// A clock of 1500 ms paused for a minute after its second tick takes its third tick 1500 ms of
// play later, and none for the minute.
TEST(PauseClock, TicksDueAfterAPauseAreOnlyThoseOfThePlay) {
    PauseClock clock;
    TickSchedule hours(1500, 0);
    hours.take();
    hours.take();
    clock.pause(3200);
    EXPECT_EQ(hours.due(clock.played(63200)), 0);
    clock.resume(63200);
    EXPECT_EQ(hours.due(clock.played(64400)), 0);
    EXPECT_EQ(hours.due(clock.played(64500)), 1);
}
