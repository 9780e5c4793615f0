// Hacking: tasks drawn from the window's millisecond counters, and what carrying one out pays or
// costs.
#include <gtest/gtest.h>

#include "computer/hacking.h"
#include "fakes/fakes.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

struct Hacking : PlaceTest<FrmHakerstvo> {
    /// A second window loaded at the same moment: its counters are this one's, and a click on
    /// its "take" button reads them without touching the task taken here.
    FrmHakerstvo probe{game};
    Hacking() {
        clock.ms = 5000;  // the steady clock's origin is not the window's
        open();
        probe.onLoad();
    }
    /// Moves the clock on until `counter` shows `value`.
    void waitFor(const char* counter, int value) {
        do {
            ++clock.ms;
            probe.onClick("cmdTakeSad");
        } while (probe[counter].text != std::to_string(value));
    }
    /// Takes task `task` and carries it out when the capture counter watching it shows `watch`.
    void hack(int task, int watch) {
        waitFor("lblNSad", task);
        click("cmdTakeSad");
        waitFor(task < 5 ? "lblhh5" : "lblhh9", watch);
        click("cmdMake");
    }
};

const char* const kDone = "Вы выполнили задание и получаете деньги.";

}  // namespace

// Each millisecond the task counter steps 1, 2..9, 2..; the easy capture counter 1, 2..5, 2..;
// the hard one 1, 2..4, 2.. . Taking a task reads them; a click before the first step takes the
// first task, not one that does not exist.
TEST(HackingCounters, StepOnceAMillisecondThroughTheirCycles) {
    Hacking h;
    EXPECT_EQ(h["txtSpec"].text + std::to_string(h["cmdMake"].visible),
              "Нажми на кнопку ПОЛУЧИТЬ ЗАДАНИЕ\n0");
    std::string seen;
    for (std::int64_t step : {0, 1, 2, 3, 4, 5, 6, 9, 10, 11, 1'000'000'002}) {
        h.clock.ms = 5000 + step;
        h.click("cmdTakeSad");
        seen += h["lblNSad"].text + h["lblhh5"].text + h["lblhh9"].text + " ";
    }
    EXPECT_EQ(seen, "000 111 222 333 444 552 623 953 224 332 223 ");
    h.clock.ms = 5000;
    h.click("cmdTakeSad");
    EXPECT_EQ(h["txtSpec"].text + std::to_string(h["cmdMake"].visible),
              "Это очень простое задание. Вам необходимо взломать специальную программу. Плата за "
              "выполнение 4$.1");
}

// The rewards named in the task texts, the fines, the mood, and where easy ends. There is no
// money test: fines go below zero, after the box has been read.
TEST(HackingOutcomes, CaughtOrPaidByTaskAndCounter) {
    const std::tuple<int, int, const char*, const char*> cases[] = {
        // task, the watching counter at the click, the box, money and mood from 3 and 30
        {2, 3, "Вас засекли. Вы заплатили штраф 5$.", "-2 28"},
        {2, 5, kDone, "8 31"},
        {3, 4, kDone, "9 31"},
        {4, 2, kDone, "11 31"},
        {4, 3, "Вас засекли. Вы заплатили штраф 5$.", "-2 28"},
        {5, 2, kDone, "12 34"},
        {5, 3, "Вас засекли. Вы заплатили штраф 10$.", "-7 25"},
        {6, 4, kDone, "13 34"},
        {7, 2, kDone, "14 34"},
        {8, 4, kDone, "15 34"},
        {9, 4, kDone, "16 34"},
    };
    for (const auto& [task, watch, box, after] : cases) {
        Hacking h;
        h.state().lblMoney = "3";
        std::string duringBox;
        h.messages.whileOpen = [&](const Message&) { duringBox = h.moneyAndMood(); };
        h.hack(task, watch);
        EXPECT_EQ(h.lastBox(), (Message{"", box, Icon::None})) << task << " " << watch;
        EXPECT_EQ(duringBox + " " + h.moneyAndMood(), std::string("3 30 ") + after)
            << task << " " << watch;
        EXPECT_EQ(h["txtSpec"].text + std::to_string(h["cmdMake"].visible),
                  "Нажми на кнопку ПОЛУЧИТЬ ЗАДАНИЕ0");
    }
}
