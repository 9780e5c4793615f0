// The virus window: the damage amount, the loss, the fight by antivirus, the blinking heading,
// and the hidden window that the next virus brings back.
#include <gtest/gtest.h>

#include <map>

#include "computer/virus.h"
#include "core/lifecycle.h"
#include "fakes/fakes.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// The first millisecond after loading at which the damage amount (10 to 19, then 5 to 19 over
/// and over, one step a millisecond) equals `damage`.
std::int64_t stepOfDamage(int damage) {
    return damage >= 10 ? damage - 10 : damage + 5;
}

struct Virus : PlaceTest<FrmVirus> {
    explicit Virus(const char* antivirus = "Пока нет") {
        state().lblAntvirus = antivirus;
        clock.ms = 777;
        open();
    }
    /// Clicks `button` when the damage amount is `damage`.
    void clickAt(const char* button, int damage) {
        clock.ms = 777 + stepOfDamage(damage);
        click(button);
    }
};

const Message kLoss12{"Надо было покупать хороший антивирус.",
                      "Вирус уничтожил  12$ с вашего счета."};
const Message kKilledByKaspersky{"Ураааааааааааааааа. Вирус убит.", "Вам удалось уничтожить вирус",
                                 Icon::Information};
const Message kKilledByIvp{"Ура. Вирус убит.", "Вам удалось уничтожить вирус", Icon::Information};

}  // namespace

// Accepting loses the amount at the click; fighting without an antivirus says so first and
// loses the same amount, however long its box stays open. Either way the window unloads.
TEST(VirusLoss, TakesTheAmountAtTheClickAndUnloadsTheWindow) {
    const std::pair<const char*, Boxes> choices[] = {
        {"cmdKill", {kLoss12}},
        {"cmdLive", {{"Надо было антивирус покупать.", "У вас нет антивируса."}, kLoss12}}};
    for (const auto& [button, boxes] : choices) {
        Virus v;
        v.messages.whileOpen = [&](const Message&) { v.clock.ms += 3; };
        v.clickAt(button, 12);
        EXPECT_EQ(v.messages.shown, boxes);
        EXPECT_EQ(v.money(), "158");
        EXPECT_EQ(v.windows.log, std::vector<std::string>{"close frmVirus"});
    }
    EXPECT_EQ(virusLossText(-3), "Вирус уничтожил -3$ с вашего счета.");
}

// Over a long span the amount runs 10..19 once and then 5..19, every value equally often.
TEST(VirusLoss, TheAmountCyclesEvenly) {
    std::map<std::string, int> seen;
    for (std::int64_t step = 0; step < 10 + 15 * 300; ++step) {
        Virus v;
        v.state().lblMoney = "0";
        v.clock.ms = 777 + step;
        v.click("cmdKill");
        const std::string lost = v.state().lblMoney.substr(1);
        if (step < 10) {
            EXPECT_EQ(lost, std::to_string(10 + step));
        } else {
            ++seen[lost];
        }
    }
    ASSERT_EQ(seen.size(), 15u);
    for (const auto& [amount, count] : seen) EXPECT_EQ(count, 300) << amount;
    EXPECT_EQ(seen.begin()->first, "10");  // "10".."19" and "5".."9" by text order
}

// Which amounts each antivirus beats (the window only hides), and what the player reads when it
// loses before the loss follows.
TEST(VirusFight, EachAntivirusBeatsItsOwnAmounts) {
    struct Case {
        const char* antivirus;
        const char* beaten;
        Message won;
        Message lost;
        int lostAt;
    };
    const Case cases[] = {
        {"Касперского",
         "5 6 7",
         kKilledByKaspersky,
         {"Надо было покупать хороший антивирус.",
          "К сожалению антивирус Касперского не смог уничтожить этот вирус."},
         8},
        {"IVP 100",
         "5 6 7 8 9 10 11 12 13 14 16 17 18 19",
         kKilledByIvp,
         {"Не могу убить!", "К сожалению антивирус IVP 100 не смог уничтожить этот вирус."},
         15},
    };
    for (const Case& c : cases) {
        std::string beaten;
        for (int damage = 5; damage <= 19; ++damage) {
            Virus v(c.antivirus);
            v.clickAt("cmdLive", damage);
            if (v.state().lblMoney != "170") continue;
            beaten += (beaten.empty() ? "" : " ") + std::to_string(damage);
            EXPECT_EQ(v.messages.shown, std::vector<Message>{c.won}) << damage;
            EXPECT_EQ(v.windows.log, std::vector<std::string>{"hide frmVirus"});
        }
        EXPECT_EQ(beaten, c.beaten);
        Virus v(c.antivirus);
        v.clickAt("cmdLive", c.lostAt);
        ASSERT_EQ(v.messages.shown.size(), 2u);
        EXPECT_EQ(v.messages.shown.front(), c.lost);
        EXPECT_EQ(v.state().lblMoney, std::to_string(170 - c.lostAt));
        EXPECT_EQ(v.windows.log.back(), "close frmVirus");
    }
}

TEST(VirusWindow, TheHeadingBlinksWhiteFirstAndTheWindowStaysUntilTheChoice) {
    Virus v;
    EXPECT_EQ(v.place->timers().at("Timer1").interval, 700);
    std::string colours;
    for (int tick = 0; tick < 3; ++tick, v.place->onTimer("Timer1"))
        colours += v.place->headingWhite() ? "W" : "R";
    EXPECT_EQ(colours, "RWR");
    EXPECT_FALSE(v.place->onQueryClose());
}

// The tenth tick of a complete computer opens the window; a won fight hides it, and the next
// virus shows the same window, its amount still running rather than back at 10.
TEST(VirusWindow, ALifeTickOpensItAndAWonFightKeepsItForTheNextVirus) {
    TestGame t;
    GameState& s = t.state();
    t.windows.registerPlace<FrmVirus>("frmVirus");
    s.lblComp = s.lblMonitor = s.lblVinchester = s.lblRAM = s.lblSystem = "есть";
    s.lblAntvirus = "IVP 100";
    for (int tick = 1; tick <= 10; ++tick) {
        s.lblHungry = s.lblHappyness = "30";
        ASSERT_TRUE(lifeTick(t.game));
    }
    auto* virus = dynamic_cast<FrmVirus*>(t.windows.find("frmVirus"));
    ASSERT_NE(virus, nullptr);
    EXPECT_EQ((*virus)["lblHMV"].text, "10");
    EXPECT_EQ(s.lblVir, "0");
    t.clock.ms += stepOfDamage(7);
    virus->onClick("cmdLive");
    EXPECT_EQ(t.windows.log.back(), "hide frmVirus");

    s.lblVir = "11";
    s.lblHungry = s.lblHappyness = "30";
    ASSERT_TRUE(lifeTick(t.game));
    EXPECT_EQ(t.windows.find("frmVirus"), virus);
    EXPECT_EQ((*virus)["lblHMV"].text, "12");
    t.clock.ms += 15;  // a full cycle later the amount is 7 again, not 10
    virus->onClick("cmdKill");
    EXPECT_EQ(s.lblMoney, "163");
}
