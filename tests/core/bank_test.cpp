// The bank window: what it shows, the amount check, deposits, withdrawals and their refusals.
#include <gtest/gtest.h>

#include "core/bank.h"
#include "core/lifecycle.h"
#include "fakes/fakes.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

const Message kNotANumber{"Error", "Это не число!", Icon::Error, Buttons::Ok};
const Message kNegative{"Error", "Сумма не может быть меньше нуля!", Icon::Error, Buttons::Ok};

/// A game with the bank open, as the bank trip leaves it.
struct BankVisit : TestGame {
    explicit BankVisit(std::int16_t balance = 0, std::string money = "170") {
        state().BankBalance = balance;
        state().lblMoney = std::move(money);
        windows.registerPlace("frmBank", [](Game& g) { return std::make_unique<FrmBank>(g); });
        bank = windows.load("frmBank");
    }
    /// The player types `text` into a box; the box checks it as it changes.
    void type(const std::string& box, const std::string& text) {
        (*bank)[box].text = text;
        bank->onChange(box);
    }
    /// Types the amount and presses the box's "ОК" if the box lets the player.
    void order(const std::string& box, const std::string& amount) {
        type(box, amount);
        const std::string button = box == "txtPut" ? "cmdPut" : "cmdTake";
        if ((*bank)[button].enabled) bank->onClick(button);
    }
    const std::string& text(const std::string& control) { return (*bank)[control].text; }
    Place* bank = nullptr;
};

}  // namespace

TEST(Bank, OpensOnTheCurrentBalance) {
    BankVisit b(45);
    ASSERT_NE(b.bank, nullptr);
    EXPECT_EQ(b.bank->caption(), "Банк");
    EXPECT_EQ(b.text("lblYHave"), "45");
    EXPECT_EQ(b.text("lblInc"), "2");
    EXPECT_EQ(b.text("cmdPut"), "ОК");
    EXPECT_FALSE((*b.bank)["cmdPut"].enabled);
    EXPECT_FALSE((*b.bank)["cmdTake"].enabled);
    EXPECT_TRUE(b.text("Label5").ends_with("натуральная сумма x \\ 20."));
}

TEST(Bank, AmountBoxAcceptsOnlyNumbers) {
    BankVisit b;
    b.type("txtPut", "1");
    EXPECT_TRUE((*b.bank)["cmdPut"].enabled);
    b.type("txtPut", "1x");
    EXPECT_EQ(b.messages.shown, std::vector<Message>{kNotANumber});
    EXPECT_EQ(b.text("txtPut"), "");
    EXPECT_FALSE((*b.bank)["cmdPut"].enabled);
    b.type("txtTake", " 7");
    EXPECT_TRUE((*b.bank)["cmdTake"].enabled);
    b.type("txtTake", "");
    EXPECT_FALSE((*b.bank)["cmdTake"].enabled);
    EXPECT_EQ(b.messages.shown.size(), 1u);
}

TEST(Bank, DepositingAllTheMoney) {
    BankVisit b;
    b.order("txtPut", "170");
    EXPECT_TRUE(b.messages.shown.empty());
    EXPECT_EQ(b.state().lblMoney, "0");
    EXPECT_EQ(b.state().BankBalance, 170);
    EXPECT_EQ(b.text("lblYHave"), "170");
    EXPECT_EQ(b.text("lblInc"), "8");
    EXPECT_EQ(b.text("txtPut"), "");
    EXPECT_FALSE((*b.bank)["cmdPut"].enabled);
}

TEST(Bank, InterestIsADollarForEveryFullTwenty) {
    for (const auto& [amount, interest] :
         {std::pair{"20", "1"}, {"39", "1"}, {"40", "2"}, {"19.9", "0"}}) {
        BankVisit b;
        b.order("txtPut", amount);
        EXPECT_EQ(b.text("lblInc"), interest) << amount;
    }
}

TEST(Bank, WholeDollarsOnly) {
    BankVisit b(0, "170.5");
    b.order("txtPut", "2.7");
    EXPECT_EQ(b.state().lblMoney, "168");
    EXPECT_EQ(b.state().BankBalance, 2);
}

