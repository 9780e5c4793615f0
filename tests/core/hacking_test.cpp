// Hacking: tasks drawn from the window's counters, and what carrying one out pays or costs.
#include <gtest/gtest.h>

#include <map>

#include "computer/hacking.h"
#include "fakes/fakes.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// The three counters as a one-millisecond timer advances them, tick by tick, step for step as
/// the window's rules describe them: each resets to 1 at its top, then adds 1.
struct TickedCounters {
    int task = 0, easy = 0, hard = 0;
    void tick() {
        if (task == 9) task = 1;
        ++task;
        if (easy == 5) easy = 1;
        ++easy;
        if (hard == 4) hard = 1;
        ++hard;
    }
};

/// The first millisecond after loading at which `wanted` holds for the ticked counters.
template <class Wanted>
std::int64_t firstStepWhere(Wanted wanted, std::int64_t from = 0) {
    TickedCounters c;
    for (std::int64_t step = 0;; c.tick(), ++step)
        if (step >= from && wanted(c)) return step;
}

struct Hacking : PlaceTest<FrmHakerstvo> {
    Hacking() {
        clock.ms = 5000;  // the steady clock's origin is not the window's
        open();
    }
    void at(std::int64_t step) { clock.ms = 5000 + step; }
    /// Takes task `task` and carries it out when the capture counter watching it shows `watch`.
    void hack(int task, int watch) {
        const std::int64_t take = firstStepWhere([&](auto& c) { return c.task == task; }, 2);
        at(take);
        click("cmdTakeSad");
        at(firstStepWhere([&](auto& c) { return (task < 5 ? c.easy : c.hard) == watch; }, take));
        click("cmdMake");
    }
};

const char* const kDone = "Вы выполнили задание и получаете деньги.";

}  // namespace

// Over two thousand cycles the labels read at a click agree with the ticked counters at every
// millisecond, and each value of each cycle comes up equally often.
TEST(HackingCounters, FollowTheMillisecondTimerAndAreEvenlySpread) {
    Hacking h;
    TickedCounters ticked;
    std::map<std::string, int> seen;
    for (std::int64_t step = 0; step < 24 * 2000 + 2; ++step, ticked.tick()) {
        h.at(step);
        h.click("cmdTakeSad");
        const std::string task = h["lblNSad"].text;
        const std::string easy = h["lblhh5"].text;
        const std::string hard = h["lblhh9"].text;
        ASSERT_EQ(task + easy + hard, std::to_string(ticked.task) + std::to_string(ticked.easy) +
                                          std::to_string(ticked.hard))
            << "step " << step;
        if (step < 2) continue;
        ++seen["task " + task], ++seen["easy " + easy], ++seen["hard " + hard];
    }
    for (int task = 2; task <= 9; ++task) EXPECT_EQ(seen["task " + std::to_string(task)], 6000);
    for (int easy = 2; easy <= 5; ++easy) EXPECT_EQ(seen["easy " + std::to_string(easy)], 12000);
    for (int hard = 2; hard <= 4; ++hard) EXPECT_EQ(seen["hard " + std::to_string(hard)], 16000);
    EXPECT_EQ(seen.size(), 8u + 4u + 3u);
}

// The rewards named in the task texts, the fines, the mood, and where easy ends.
TEST(HackingOutcomes, CaughtOrPaidByTaskAndCounter) {
    struct Case {
        int task, watch;
        const char* message;
        const char* after;  // money and mood, from 170 and 30
    };
    const Case cases[] = {
        {3, 3, "Вас засекли. Вы заплатили штраф 5$.", "165 28"},
        {3, 4, kDone, "176 31"},
        {4, 3, "Вас засекли. Вы заплатили штраф 5$.", "165 28"},
        {4, 2, kDone, "178 31"},
        {5, 3, "Вас засекли. Вы заплатили штраф 10$.", "160 25"},
        {5, 2, kDone, "179 34"},
        {9, 4, kDone, "183 34"},
        {9, 3, "Вас засекли. Вы заплатили штраф 10$.", "160 25"},
        {2, 5, kDone, "175 31"},
        {6, 4, kDone, "180 34"},
        {7, 2, kDone, "181 34"},
        {8, 4, kDone, "182 34"},
    };
    for (const Case& c : cases) {
        Hacking h;
        h.hack(c.task, c.watch);
        EXPECT_EQ(h.lastBox(), (Message{"", c.message, Icon::None})) << c.task;
        EXPECT_EQ(h.moneyAndMood(), c.after) << c.task << " " << c.watch;
    }
}

TEST(HackingOutcomes, FinesGoBelowZeroAndTheBoxComesFirst) {
    for (const auto& [task, after] : {std::pair{2, "-2 28"}, std::pair{8, "-7 25"}}) {
        Hacking h;
        h.state().lblMoney = "3";
        std::string duringBox;
        h.messages.whileOpen = [&](const Message&) { duringBox = h.moneyAndMood(); };
        h.hack(task, 3);
        EXPECT_EQ(duringBox, "3 30");
        EXPECT_EQ(h.moneyAndMood(), after);
    }
}

TEST(HackingTasks, TakingShowsTheTaskAndCarryingOutHidesTheButton) {
    Hacking h;
    EXPECT_FALSE(h["cmdMake"].visible);
    EXPECT_EQ(h["txtSpec"].text, "Нажми на кнопку ПОЛУЧИТЬ ЗАДАНИЕ\n");
    h.at(firstStepWhere([](auto& c) { return c.task == 6; }));
    h.click("cmdTakeSad");
    EXPECT_EQ(h["txtSpec"].text,
              "Вам надо скачать файл с банковского компьютера. Плата за выполнение 10$.");
    EXPECT_TRUE(h["cmdMake"].visible);
    // Taking again replaces the task: task 2 is the one paid.
    h.at(firstStepWhere([](auto& c) { return c.task == 2 && c.easy == 2; }, 10));
    h.click("cmdTakeSad");
    EXPECT_EQ(h["lblstsad"].text, "2");
    h.click("cmdMake");
    EXPECT_EQ(h.moneyAndMood(), "175 31");
    EXPECT_FALSE(h["cmdMake"].visible);
    EXPECT_EQ(h["txtSpec"].text, "Нажми на кнопку ПОЛУЧИТЬ ЗАДАНИЕ");
}

// A click in the very millisecond the window loaded, before the counter's first step, takes
// the first task rather than a task that does not exist.
TEST(HackingTasks, AClickBeforeTheFirstStepTakesTheFirstTask) {
    Hacking h;
    h.click("cmdTakeSad");
    EXPECT_EQ(h["lblNSad"].text, "0");
    EXPECT_EQ(h["lblstsad"].text, "1");
    EXPECT_EQ(h["txtSpec"].text,
              "Это очень простое задание. Вам необходимо взломать специальную программу. Плата "
              "за выполнение 4$.");
    h.click("cmdMake");  // the easy counter still shows 0: not caught
    EXPECT_EQ(h.moneyAndMood(), "174 31");
}
