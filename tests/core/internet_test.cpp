// The internet: connecting at the provider, paying by the hour on its sites, and the way back.
#include <gtest/gtest.h>

#include <algorithm>

#include "computer/internet.h"
#include "computer/internetsites.h"
#include "fakes/fakes.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// A provider window on a game whose computer has everything the connection asks for.
struct Provider : PlaceTest<FrmInternet> {
    Provider() {
        GameState& s = state();
        s.lblModem = s.lblComp = s.lblMonitor = s.lblVinchester = s.lblCDROM = s.lblRAM = "есть";
    }
};

}  // namespace

TEST(InternetProvider, ConnectingOnceWithoutAMoneyTestAndTheConnectedStateOnReopening) {
    Provider p;
    p.state().lblMoney = "10";
    p.open();
    EXPECT_TRUE(p["cmdPodkl"].enabled);
    EXPECT_FALSE(p["cmdWalk"].enabled);
    EXPECT_EQ(p["cmdAnek"].text.rfind("Анекдот (", 0), 0u);
    EXPECT_EQ(p["Command5"].text.rfind("Компьютер  (", 0), 0u);
    // The box comes before the money goes.
    std::string moneyDuringBox;
    p.messages.whileOpen = [&](const Message&) { moneyDuringBox = p.state().lblMoney; };
    p.click("cmdPodkl");
    EXPECT_EQ(p.lastBox(), (Message{"Подключение произошло.",
                                    "Вы подключились к интернету за 5$ в час.", Icon::None}));
    EXPECT_EQ(moneyDuringBox, "10");
    EXPECT_EQ(p.state().lblMoney, "-20");
    EXPECT_EQ(p.state().lblVichod, "Есть");

    p.open();  // a new visit
    EXPECT_EQ(p["cmdPodkl"].text, "Вы подключились к интернету.");
    EXPECT_FALSE(p["cmdPodkl"].enabled);
    EXPECT_TRUE(p["cmdWalk"].enabled);
    EXPECT_FALSE(p["picPages"].visible);
    p.click("cmdWalk");
    EXPECT_TRUE(p["picPages"].visible);
    p.click("cmdAnek");
    p.click("Command5");
    for (const char* site : {"frmInterAnek", "frmInterComp"})
        EXPECT_EQ(std::ranges::count(p.windows.log, std::string("replace frmInternet ") + site), 1);
}

TEST(InternetProvider, EveryMissingPartRefusesAndChangesNothing) {
    for (std::string GameState::*part :
         {&GameState::lblModem, &GameState::lblComp, &GameState::lblMonitor,
          &GameState::lblVinchester, &GameState::lblCDROM, &GameState::lblRAM}) {
        Provider p;
        p.state().*part = "Пока нет";
        p.open();
        p.click("cmdPodkl");
        EXPECT_EQ(p.lastBox(),
                  (Message{"Подключение не  произошло.",
                           "Вы не можете подключиться к интернету без модема. И у вас должен "
                           "быть, как минимум, процессор 486; монитор; винчестер 500Mb; CD-ROM; "
                           "RAM-8Mb.",
                           Icon::None}));
        EXPECT_EQ(p.state().lblMoney, "170");
        EXPECT_EQ(p.state().lblVichod, "Пока нет");
        EXPECT_TRUE(p["cmdPodkl"].enabled);
    }
}

// Fifteen seconds on a site are ten ticks of the 1500 ms charge: ten hours, 50 $, into debt.
TEST(InternetSites, FifteenSecondsCostTenHoursAndFiftyDollars) {
    PlaceTest<FrmInterComp> site("30");
    ASSERT_EQ(site.place->timers().at("tmrcm").interval, 1500);
    for (int tick = 0; tick < 10; ++tick) {
        site.clock.ms += 1500;
        site.place->onTimer("tmrcm");
    }
    EXPECT_EQ(site["lblcm"].text, "10");
    EXPECT_EQ(site.state().lblMoney, "-20");
    site.open();  // the counter starts again with each visit
    EXPECT_EQ(site["lblcm"].text, "0");
}

// The clock shows the computer's time and charges nothing; the blocks show one at a time.
TEST(InternetSites, TheJokesSiteShowsTheTimeAndOneJokeBlockAtATime) {
    PlaceTest<FrmInterAnek> site;
    site.clock.time = {9, 5, 7};
    site.open();
    EXPECT_EQ(site["lblhhmm"].text + site["lblSS"].text, "09:05:07");
    site.clock.time = {23, 59, 0};
    site.place->onTimer("Timer1");
    EXPECT_EQ(site["lblhhmm"].text + site["lblSS"].text + site.money(), "23:59:00170");
    const char* blocks[] = {"an_0", "an_1", "an_2"};
    for (const char* block : blocks) EXPECT_FALSE(site[block].visible) << block;
    const char* buttons[] = {"Command1", "Command2", "Command3"};
    for (int shown = 0; shown < 3; ++shown) {
        site.click(buttons[shown]);
        for (int block = 0; block < 3; ++block)
            EXPECT_EQ(site[blocks[block]].visible, block == shown) << buttons[shown];
    }
    EXPECT_EQ(site["Command3"].text, "АНЕКДОТЫ  НЕДЕЛИ");
    site.place->onMouseDown("an_2");
    EXPECT_EQ(site.lastBox(), (Message{"Ха-ха-ха", "Анекдоты лучшего качества!", Icon::None}));
    site.place->onMouseDown("Command1");
    EXPECT_EQ(site.messages.shown.size(), 1u);
}

// Only the jokes site says goodbye, and it does so before the provider comes back.
TEST(InternetSites, LeavingBringsTheProviderBack) {
    PlaceTest<FrmInterAnek> jokes;
    std::size_t logDuringBox = 99;
    jokes.messages.whileOpen = [&](const Message&) { logDuringBox = jokes.windows.log.size(); };
    jokes.click("cmdGoOut");
    EXPECT_EQ(jokes.lastBox(), (Message{"спасибо!!!", "Спасибо за посещение сайта!", Icon::None}));
    EXPECT_EQ(logDuringBox, 0u);
    EXPECT_EQ(jokes.windows.log.front(), "replace frmInterAnek frmInternet");

    PlaceTest<FrmInterComp> comp;
    comp.click("cmdGoOut");
    EXPECT_TRUE(comp.messages.shown.empty());
    EXPECT_EQ(comp.windows.log.front(), "replace frmInterComp frmInternet");
}
