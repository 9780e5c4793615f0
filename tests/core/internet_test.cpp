// Hacking, with tasks drawn from millisecond counters; the internet provider and its sites.
#include <gtest/gtest.h>

#include <algorithm>

#include "computer/hacking.h"
#include "computer/internet.h"
#include "computer/internetsites.h"
#include "fakes/fakes.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

struct Hacking : PlaceTest<FrmHakerstvo> {
    /// Loaded at the same moment: its counters are this window's, read by a click on "take".
    FrmHakerstvo probe{game};
    Hacking() {
        clock.ms = 5000;  // the steady clock's origin is not the window's
        open();
        probe.onLoad();
    }
    /// Moves the clock on until `counter` shows `value`.
    void waitFor(const char* counter, int value) {
        int steps = 0;
        do {
            ++clock.ms;
            probe.onClick("cmdTakeSad");
        } while (probe[counter].text != std::to_string(value) && ++steps < 100);
        ASSERT_LT(steps, 100) << counter << " never shows " << value;
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

// The counters step once a ms; a click before the first step takes task 1, not a missing one.
TEST(HackingCounters, StepOnceAMillisecondThroughTheirCycles) {
    Hacking h;
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

// The rewards and fines by task and counter; fines go below zero after the box has been read.
TEST(HackingOutcomes, CaughtOrPaidByTaskAndCounter) {
    const std::tuple<int, int, const char*, const char*> cases[] = {
        // task, the watching counter at the click, the box, money and mood from 3 and 30
        {2, 3, "Вас засекли. Вы заплатили штраф 5$.", "-2 28"},
        {2, 5, kDone, "8 31"},
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

TEST(InternetProvider, ConnectingNeedsEveryPartButNoMoney) {
    const auto parts = {&GameState::lblModem,      &GameState::lblComp,  &GameState::lblMonitor,
                        &GameState::lblVinchester, &GameState::lblCDROM, &GameState::lblRAM};
    for (std::string GameState::*missing : parts) {
        PlaceTest<FrmInternet> p;
        for (std::string GameState::*part : parts) p.state().*part = "есть";
        p.state().*missing = "Пока нет";
        p.click("cmdPodkl");
        EXPECT_EQ(p.lastBox(),
                  (Message{"Подключение не  произошло.",
                           "Вы не можете подключиться к интернету без модема. И у вас должен "
                           "быть, как минимум, процессор 486; монитор; винчестер 500Mb; CD-ROM; "
                           "RAM-8Mb.",
                           Icon::None}));
        EXPECT_EQ(p.state().lblMoney + " " + p.state().lblVichod, "170 Пока нет");
    }
    PlaceTest<FrmInternet> p("10");
    for (std::string GameState::*part : parts) p.state().*part = "есть";
    std::string moneyDuringBox;
    p.messages.whileOpen = [&](const Message&) { moneyDuringBox = p.money(); };
    p.click("cmdPodkl");
    EXPECT_EQ(p.lastBox(), (Message{"Подключение произошло.",
                                    "Вы подключились к интернету за 5$ в час.", Icon::None}));
    EXPECT_EQ(moneyDuringBox + " " + p.money() + " " + p.state().lblVichod, "10 -20 Есть");

    p.open();  // a new visit
    EXPECT_EQ(p["cmdPodkl"].text, "Вы подключились к интернету.");
    EXPECT_TRUE(!p["cmdPodkl"].enabled && p["cmdWalk"].enabled && !p["picPages"].visible);
    p.click("cmdWalk");
    EXPECT_TRUE(p["picPages"].visible);
    p.click("cmdAnek");
    p.click("Command5");
    for (const char* site : {"frmInterAnek", "frmInterComp"})
        EXPECT_EQ(std::ranges::count(p.windows.log, "replace frmInternet " + std::string(site)), 1);
}

// Ten hourly charges cost 50 $, into debt; the counter restarts each visit.
TEST(InternetSites, HoursAreChargedAndLeavingBringsTheProviderBack) {
    PlaceTest<FrmInterComp> site("30");
    for (int tick = 0; tick < 10; ++tick) site.place->onTimer("tmrcm");
    EXPECT_EQ(site["lblcm"].text + " " + site.money(), "10 -20");
    site.click("cmdGoOut");  // without a word
    EXPECT_EQ(site.windows.log.front() + site.lastBox().text, "replace frmInterComp frmInternet");
    site.open();
    EXPECT_EQ(site["lblcm"].text, "0");

    // The jokes site shows the time and one block at a time, and says goodbye before leaving.
    PlaceTest<FrmInterAnek> jokes;
    jokes.clock.time = {9, 5, 7};
    jokes.place->onTimer("Timer1");
    EXPECT_EQ(jokes["lblhhmm"].text + jokes["lblSS"].text + " " + jokes.money(), "09:05:07 170");
    std::string shown;
    for (const char* button : {"", "Command2", "Command3", "Command1"}) {
        if (*button) jokes.click(button);
        for (const char* block : {"an_0", "an_1", "an_2"})
            shown += jokes[block].visible ? "1" : "0";
        shown += " ";
    }
    EXPECT_EQ(shown, "000 010 001 100 ");
    std::size_t logDuringBox = 99;
    jokes.messages.whileOpen = [&](const Message&) { logDuringBox = jokes.windows.log.size(); };
    jokes.click("cmdGoOut");
    EXPECT_EQ(jokes.lastBox(), (Message{"спасибо!!!", "Спасибо за посещение сайта!", Icon::None}));
    EXPECT_EQ(logDuringBox, 0u);
    EXPECT_EQ(jokes.windows.log.front(), "replace frmInterAnek frmInternet");
}
