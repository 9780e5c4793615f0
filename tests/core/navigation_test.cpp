// The main window's picture buttons: where they lead, the hacking gate and the trip to the bank.
#include <gtest/gtest.h>

#include "core/navigation.h"
#include "fakes/fakes.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

// The last thing done to a window, as "show frmBank modal"; "" when no window was touched.
std::string lastWindow(const TestGame& t) {
    return t.windows.log.empty() ? "" : t.windows.log.back();
}

const Message kTaxi{
    "Требуется машина. Хотите ли вы взять такси?",
    "Банк - это отличный способ сохранения и накопления денег. К сожалению, банк находится "
    "далеко от вашего дома и без машины вам не удастся доехать до него. Но вы можете взять "
    "такси за 10$ и доехать до банка, либо купить собственную машину в магазине.\r\n\r\n"
    "Хотите ли вы взять такси за 10$ и доехать до банка?",
    Icon::Question, Buttons::YesNo};
const Message kNoFare = plain("Нет денег.", "У вас нет денег на такси.");
const Message kCrash = plain(":-(((",
                             "Случилось несчастье. Таксист попал в аварию, и вы сильно "
                             "пострадали. На лечение пришлось потратить большие деньги: 30$.");
const Message kSue{
    "Суд?",
    "Ваш адвокат предлагает вам подать в суд на таксиста.\r\n"
    "Если вы выиграете на суде, то сможете получить компенсацию за ущерб.\r\n"
    "Если же вы проиграете, то, возможно, вам придется заплатить штраф за беспокойство суда.\r\n"
    "\r\n Желаете ли вы подать в суд на таксиста?",
    Icon::Question, Buttons::YesNo};
const Message kWon =
    plain("Дело выиграно", "Поздравляю! Вы выиграли дело и получаете компенсацию 25$.");
const Message kLost = plain("Дело проиграно",
                            "К сожалению, вы проиграли дело и вам пришлось заплатить штраф 15$ "
                            "за беспокойство суда.");
const Message kDrawn = plain("Дело не выиграно, но и не проиграно.",
                             "Вам не удалось ничего доказать, но и таксист ничего не доказал. "
                             "Вам выплатили небольшую компенсацию 10$.");

// A draw that makes the trip from 1 to 15 land on the accident: Int(0.35 * 15 + 1) = 6.
constexpr double kAccident = 0.35;
constexpr Answer Y = Answer::Yes, N = Answer::No;

}  // namespace

TEST(PictureButtons, OpenTheirPlacesModalExceptTheSoftwareShop) {
    TestGame t;
    openPlace(t.game, "imgShop");
    openPlace(t.game, "imgPrograms");
    EXPECT_EQ(t.windows.log,
              (std::vector<std::string>{"load frmShop", "show frmShop modal", "load frmPrograms",
                                        "show frmPrograms modeless"}));
}

TEST(HackingGate, OnlyAHackerOrBetterGetsIn) {
    const Message refusal = plain("Вы должны быть хакер.", "Ваш статус должен быть хакер.");
    for (const auto& [status, admitted] : {std::pair{"Чайник", false},
                                           {"Почти хакер", false},
                                           {"Хакер", true},
                                           {"Сверх профессионал", true}}) {
        TestGame t;
        t.state().lblStatus = status;
        openPlace(t.game, "imgHakker");
        EXPECT_EQ(t.messages.shown, admitted ? std::vector<Message>{} : std::vector{refusal});
        EXPECT_EQ(lastWindow(t), admitted ? "show frmHakerstvo modal" : "") << status;
    }
}

TEST(BankTrip, CarFareAccidentAndLawsuit) {
    // Each trip starts from a new game (mood 30, satiety 30) with: a car?, pocket money, answers to
    // the boxes, chance draws; then the boxes shown, money, mood and satiety afterwards, and
    // whether the bank opens.
    using Case = std::tuple<bool, const char*, std::deque<Answer>, std::deque<double>,
                            std::vector<Message>, const char*, bool>;
    const Case cases[] = {
        {true, "170", {}, {}, {}, "170 30 30", true},
        {false, "170", {N}, {}, {kTaxi}, "170 30 30", false},
        {false, "9.5", {Y}, {}, {kTaxi, kNoFare}, "9.5 30 30", false},
        {false, "10", {Y}, {0.0}, {kTaxi}, "0 30 30", true},
        {false, "170", {Y}, {0.3333}, {kTaxi}, "160 30 30", true},  // trip 5 of 15
        {false, "170", {Y}, {0.41}, {kTaxi}, "160 30 30", true},    // trip 7 of 15
        {false, "170", {Y, N}, {kAccident}, {kTaxi, kCrash, kSue}, "130 20 24", true},
        {false, "170", {Y, Y}, {kAccident, 0.0}, {kTaxi, kCrash, kSue, kWon}, "155 27 22", true},
        {false, "10", {Y, Y}, {kAccident, 0.5}, {kTaxi, kCrash, kSue, kLost}, "-45 15 19", true},
        {false, "170", {Y, Y}, {kAccident, 0.99}, {kTaxi, kCrash, kSue, kDrawn}, "140 22 21", true},
    };
    for (const auto& [car, money, answers, draws, boxes, moneyMoodSatiety, arrives] : cases) {
        TestGame t;
        setCar(t.state(), car ? 1 : 0);
        t.state().lblMoney = money;
        t.messages.answers = answers;
        t.random.values = draws;
        GameState expected = t.state();  // only money, mood and satiety may change
        openPlace(t.game, "imgBank");
        SCOPED_TRACE(moneyMoodSatiety);
        EXPECT_EQ(t.messages.shown, boxes);
        GameState& s = t.state();
        EXPECT_EQ(s.lblMoney + " " + s.lblHappyness + " " + s.lblHungry, moneyMoodSatiety);
        std::tie(expected.lblMoney, expected.lblHappyness, expected.lblHungry) =
            std::tie(s.lblMoney, s.lblHappyness, s.lblHungry);
        EXPECT_EQ(s, expected);
        EXPECT_EQ(lastWindow(t), arrives ? "show frmBank modal" : "");
        // The trip's chance is reseeded from the clock once the fare is paid.
        EXPECT_EQ(t.random.reseeds, draws.empty() ? 0 : 1);
    }
}
