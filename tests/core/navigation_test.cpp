// The main window's picture buttons: the hacking gate and the trip to the bank.
#include <gtest/gtest.h>

#include "core/ladder.h"
#include "core/navigation.h"
#include "fakes/fakes.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

const std::string kTaxiTitle = "Требуется машина. Хотите ли вы взять такси?";
const std::string kTaxiText =
    "Банк - это отличный способ сохранения и накопления денег. К сожалению, банк находится "
    "далеко от вашего дома и без машины вам не удастся доехать до него. Но вы можете взять "
    "такси за 10$ и доехать до банка, либо купить собственную машину в магазине.\r\n\r\n"
    "Хотите ли вы взять такси за 10$ и доехать до банка?";
const std::string kLawsuitText =
    "Ваш адвокат предлагает вам подать в суд на таксиста.\r\n"
    "Если вы выиграете на суде, то сможете получить компенсацию за ущерб.\r\n"
    "Если же вы проиграете, то, возможно, вам придется заплатить штраф за беспокойство суда.\r\n"
    "\r\n"
    " Желаете ли вы подать в суд на таксиста?";

// Random numbers that make the trip from 1 to 15 land on the accident, and just miss it.
constexpr double kAccident = 0.35;  // Int(0.35 * 15 + 1) = 6
constexpr double kSafeTrip = 0.0;

// The windows shown so far, as "show frmBank modal".
std::vector<std::string> shown(const TestGame& t) {
    std::vector<std::string> result;
    for (const std::string& entry : t.windows.log)
        if (entry.starts_with("show ")) result.push_back(entry);
    return result;
}

bool bankShown(const TestGame& t) {
    return shown(t) == std::vector<std::string>{"show frmBank modal"};
}

}  // namespace

TEST(PictureButtons, OpenTheirPlacesModalExceptTheSoftwareShop) {
    TestGame t;
    openPlace(t.game, "imgShop");
    openPlace(t.game, "imgPrograms");
    const std::vector<std::string> expected = {"show frmShop modal", "show frmPrograms modeless"};
    EXPECT_EQ(shown(t), expected);
    EXPECT_TRUE(t.messages.shown.empty());
}

TEST(HackingGate, OnlyAHackerOrBetterGetsIn) {
    const Ladder& statuses = statusLadder();
    ASSERT_EQ(statuses.size(), 9u);
    for (std::size_t i = 0; i < statuses.size(); ++i) {
        TestGame t;
        t.state().lblStatus = std::string(statuses[i]);
        openPlace(t.game, "imgHakker");
        const bool admitted = i >= 5;  // "Хакер" and the rungs above
        SCOPED_TRACE(t.state().lblStatus);
        if (admitted) {
            EXPECT_TRUE(t.messages.shown.empty());
            EXPECT_EQ(shown(t), std::vector<std::string>{"show frmHakerstvo modal"});
        } else {
            ASSERT_EQ(t.messages.shown.size(), 1u);
            EXPECT_EQ(t.messages.shown[0],
                      (Message{"Вы должны быть хакер.", "Ваш статус должен быть хакер.", Icon::None,
                               Buttons::Ok}));
            EXPECT_TRUE(t.windows.log.empty());
        }
    }
}

TEST(BankTrip, ACarDrivesStraightThereForFree) {
    TestGame t;
    setCar(t.state(), 1);
    const GameState before = t.state();
    openPlace(t.game, "imgBank");
    EXPECT_TRUE(t.messages.shown.empty());
    EXPECT_EQ(t.state(), before);
    EXPECT_EQ(t.random.reseeds, 0);
    EXPECT_TRUE(bankShown(t));
}

TEST(BankTrip, RefusingTheTaxiChangesNothing) {
    TestGame t;
    const GameState before = t.state();
    t.messages.answers = {Answer::No};
    openPlace(t.game, "imgBank");
    ASSERT_EQ(t.messages.shown.size(), 1u);
    EXPECT_EQ(t.messages.shown[0],
              (Message{kTaxiTitle, kTaxiText, Icon::Question, Buttons::YesNo}));
    EXPECT_EQ(t.state(), before);
    EXPECT_TRUE(t.windows.log.empty());
}

TEST(BankTrip, NoTaxiForLessThanTheFare) {
    TestGame t;
    t.state().lblMoney = "9.5";
    t.messages.answers = {Answer::Yes};
    openPlace(t.game, "imgBank");
    ASSERT_EQ(t.messages.shown.size(), 2u);
    EXPECT_EQ(t.messages.shown[1],
              (Message{"Нет денег.", "У вас нет денег на такси.", Icon::None, Buttons::Ok}));
    EXPECT_EQ(t.state().lblMoney, "9.5");
    EXPECT_EQ(t.random.reseeds, 0);
    EXPECT_TRUE(t.windows.log.empty());
}

