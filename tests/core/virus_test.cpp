// The virus window: the damage amount, the loss, the fight by antivirus, and the window that a life
// tick opens, a won fight hides and the next virus brings back.
#include <gtest/gtest.h>

#include "computer/virus.h"
#include "core/lifecycle.h"
#include "fakes/fakes.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

struct Virus : PlaceTest<FrmVirus> {
    explicit Virus(const char* antivirus = "Пока нет") {
        state().lblAntvirus = antivirus;
        clock.ms = 777;
        open();
    }
    /// Clicks `button` at the first millisecond when the damage amount, 10 to 19 and then 5 to
    /// 19 over and over, one step a millisecond, is `damage`.
    void clickAt(const char* button, int damage) {
        clock.ms = 777 + (damage >= 10 ? damage - 10 : damage + 5);
        click(button);
    }
};

Message loss(int damage) {
    return {"Надо было покупать хороший антивирус.",
            "Вирус уничтожил  " + std::to_string(damage) + "$ с вашего счета."};
}

/// Ticks the life of `t` `ticks` times, fed and cheerful.
void live(TestGame& t, int ticks) {
    for (int tick = 0; tick < ticks; ++tick) {
        t.state().lblHungry = t.state().lblHappyness = "30";
        ASSERT_TRUE(lifeTick(t.game));
    }
}

}  // namespace

// Accepting loses the amount at the click and unloads the window; the amount runs 10..19 once
// and then 5..19 over and over. Only a choice closes the window.
TEST(VirusLoss, AcceptingLosesTheAmountAtTheClick) {
    std::string lost;
    for (std::int64_t step : {0, 1, 9, 10, 11, 24, 25, 15 * 1000 + 13}) {
        Virus v;
        EXPECT_FALSE(v.place->onQueryClose());
        v.clock.ms += step;
        v.click("cmdKill");
        lost += v.money() + " ";
        EXPECT_EQ(v.messages.shown, Boxes{loss(170 - std::stoi(v.money()))});
        EXPECT_EQ(v.windows.log, std::vector<std::string>{"close frmVirus"});
    }
    EXPECT_EQ(lost, "160 159 151 165 164 151 165 162 ");
}

// Which amounts each antivirus beats (the window only hides, nothing is lost), and what the
// player reads when it loses before the loss of the amount at the click, however long the box
// stays open.
TEST(VirusFight, EachAntivirusBeatsItsOwnAmounts) {
    const std::tuple<const char*, const char*, const char*, const char*, const char*> cases[] = {
        {"Пока нет", "", "", "Надо было антивирус покупать.", "У вас нет антивируса."},
        {"Касперского", " 5 6 7 ", "Ураааааааааааааааа. Вирус убит.",
         "Надо было покупать хороший антивирус.",
         "К сожалению антивирус Касперского не смог уничтожить этот вирус."},
        {"IVP 100", " 5 6 7 8 9 10 11 12 13 14 16 17 18 19 ", "Ура. Вирус убит.", "Не могу убить!",
         "К сожалению антивирус IVP 100 не смог уничтожить этот вирус."},
    };
    for (const auto& [antivirus, beaten, wonTitle, lostTitle, lostText] : cases) {
        const Message won{wonTitle, "Вам удалось уничтожить вирус", Icon::Information};
        const Message lost{lostTitle, lostText};
        for (int damage = 5; damage <= 19; ++damage) {
            SCOPED_TRACE(std::string(antivirus) + " " + std::to_string(damage));
            const bool beat =
                std::string(beaten).find(" " + std::to_string(damage) + " ") != std::string::npos;
            Virus v(antivirus);
            v.messages.whileOpen = [&](const Message&) { v.clock.ms += 3; };
            v.clickAt("cmdLive", damage);
            EXPECT_EQ(v.messages.shown, (beat ? Boxes{won} : Boxes{lost, loss(damage)}));
            EXPECT_EQ(v.money(), std::to_string(beat ? 170 : 170 - damage));
            EXPECT_EQ(v.windows.log.back(), beat ? "hide frmVirus" : "close frmVirus");
        }
    }
}

// Only a computer with processor, monitor, disk, memory and system counts viruses, and its tenth
// life tick opens the window; a won fight hides it, and the next virus shows the same window,
// its amount still running rather than back at 10.
TEST(VirusWindow, ALifeTickOpensItAndAWonFightKeepsItForTheNextVirus) {
    const auto parts = {&GameState::lblComp, &GameState::lblMonitor, &GameState::lblVinchester,
                        &GameState::lblRAM, &GameState::lblSystem};
    for (std::string GameState::*missing : parts) {
        TestGame t;
        for (std::string GameState::*part : parts) t.state().*part = "есть";
        t.state().*missing = "Пока нет";
        live(t, 12);
        EXPECT_EQ(t.state().lblVir, "0");
    }
    TestGame t;
    GameState& s = t.state();
    t.windows.registerPlace<FrmVirus>("frmVirus");
    for (std::string GameState::*part : parts) s.*part = "есть";
    s.lblAntvirus = "IVP 100";
    live(t, 10);
    auto* virus = dynamic_cast<FrmVirus*>(t.windows.find("frmVirus"));
    ASSERT_NE(virus, nullptr);
    EXPECT_EQ((*virus)["lblHMV"].text + " " + s.lblVir, "10 0");
    t.clock.ms += 12;  // the amount is 7
    virus->onClick("cmdLive");
    EXPECT_EQ(t.windows.log.back(), "hide frmVirus");

    s.lblVir = "10";  // NC installed at 9: the next tick opens the window at 11
    live(t, 1);
    EXPECT_EQ(t.windows.find("frmVirus"), virus);
    EXPECT_EQ((*virus)["lblHMV"].text, "11");
    t.clock.ms += 15;  // a full cycle later the amount is 7 again, not 10
    virus->onClick("cmdKill");
    EXPECT_EQ(s.lblMoney, "163");
}
