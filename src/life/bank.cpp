#include "life/bank.h"

#include <limits>

#include "framework/number.h"
#include "game/lifecycle.h"
#include "game/windownames.h"

namespace brankor {
namespace {

constexpr const char* kNoMoneyTitle = "Денег нету.";
// The account holds a 16-bit number: a deposit past this is refused.
constexpr long long kMaxBalance = std::numeric_limits<std::int16_t>::max();

}  // namespace

void FrmBank::showBalance() {
    const std::int16_t balance = state().BankBalance;
    (*this)["lblYHave"].text = writeNumber(balance);
    (*this)["lblInc"].text = writeNumber(balance / kDollarsPerInterest);
}

FrmBank::FrmBank(Game& g) : GamePlace(g, window::kBank, "Банк") {
    declare("Label5",
            {.text = "Добро пожаловать в Банк. Здесь вы можете положить ваши деньги на "
                     "сохранение и получать проценты. Чтобы к вам на счет потекли проценты, вы "
                     "должны положить сумму большую или равную 20$. Если вы положили x$ то вам "
                     "будет начисляться натуральная сумма x \\ 20."});
    declare("lblYHave", {.text = "0"});
    declare("lblInc", {.text = "0"});
    declare("txtPut");
    declare("cmdPut", {.text = "ОК", .enabled = false});
    declare("txtTake");
    declare("cmdTake", {.text = "ОК", .enabled = false});
    declare("cmdBack", {.text = "<< Назад"});
}

void FrmBank::onLoad() {
    showBalance();
}

void FrmBank::onGameChanged() {
    showBalance();
}

void FrmBank::onChange(const std::string& control) {
    if (control == "txtPut") checkAmount("txtPut", "cmdPut");
    if (control == "txtTake") checkAmount("txtTake", "cmdTake");
}

void FrmBank::onClick(const std::string& control) {
    if (control == "cmdPut") deposit();
    if (control == "cmdTake") withdraw();
    if (control == "cmdBack") close();
}

bool FrmBank::checkAmount(const std::string& box, const std::string& button) {
    Control& amount = (*this)[box];
    if (amount.text.empty()) {
        (*this)[button].enabled = false;
        return false;
    }
    if (!isNumber(amount.text)) {
        game.tell("Error", "Это не число!", Icon::Error);
        clearAmount(box, button);
        return false;
    }
    // A negative amount would move money the wrong way past every check below.
    if (wholeNumber(amount.text) < 0) {
        game.tell("Error", "Сумма не может быть меньше нуля!", Icon::Error);
        clearAmount(box, button);
        return false;
    }
    (*this)[button].enabled = true;
    return true;
}

void FrmBank::clearAmount(const std::string& box, const std::string& button) {
    (*this)[box].text.clear();
    (*this)[button].enabled = false;
}

void FrmBank::deposit() {
    if (!checkAmount("txtPut", "cmdPut")) return;
    GameState& s = state();
    const long long amount = wholeNumber((*this)["txtPut"].text);
    const long long money = wholeNumber(s.lblMoney);
    if (amount > money) {
        game.tell(kNoMoneyTitle, "У вас нет таких денег!", Icon::None);
    } else if (s.BankBalance + amount > kMaxBalance) {
        game.tell("Счет полон.",
                  "Банк не может принять столько денег: на счету может лежать не больше " +
                      std::to_string(kMaxBalance) + "$.",
                  Icon::None);
    } else {
        s.lblMoney = writeNumber(static_cast<double>(money - amount));
        s.BankBalance = static_cast<std::int16_t>(s.BankBalance + amount);
        showBalance();
        game.remember(DiaryEventKind::Deposit, "В банк положено: " + std::to_string(amount) + " $");
    }
    clearAmount("txtPut", "cmdPut");
}

void FrmBank::withdraw() {
    if (!checkAmount("txtTake", "cmdTake")) return;
    GameState& s = state();
    const long long amount = wholeNumber((*this)["txtTake"].text);
    if (amount > s.BankBalance) {
        game.tell(kNoMoneyTitle, "У вас нет таких денег на счету!", Icon::None);
    } else {
        s.lblMoney = writeNumber(static_cast<double>(wholeNumber(s.lblMoney) + amount));
        s.BankBalance = static_cast<std::int16_t>(s.BankBalance - amount);
        showBalance();
        game.remember(DiaryEventKind::Withdrawal,
                      "Из банка снято: " + std::to_string(amount) + " $");
    }
    clearAmount("txtTake", "cmdTake");
}

}  // namespace brankor
