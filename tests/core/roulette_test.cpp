// The roulette: the key filter, the checks before a spin, the hidden counter, settling, leaving.
#include <gtest/gtest.h>

#include "fakes/fakes.h"
#include "leisure/roulette.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// The chance that Int(Rnd * 13) turns into `number`.
double counterShows(int number) {
    return (number + 0.5) / 13;
}

struct Roulette : PlaceTest<FrmRuletka> {
    explicit Roulette(const char* money = "170") : PlaceTest(money, "50") {}
    void bet(const char* number, const char* stake) {
        (*this)["txtChis"].text = number;
        (*this)["txtStav"].text = stake;
        click("cmdStart");
    }
    /// Lets the hidden counter run and stops it on `number`.
    void stopAt(int number, std::int64_t afterMs = 1234) {
        clock.ms += afterMs;
        random.values = {counterShows(number)};
        click("cmdStop");
    }
    /// A whole game: bet, stop on `number`, settle.
    void play(const char* bet_, const char* stake, int number) {
        bet(bet_, stake);
        stopAt(number);
        click("cmdStop");
    }
    /// What can be pressed or typed into: start, stop (with its caption), the boxes.
    std::string phase() {
        const Control& stop = (*this)["cmdStop"];
        return std::string((*this)["cmdStart"].enabled ? "start " : "- ") + stop.text +
               (stop.enabled ? " on" : " off") +
               ((*this)["txtChis"].enabled && (*this)["txtStav"].enabled ? " boxes" : " -") +
               ((*this)["lblNum"].visible ? " " + (*this)["lblNum"].text : " hidden");
    }
};

}  // namespace

TEST(RouletteKeys, OnlyDigitsAndBackspaceReachTheBoxesTypedOrPasted) {
    Roulette r;
    for (const char* box : {"txtChis", "txtStav"}) {
        for (const char32_t key : {U'0', U'7', U'9', char32_t{8}})
            EXPECT_TRUE(r.place->onKeyPress(box, key)) << box << " " << int(key);
        for (const char32_t key : {U'-', U'a', U'Ж', U' ', U'.', char32_t{13}})
            EXPECT_FALSE(r.place->onKeyPress(box, key)) << box << " " << int(key);
    }
    EXPECT_EQ(r.messages.shown, Boxes(12, Message{"Это не число!", "Это не число!"}));
    // Pasted or dropped text bypasses the key filter: the boxes keep only what could be typed.
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"txtChis", "-5", "5"}, {"txtChis", "123", "12"}, {"txtStav", "1 0,5", "105"},
        {"txtStav", "Ж9", "9"}, {"txtStav", "abc", ""},
    };
    for (const auto& [box, pasted, kept] : cases) {
        r[box].text = pasted;
        r.place->onChange(box);
        EXPECT_EQ(r[box].text, kept) << pasted;
    }
    EXPECT_EQ(r.messages.shown.size(), 12u);  // no box for pasted text
}

// Each check in its turn; a refused start changes nothing but the number box above 13.
TEST(RouletteStart, TheChecksComeInOrderAndRefuseWithTheirOwnBoxes) {
    const Message above13{"Не больше 13!", "Необъодимо вводить числа не больше 13!"};
    const Message empty{"Окна не заполнены.", "Вы не заполнили какое-то окно."};
    const Message poor{"У вас нет таких денег.", "У вас нет таких денег."};
    const Message zero{"0.", "Ставка не может быть равна нулю."};
    const std::tuple<const char*, const char*, const char*, Message, const char*> cases[] = {
        {"170", "14", "", above13, ""}, {"170", "99", "999", above13, ""},
        {"170", "", "5", empty, ""},    {"170", "5", "", empty, "5"},
        {"170", "5", "171", poor, "5"}, {"170.9", "5", "171", poor, "5"},
        {"-1", "5", "1", poor, "5"},    {"-0.5", "5", "0", poor, "5"},
        {"170", "5", "0", zero, "5"},   {"0", "05", "000", zero, "05"},
    };
    for (const auto& [money, number, stake, box, numberAfter] : cases) {
        Roulette r(money);
        r.bet(number, stake);
        EXPECT_EQ(r.messages.shown, Boxes{box}) << money << " " << number << " " << stake;
        EXPECT_EQ(r["txtChis"].text, numberAfter);
        EXPECT_EQ(r.phase(), "start СТОП off boxes 00");
        EXPECT_EQ(r.moneyAndMood(), std::string(money) + " 50");
        EXPECT_EQ(r.random.reseeds, 0);
    }
}

