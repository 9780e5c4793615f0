// The internet: connecting at the provider, paying by the hour on its sites, and the way back.
#include <gtest/gtest.h>

#include <algorithm>

#include "computer/internet.h"
#include "computer/internetsites.h"
#include "fakes/fakes.h"

using namespace brankor;
using namespace brankor::testing;

// Connecting needs a modem and the smallest computer, not money; the box comes before the fee
// is paid, once. The next visit shows the connected state and leads to the sites.
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
    EXPECT_FALSE(p["cmdWalk"].enabled);
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

// Fifteen seconds on a site are ten ticks of the 1500 ms charge: ten hours, 50 $, into debt;
// the counter starts again with each visit. Leaving brings the provider back.
TEST(InternetSites, FifteenSecondsCostTenHoursAndFiftyDollars) {
    PlaceTest<FrmInterComp> site("30");
    ASSERT_EQ(site.place->timers().at("tmrcm").interval, 1500);
    for (int tick = 0; tick < 10; ++tick) site.place->onTimer("tmrcm");
    EXPECT_EQ(site["lblcm"].text + " " + site.money(), "10 -20");
    site.click("cmdGoOut");
    EXPECT_TRUE(site.messages.shown.empty());
    EXPECT_EQ(site.windows.log.front(), "replace frmInterComp frmInternet");
    site.open();
    EXPECT_EQ(site["lblcm"].text, "0");
}

// The jokes site shows the computer's time and one block of jokes at a time, and says goodbye
// before the provider comes back.
TEST(InternetSites, TheJokesSiteShowsTheTimeAndOneJokeBlockAtATime) {
    PlaceTest<FrmInterAnek> site("170", "30", false);
    site.clock.time = {9, 5, 7};
    site.open();
    EXPECT_EQ(site["lblhhmm"].text + site["lblSS"].text, "09:05:07");
    site.clock.time = {23, 59, 0};
    site.place->onTimer("Timer1");
    EXPECT_EQ(site["lblhhmm"].text + site["lblSS"].text + " " + site.money(), "23:59:00 170");
    std::string shown;
    for (const char* button : {"", "Command2", "Command3", "Command1"}) {
        if (*button) site.click(button);
        for (const char* block : {"an_0", "an_1", "an_2"}) shown += site[block].visible ? "1" : "0";
        shown += " ";
    }
    EXPECT_EQ(shown, "000 010 001 100 ");
    site.place->onMouseDown("an_0");
    EXPECT_EQ(site.lastBox(), (Message{"Ха-ха-ха", "Анекдоты лучшего качества!", Icon::None}));
    std::size_t logDuringBox = 99;
    site.messages.whileOpen = [&](const Message&) { logDuringBox = site.windows.log.size(); };
    site.click("cmdGoOut");
    EXPECT_EQ(site.lastBox(), (Message{"спасибо!!!", "Спасибо за посещение сайта!", Icon::None}));
    EXPECT_EQ(logDuringBox, 0u);
    EXPECT_EQ(site.windows.log.front(), "replace frmInterAnek frmInternet");
}
