// The bank window: the amount check, deposits, withdrawals and their refusals. The midnight
// interest shown while the bank is open is tested on the real windows.
#include <gtest/gtest.h>

#include "core/bank.h"
#include "fakes/fakes.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// A game with the bank open, as the bank trip leaves it.
struct BankVisit : TestGame {
    explicit BankVisit(std::int16_t balance = 0, std::string money = "170") {
        state().BankBalance = balance;
        state().lblMoney = std::move(money);
        windows.registerPlace<FrmBank>("frmBank");
        bank = windows.load("frmBank");
    }
    std::string button(const std::string& box) { return box == "txtPut" ? "cmdPut" : "cmdTake"; }
    /// Types the amount (the box checks it as it changes) and presses the box's "ОК" if enabled.
    void order(const std::string& box, const std::string& amount, bool press = true) {
        (*bank)[box].text = amount;
        bank->onChange(box);
        if (press && (*bank)[button(box)].enabled) bank->onClick(button(box));
    }
    const std::string& text(const std::string& control) { return (*bank)[control].text; }
    Place* bank = nullptr;
};

const Message kNotANumber{"Error", "Это не число!", Icon::Error, Buttons::Ok};
const Message kNegative{"Error", "Сумма не может быть меньше нуля!", Icon::Error, Buttons::Ok};
const Message kNoCash{"Денег нету.", "У вас нет таких денег!", Icon::None, Buttons::Ok};
const Message kNoSavings{"Денег нету.", "У вас нет таких денег на счету!", Icon::None, Buttons::Ok};
const Message kFull{"Счет полон.",
                    "Банк не может принять столько денег: на счету может лежать не больше 32767$.",
                    Icon::None, Buttons::Ok};

}  // namespace

TEST(Bank, OKIsOfferedOnlyForAnAmount) {
    BankVisit b;
    for (const std::string box : {"txtPut", "txtTake"}) {
        b.order(box, " 7", false);
        EXPECT_TRUE((*b.bank)[b.button(box)].enabled);
        b.order(box, "", false);
        EXPECT_FALSE((*b.bank)[b.button(box)].enabled);
    }
}

// Every order empties its box and disables its "ОК", whether it went through or not.
TEST(Bank, OrdersMoveWholeDollarsOrAreRefused) {
    // Balance and pocket money at the start, the box and what is typed into it, the refusal
    // if any; then the money, balance and interest shown.
    using Case = std::tuple<std::int16_t, const char*, const char*, const char*, const Message*,
                            const char*>;
    const Case cases[] = {
        {0, "170", "txtPut", "170", nullptr, "0 170 8"},
        {0, "170", "txtPut", "20", nullptr, "150 20 1"},
        {0, "170", "txtPut", "39", nullptr, "131 39 1"},
        {0, "170", "txtPut", "40", nullptr, "130 40 2"},
        {0, "170.7", "txtPut", "19.9", nullptr, "151 19 0"},  // whole parts, rounded down
        {50, "170", "txtPut", "0", nullptr, "170 50 2"},
        {50, "170", "txtTake", "0", nullptr, "170 50 2"},
        {100, "170", "txtTake", "100", nullptr, "270 0 0"},
        {100, "170", "txtTake", "2.9", nullptr, "172 98 4"},
        {0, "170", "txtPut", "1x", &kNotANumber, "170 0 0"},
        {100, "170", "txtPut", "171", &kNoCash, "170 100 5"},
        {100, "170", "txtPut", "99999999999999999999", &kNoCash, "170 100 5"},
        {100, "170", "txtTake", "101", &kNoSavings, "170 100 5"},
        {100, "170", "txtPut", "-5", &kNegative, "170 100 5"},
        {100, "170", "txtTake", "-0.5", &kNegative, "170 100 5"},
        {32760, "100", "txtPut", "8", &kFull, "100 32760 1638"},
        {32760, "100", "txtPut", "7", nullptr, "93 32767 1638"},
    };
    for (const auto& [balance, money, box, amount, refusal, moneyBalanceInterest] : cases) {
        SCOPED_TRACE(std::string(box) + " " + amount);
        BankVisit b(balance, money);
        b.order(box, amount);
        EXPECT_EQ(b.messages.shown, refusal ? std::vector{*refusal} : std::vector<Message>{});
        const GameState& s = b.state();
        EXPECT_EQ(s.lblMoney + " " + std::to_string(s.BankBalance) + " " + b.text("lblInc"),
                  moneyBalanceInterest);
        EXPECT_EQ(b.text("lblYHave"), std::to_string(s.BankBalance));
        EXPECT_EQ(b.text(box), "");
        EXPECT_FALSE((*b.bank)[b.button(box)].enabled);
    }
}
