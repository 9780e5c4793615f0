// The slot machine: packs of five spins, the reels and the pay table.
#include <gtest/gtest.h>

#include "fakes/fakes.h"
#include "leisure/slots.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// The chance that Int(Rnd * 3) turns into `symbol`.
double reel(int symbol) {
    return (symbol + 0.5) / 3;
}

struct Slots : PlaceTest<FrmRuletka2> {
    explicit Slots(const char* money = "100") : PlaceTest(money, "50") {}
    void spin(int a, int b, int c) {
        random.values = {reel(a), reel(b), reel(c)};
        click("cmdStart");
    }
    std::string reels() {
        return (*this)["imgPict1"].picture + " " + (*this)["imgPict2"].picture + " " +
               (*this)["imgPict3"].picture;
    }
    std::string buttons() {
        return std::string((*this)["cmdBVrash"].enabled ? "buy" : "-") +
               ((*this)["cmdStart"].enabled ? " spin" : " -");
    }
};

}  // namespace

TEST(Slots, APackCostsNineDollarsAndFourMoodWithoutAMoneyTest) {
    Slots s("0");
    EXPECT_EQ(s["lblVrash"].text + " " + s.buttons(), "0 buy -");
    s.click("cmdBVrash");
    EXPECT_EQ(s.moneyAndMood(), "-9 46");
    EXPECT_EQ(s["lblYMoney"].text + " " + s["lblVrash"].text + " " + s.buttons(), "-9 5 - spin");
    EXPECT_TRUE(s.messages.shown.empty());
}

// The pay table in the order written: reels 1 and 2 equal always win, the third picks the row.
TEST(Slots, EveryCombinationPaysItsRowAndAWinLeavesTheMoodAlone) {
    const std::tuple<int, int, int, int> table[] = {
        {1, 1, 0, 1}, {2, 2, 0, 2},  {0, 0, 1, 3},  {2, 2, 1, 4},  {0, 0, 2, 5},
        {1, 1, 2, 6}, {0, 0, 0, 10}, {1, 1, 1, 15}, {2, 2, 2, 20},
    };
    for (const auto& [a, b, c, win] : table) {
        Slots s;
        s.click("cmdBVrash");
        s.spin(a, b, c);
        EXPECT_EQ(s.state().lblMoney + " " + s["lblYMoney"].text,
                  std::to_string(91 + win) + " " + std::to_string(91 + win))
            << a << b << c;
        EXPECT_EQ(s.state().lblHappyness, "46");
        const Message won{"You WON!", "Вы выиграли  " + std::to_string(win) + " $"};
        EXPECT_EQ(s.messages.shown, std::vector<Message>{won});
    }
    Slots s;
    s.click("cmdBVrash");
    for (const auto& [a, b, c] : {std::tuple{0, 1, 0}, {2, 1, 2}, {1, 0, 0}}) s.spin(a, b, c);
    EXPECT_EQ(s.reels(), "reel_apple reel_cherries reel_cherries");
    EXPECT_EQ(s.state().lblMoney, "91");
    EXPECT_TRUE(s.messages.shown.empty());
    EXPECT_EQ(s.random.reseeds, 3);  // once before every spin
}

TEST(Slots, TheTableShowsSmallPicturesOfItsRowsAndTheirWins) {
    Slots s;
    EXPECT_EQ(s["imgS_0"].picture + " " + s["imgS_1"].picture + " " + s["imgS_2"].picture + " " +
                  s["lblWin1_0"].text,
              "reel_apple_small reel_apple_small reel_cherries_small 1");
    EXPECT_EQ(s["imgS_26"].picture + " " + s["lblWin1_8"].text, "reel_hamburger_small 20");
}

// The last spin of a pack turns the buttons over before its reels stop and its win is told.
TEST(Slots, TheFifthSpinEndsThePackBeforeItsReelsShow) {
    Slots s;
    s.click("cmdBVrash");
    for (int spin = 0; spin < 4; ++spin) s.spin(0, 1, 2);
    EXPECT_EQ(s["lblVrash"].text + " " + s.buttons(), "1 - spin");
    std::string during;
    s.messages.whileOpen = [&s, &during](const Message&) {
        during = s["lblVrash"].text + " " + s.buttons() + " " + s.reels();
    };
    s.spin(2, 2, 2);
    EXPECT_EQ(during, "0 buy - reel_hamburger reel_hamburger reel_hamburger");
    s.click("cmdStart");  // a disabled button does nothing
    EXPECT_EQ(s["lblVrash"].text + " " + s.state().lblMoney, "0 111");
}

TEST(Slots, LeavingLosesTheSpinsLeft) {
    Slots s;
    s.click("cmdBVrash");
    s.spin(0, 1, 2);
    s.click("cmdBack");
    EXPECT_EQ(s.windows.log.front(), "replace frmRuletka2 frmParty");
    s.open();
    EXPECT_EQ(s["lblVrash"].text + " " + s.buttons(), "0 buy -");
    EXPECT_EQ(s.state().lblMoney, "91");
}
