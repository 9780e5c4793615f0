// The trip to the bank (car, taxi fare, accident and lawsuit) and the bank window: the amount
// check, deposits, withdrawals and their refusals; and the number rule every field is read by.
#include <gtest/gtest.h>

#include "core/bank.h"
#include "core/navigation.h"
#include "core/number.h"
#include "fakes/fakes.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

const Message kTaxi{"Требуется машина. Хотите ли вы взять такси?",
                    "Банк - это отличный способ сохранения и накопления денег. К сожалению, банк "
                    "находится далеко от вашего дома и без машины вам не удастся доехать до него. "
                    "Но вы можете взять такси за 10$ и доехать до банка, либо купить собственную "
                    "машину в магазине.\r\n\r\nХотите ли вы взять такси за 10$ и доехать до банка?",
                    Icon::Question, Buttons::YesNo};
const std::string kNoFare = "Нет денег.", kCrash = ":-(((", kSue = "Суд?", kWon = "Дело выиграно",
                  kLost = "Дело проиграно", kDrawn = "Дело не выиграно, но и не проиграно.";

// A draw that makes the trip from 1 to 15 land on the accident: Int(0.35 * 15 + 1) = 6.
constexpr double kAccident = 0.35;
constexpr Answer Y = Answer::Yes, N = Answer::No;

using Log = std::vector<std::string>;

const Message kNotANumber{"Error", "Это не число!", Icon::Error};
const Message kNegative{"Error", "Сумма не может быть меньше нуля!", Icon::Error};
const Message kNoCash = plain("Денег нету.", "У вас нет таких денег!");
const Message kNoSavings = plain("Денег нету.", "У вас нет таких денег на счету!");
const Message kFull = plain(
    "Счет полон.", "Банк не может принять столько денег: на счету может лежать не больше 32767$.");

}  // namespace

// Picture buttons open their places modal, except the software shop; hacking takes a hacker.
TEST(PictureButtons, OpenTheirPlacesAndOnlyAHackerOrBetterGetsIntoHacking) {
    TestGame t;
    openPlace(t.game, "imgPrograms");
    for (const char* status : {"Почти хакер", "Хакер", "Сверх профессионал"}) {
        t.state().lblStatus = status;
        openPlace(t.game, "imgHakker");
    }
    EXPECT_EQ(t.windows.log,
              (Log{"load frmPrograms", "show frmPrograms modeless", "load frmHakerstvo",
                   "show frmHakerstvo modal", "show frmHakerstvo modal"}));
    EXPECT_EQ(t.messages.shown,
              Boxes{plain("Вы должны быть хакер.", "Ваш статус должен быть хакер.")});
}

// From a new game (mood 30, satiety 30): a car?, money, answers, chance draws; then the boxes after
// the taxi question (asked without a car), the money, mood and satiety, and whether the bank opens.
TEST(BankTrip, CarFareAccidentAndLawsuit) {
    using Case = std::tuple<bool, const char*, std::deque<Answer>, std::deque<double>,
                            std::vector<std::string>, const char*, bool>;
    const Case cases[] = {
        {true, "170", {}, {}, {}, "170 30 30", true},
        {false, "170", {N}, {}, {}, "170 30 30", false},
        {false, "9.5", {Y}, {}, {kNoFare}, "9.5 30 30", false},
        {false, "10", {Y}, {0.0}, {}, "0 30 30", true},
        {false, "170", {Y}, {0.3333}, {}, "160 30 30", true},  // trip 5 of 15
        {false, "170", {Y, N}, {kAccident}, {kCrash, kSue}, "130 20 24", true},
        {false, "170", {Y, Y}, {kAccident, 0.0}, {kCrash, kSue, kWon}, "155 27 22", true},
        {false, "10", {Y, Y}, {kAccident, 0.5}, {kCrash, kSue, kLost}, "-45 15 19", true},
        {false, "170", {Y, Y}, {kAccident, 0.99}, {kCrash, kSue, kDrawn}, "140 22 21", true},
    };
    for (auto [car, money, answers, draws, boxes, moneyMoodSatiety, arrives] : cases) {
        TestGame t;
        setCar(t.state(), car ? 1 : 0);
        t.state().lblMoney = money;
        t.messages.answers = answers;
        t.random.values = draws;
        openPlace(t.game, "imgBank");
        SCOPED_TRACE(moneyMoodSatiety);
        if (!car) boxes.insert(boxes.begin(), kTaxi.title);
        EXPECT_EQ(t.titles(), boxes);
        EXPECT_TRUE(car || t.messages.shown[0] == kTaxi);
        GameState& s = t.state();
        EXPECT_EQ(s.lblMoney + " " + s.lblHappyness + " " + s.lblHungry, moneyMoodSatiety);
        EXPECT_EQ(t.windows.log, (arrives ? Log{"load frmBank", "show frmBank modal"} : Log{}));
        // The trip's chance is reseeded from the clock once the fare is paid.
        EXPECT_EQ(t.random.reseeds, draws.empty() ? 0 : 1);
    }
}