TEST(BankTrip, ExactlyTheFareArrivesWithNothingLeft) {
    TestGame t;
    t.state().lblMoney = "10";
    t.messages.answers = {Answer::Yes};
    t.random.values = {kSafeTrip};
    openPlace(t.game, "imgBank");
    EXPECT_EQ(t.messages.shown.size(), 1u);
    EXPECT_EQ(t.state().lblMoney, "0");
    EXPECT_EQ(t.state().lblHappyness, "30");
    EXPECT_EQ(t.random.reseeds, 1);  // the trip's chance is reseeded from the clock
    EXPECT_TRUE(bankShown(t));
}

TEST(BankTrip, OnlyTheSixthOfFifteenTripsCrashes) {
    for (const double rnd : {0.3333, 0.41}) {  // trips 5 and 7
        TestGame t;
        t.messages.answers = {Answer::Yes};
        t.random.values = {rnd};
        openPlace(t.game, "imgBank");
        EXPECT_EQ(t.messages.shown.size(), 1u) << rnd;
        EXPECT_EQ(t.state().lblMoney, "160") << rnd;
    }
}

TEST(BankTrip, AnAccidentAndALostLawsuitLeaveMinus45) {
    TestGame t;
    t.state().lblMoney = "10";
    t.messages.answers = {Answer::Yes, Answer::Yes};
    t.random.values = {kAccident, 0.5};
    openPlace(t.game, "imgBank");
    EXPECT_EQ(t.titles(),
              (std::vector<std::string>{kTaxiTitle, ":-(((", "Суд?", "Дело проиграно"}));
    EXPECT_EQ(t.messages.shown[1].text,
              "Случилось несчастье. Таксист попал в аварию, и вы сильно пострадали. На лечение "
              "пришлось потратить большие деньги: 30$.");
    EXPECT_EQ(t.messages.shown[1].icon, Icon::None);
    EXPECT_EQ(t.messages.shown[2], (Message{"Суд?", kLawsuitText, Icon::Question, Buttons::YesNo}));
    EXPECT_EQ(t.state().lblMoney, "-45");
    EXPECT_EQ(t.state().lblHappyness, "15");
    EXPECT_EQ(t.state().lblHungry, "19");
    EXPECT_EQ(t.random.reseeds, 1);
    EXPECT_TRUE(bankShown(t));
}

TEST(BankTrip, NotSuingCostsTheTreatmentAndTheFare) {
    TestGame t;
    t.messages.answers = {Answer::Yes, Answer::No};
    t.random.values = {kAccident};
    openPlace(t.game, "imgBank");
    EXPECT_EQ(t.messages.shown.size(), 3u);
    EXPECT_EQ(t.state().lblMoney, "130");
    EXPECT_EQ(t.state().lblHappyness, "20");
    EXPECT_EQ(t.state().lblHungry, "24");
    EXPECT_TRUE(bankShown(t));
}

TEST(BankTrip, EachVerdictHasItsOwnMessageAndChanges) {
    struct Case {
        double rnd;
        const char* title;
        const char* text;
        const char* money;
        const char* mood;
        const char* hunger;
    };
    // From 170 $, mood 30, satiety 30: the accident takes 30, 10, 6 and the fare 10 $.
    const Case cases[] = {
        {0.0, "Дело выиграно", "Поздравляю! Вы выиграли дело и получаете компенсацию 25$.", "155",
         "27", "22"},
        {0.34, "Дело проиграно",
         "К сожалению, вы проиграли дело и вам пришлось заплатить штраф 15$ за беспокойство "
         "суда.",
         "115", "15", "19"},
        {0.99, "Дело не выиграно, но и не проиграно.",
         "Вам не удалось ничего доказать, но и таксист ничего не доказал. Вам выплатили "
         "небольшую компенсацию 10$.",
         "140", "22", "21"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        TestGame t;
        t.messages.answers = {Answer::Yes, Answer::Yes};
        t.random.values = {kAccident, c.rnd};
        openPlace(t.game, "imgBank");
        ASSERT_EQ(t.messages.shown.size(), 4u);
        EXPECT_EQ(t.messages.shown[3], (Message{c.title, c.text, Icon::None, Buttons::Ok}));
        EXPECT_EQ(t.state().lblMoney, c.money);
        EXPECT_EQ(t.state().lblHappyness, c.mood);
        EXPECT_EQ(t.state().lblHungry, c.hunger);
        EXPECT_TRUE(bankShown(t));
    }
}