// The stake stays with the player until the game is settled; a hit pays three times the stake
// on top of the money held before the game.
TEST(RouletteGame, AWinPaysThreeTimesTheStakeAndMuchMood) {
    Roulette r;
    r.bet("05", "170");  // the whole money may be staked
    EXPECT_EQ(r["txtChis"].text, "5");
    EXPECT_EQ(r.phase(), "- СТОП on - hidden");
    EXPECT_EQ(r.moneyAndMood(), "170 50");
    EXPECT_EQ(r.random.reseeds, 1);
    r.stopAt(5);
    EXPECT_EQ(r.phase(), "- OK on - 5");
    EXPECT_TRUE(r.messages.shown.empty());
    r.click("cmdStop");
    EXPECT_EQ(r.moneyAndMood(), "680 75");
    const Message won{"Ура-а-а-а-а!!!",
                      "Вы выиграли! У вас поднялось настроение и вы выиграли  510$"};
    EXPECT_EQ(r.messages.shown, Boxes{won});
    EXPECT_EQ(r.phase(), "start OK off boxes 5");
}

TEST(RouletteGame, AMissTakesTheStakeAndTwoMoodAndThirteenNeverWins) {
    Roulette r;
    r.play("0", "10", 7);
    EXPECT_EQ(r.moneyAndMood(), "160 48");
    EXPECT_EQ(r.lastBox(), (Message{"Ой Ой Ой", "Вы проиграли и потеряли  10$"}));
    EXPECT_EQ(r.phase(), "start OK off boxes 7");
    for (const int number : {0, 12}) r.play("13", "1", number);
    EXPECT_EQ(r.moneyAndMood(), "158 44");
    r.play("00", "10", 0);  // "00" becomes "0", which the counter shows
    EXPECT_EQ(r.moneyAndMood(), "188 69");
}

// The counter changes every 10 ms: stopped before its first tick it still shows its last number.
TEST(RouletteGame, ACounterStoppedBeforeItsFirstTickKeepsItsNumber) {
    Roulette r;
    r.bet("0", "1");
    r.stopAt(3, 9);
    EXPECT_EQ(r.phase(), "- OK on - 00");
    r.click("cmdStop");  // "00" is not "0"
    EXPECT_EQ(r.moneyAndMood(), "169 48");
    r.bet("3", "1");
    r.stopAt(3, 10);
    EXPECT_EQ(r["lblNum"].text, "3");
}

TEST(RouletteLeave, BackIsRefusedWhileSpinningAndBeforeSettling) {
    const Message spinning{"Нацми на <СТОП>", "Нажмите на кнопку <СТОП>"};
    const Message unsettled{"Нацми на <OK>", "Нажмите на кнопку <OK>"};
    Roulette r;
    r.bet("4", "20");
    r.click("cmdBack");
    EXPECT_FALSE(r.place->onQueryClose());
    r.stopAt(9);
    r.click("cmdBack");
    EXPECT_EQ(r.messages.shown, (Boxes{spinning, spinning, unsettled}));
    EXPECT_TRUE(r.windows.log.empty());
    r.click("cmdStop");
    r.click("cmdBack");
    EXPECT_EQ(r.windows.log.front(), "replace frmRuletka frmParty");
}