// One visit's orders: each empties its box and disables its "ОК", whether it went through or not;
// whole dollars move, and the account holds at most 32767 $.
TEST(Bank, OrdersMoveWholeDollarsOrAreRefused) {
    TestGame t;
    t.state().BankBalance = 32760;
    t.state().lblMoney = "100.7";
    t.windows.registerPlace<FrmBank>("frmBank");
    Place& bank = *t.windows.load("frmBank");
    std::string seen;
    const auto order = [&](const std::string& box, const char* amount) {
        const std::string ok = box == "txtPut" ? "cmdPut" : "cmdTake";
        bank[box].text = amount;  // the box checks the amount as it changes
        bank.onChange(box);
        if (bank[ok].enabled) bank.onClick(ok);
        EXPECT_EQ(bank[box].text + (bank[ok].enabled ? "enabled" : ""), "") << amount;
        seen += t.money() + " " + bank["lblYHave"].text + " " + bank["lblInc"].text + "|";
    };
    for (const char* amount : {"8", "7.9"}) order("txtPut", amount);
    order("txtTake", "32767");
    for (const char* amount : {"1x", "32861", "99999999999999999999", "-5"})
        order("txtPut", amount);
    order("txtTake", "1");
    order("txtPut", "170");
    order("txtTake", "2.9");
    EXPECT_EQ(seen,
              "100.7 32760 1638|93 32767 1638|32860 0 0|32860 0 0|32860 0 0|32860 0 0|32860 0 "
              "0|32860 0 0|32690 170 8|32692 168 8|");
    EXPECT_EQ(t.messages.shown,
              (Boxes{kFull, kNotANumber, kNoCash, kNoCash, kNegative, kNoSavings}));
}

// What a field reads as a number, and what a text box accepts as an amount.
TEST(NumberRule, ReadsTheLongestLeadingDecimalNumberAndAcceptsOnlyAWholeOneInABox) {
    const std::pair<const char*, double> cases[] = {
        {"OK", 0},       {"Пока нет", 0}, {"", 0},      {"8 уровень", 8}, {"-12", -12},
        {"  42abc", 42}, {"+7", 7},       {"1.5", 1.5}, {".5", 0.5},      {"3.", 3},
        {"-", 0},        {".", 0},        {"1e3", 1},   {"05", 5}};  // no exponents: "1e3" reads 1
    for (const auto& [text, number] : cases) EXPECT_DOUBLE_EQ(readNumber(text), number) << text;
    std::string written = writeNumber(-0.0) + " " + writeNumber(2.5);
    for (const char* text : {"2.7", "-2.5"}) written += " " + std::to_string(wholeNumber(text));
    EXPECT_EQ(written, "0 2.5 2 -3");
    for (const char* yes : {"12", " 7", "1.5", "-3", "+4", ".5", "7 "})
        EXPECT_TRUE(isNumber(yes)) << yes;
    for (const char* no : {"abc", "-", ".", "1e3", "", " ", "12a", "1.2.3"})
        EXPECT_FALSE(isNumber(no)) << no;
}
