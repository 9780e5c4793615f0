// The internet sites: the hourly charge, the jokes site's clock and blocks, and the way back.
#include <gtest/gtest.h>

#include "computer/internetsites.h"
#include "fakes/fakes.h"

using namespace brankor;
using namespace brankor::testing;

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
    // Its clock ticks just after each second of the wall clock begins, so it never lags behind.
    jokes.clock.time = {9, 5, 7, 300};
    jokes.place->onTimer("Timer1");
    EXPECT_EQ(jokes["lblhhmm"].text + jokes["lblSS"].text + " " + jokes.money(), "09:05:07 170");
    EXPECT_EQ(jokes.place->timer("Timer1").interval, 705);
    jokes.clock.time = {9, 5, 8, 4};
    jokes.place->onTimer("Timer1");
    EXPECT_EQ(jokes["lblSS"].text + " " + std::to_string(jokes.place->timer("Timer1").interval),
              "08 1001");
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