TEST(Bank, ZeroIsAcceptedAndMovesNothing) {
    BankVisit b(50);
    b.order("txtPut", "0");
    b.order("txtTake", "0");
    EXPECT_TRUE(b.messages.shown.empty());
    EXPECT_EQ(b.state().lblMoney, "170");
    EXPECT_EQ(b.state().BankBalance, 50);
    EXPECT_EQ(b.text("txtPut"), "");
    EXPECT_EQ(b.text("txtTake"), "");
}

TEST(Bank, WithdrawingTheWholeBalance) {
    BankVisit b(100);
    b.order("txtTake", "100");
    EXPECT_EQ(b.state().lblMoney, "270");
    EXPECT_EQ(b.state().BankBalance, 0);
    EXPECT_EQ(b.text("lblYHave"), "0");
    EXPECT_EQ(b.text("lblInc"), "0");
    EXPECT_EQ(b.text("txtTake"), "");
    EXPECT_FALSE((*b.bank)["cmdTake"].enabled);
}

TEST(Bank, MoreThanThereIsMovesNothing) {
    BankVisit b(100);
    b.order("txtPut", "171");
    b.order("txtTake", "101");
    EXPECT_EQ(b.messages.shown,
              (std::vector<Message>{
                  {"Денег нету.", "У вас нет таких денег!", Icon::None, Buttons::Ok},
                  {"Денег нету.", "У вас нет таких денег на счету!", Icon::None, Buttons::Ok}}));
    EXPECT_EQ(b.state().lblMoney, "170");
    EXPECT_EQ(b.state().BankBalance, 100);
    EXPECT_EQ(b.text("lblYHave"), "100");
    EXPECT_EQ(b.text("txtPut"), "");
    EXPECT_EQ(b.text("txtTake"), "");
}

TEST(Bank, NegativeAmountsAreRefused) {
    BankVisit b(100);
    for (const char* amount : {"-5", "-0.5"}) {
        b.order("txtPut", amount);
        b.order("txtTake", amount);
    }
    EXPECT_EQ(b.messages.shown, std::vector<Message>(4, kNegative));
    EXPECT_EQ(b.state().lblMoney, "170");
    EXPECT_EQ(b.state().BankBalance, 100);
    EXPECT_EQ(b.text("txtPut"), "");
    EXPECT_FALSE((*b.bank)["cmdPut"].enabled);
    // A lone minus sign, the start of typing a negative number, is no number at all.
    b.type("txtPut", "-");
    EXPECT_EQ(b.messages.shown.back(), kNotANumber);
}

TEST(Bank, TheAccountCannotGrowPast32767) {
    BankVisit b(32760, "100");
    b.order("txtPut", "8");
    ASSERT_EQ(b.messages.shown.size(), 1u);
    EXPECT_EQ(b.messages.shown[0].title, "Счет полон.");
    EXPECT_EQ(b.messages.shown[0].text,
              "Банк не может принять столько денег: на счету может лежать не больше 32767$.");
    EXPECT_EQ(b.state().lblMoney, "100");
    EXPECT_EQ(b.state().BankBalance, 32760);
    EXPECT_EQ(b.text("txtPut"), "");
    b.order("txtPut", "7");
    EXPECT_EQ(b.state().BankBalance, 32767);
    EXPECT_EQ(b.text("lblYHave"), "32767");
    EXPECT_EQ(b.state().lblMoney, "93");
    // A sum far beyond the pocket is refused for the money, not for the account.
    b.order("txtPut", "99999999999999999999");
    EXPECT_EQ(b.messages.shown.back().text, "У вас нет таких денег!");
}

TEST(Bank, MidnightInterestShowsWhileTheBankIsOpen) {
    BankVisit b(100);
    b.state().lblHours = "23";
    clockTick(b.game);
    EXPECT_EQ(b.state().BankBalance, 105);
    EXPECT_EQ(b.text("lblYHave"), "105");
    EXPECT_EQ(b.text("lblInc"), "5");
}

TEST(Bank, BackClosesTheWindow) {
    BankVisit b;
    b.bank->onClick("cmdBack");
    EXPECT_EQ(b.windows.log.back(), "close frmBank");
    EXPECT_EQ(b.windows.find("frmBank"), nullptr);
}
