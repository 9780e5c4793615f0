// Time passing: the clock, the life tick, deaths, courses and the virus counter.
#include <gtest/gtest.h>

#include "computer/virus.h"
#include "core/bank.h"
#include "core/lifecycle.h"
#include "fakes/fakes.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// One life tick with the player kept alive, so that only the other steps show.
bool fedTick(TestGame& t) {
    t.state().lblHungry = t.state().lblHappyness = "30";
    return lifeTick(t.game);
}

}  // namespace

TEST(Clock, HoursDaysAndMonths) {
    TestGame t;
    GameState& s = t.state();
    s.lblHours = "22";
    s.lblDay = "05";
    clockTick(t.game);
    EXPECT_EQ(s.lblHours + "/" + s.lblDay, "23/05");  // the leading zero stays until midnight
    clockTick(t.game);
    EXPECT_EQ(s.lblHours + "/" + s.lblDay, "0/6");

    s.lblDay = "31";  // a game started on the 31st: the first tick turns the month
    s.lblMonth = "12";
    clockTick(t.game);
    EXPECT_EQ(s.lblDay + "/" + s.lblMonth + "/" + s.lblYear, "1/13/26");  // no wrap at 12
    s.lblDay = "30";
    s.lblHours = "23";
    clockTick(t.game);
    EXPECT_EQ(s.lblDay + "/" + s.lblMonth, "1/14");
}

// At midnight the salary is paid, even into a debt, and the interest: 5 % truncated toward zero,
// at most the 16-bit top. An open bank shows the new balance.
TEST(Clock, MidnightPaysSalaryAndInterestAndRefreshesAnOpenBank) {
    TestGame t;
    GameState& s = t.state();
    t.windows.registerPlace<FrmBank>("frmBank");
    Place& bank = *t.windows.load("frmBank");
    s.lblHours = "23";
    s.lblMoney = "-5";
    s.lblWorkEarn = "40";
    s.BankBalance = 399;
    clockTick(t.game);
    EXPECT_EQ(s.lblMoney + " " + bank["lblYHave"].text + " " + bank["lblInc"].text, "35 418 20");
    const std::pair<std::int16_t, std::int16_t> cases[] = {
        {19, 19},   {20, 21},   {32000, 32767},  {32767, 32767},
        {-19, -19}, {-21, -22}, {-32768, -32768}};
    for (const auto& [balance, next] : cases) EXPECT_EQ(withInterest(balance), next) << balance;
}

TEST(LifeTick, HungerWarnsFromMinus22AndKillsOnThe31stTickWithEveryPlaceClosedFirst) {
    TestGame t;
    int tick = 1;
    for (; lifeTick(t.game); ++tick) ASSERT_LT(tick, 100);
    EXPECT_EQ(tick, 31);
    EXPECT_EQ(t.state().lblHungry, "-32");
    ASSERT_EQ(t.messages.shown.size(), 6u);  // ticks 26 to 30 warn (-22 to -30), then death
    EXPECT_EQ(t.messages.shown[0].title, "ОПАСНОСТЬ!!!");
    EXPECT_EQ(t.messages.shown[0].text,
              "Внимание опасность голода! Вам необходимо сходить в Бытовой магазин и поесть "
              "вдоволь.   ВНИМАНИЕ: если ваше состояние сытости достигнет -30, тогда вас "
              "постигнет лютая смерть!!!");
    EXPECT_EQ(t.messages.shown.back(), (Message{"+СМЕРТЬ+", "К сожалению вы умерли от голода.",
                                                Icon::Exclamation, Buttons::Ok}));
    EXPECT_EQ(t.state().SkipExitConfirm, 1);
    EXPECT_EQ(t.windows.log, (std::vector<std::string>{"closeAllPlaces", "close frmMain",
                                                       "load frmFirst", "show frmFirst modal"}));
}

TEST(LifeTick, WarningAndDeathLimitsAreExclusiveAndHungerComesFirst) {
    TestGame both;  // both fatal on the same tick: hunger is named
    both.state().lblHungry = "-29";
    both.state().lblHappyness = "-39";
    EXPECT_FALSE(lifeTick(both.game));
    EXPECT_EQ(both.messages.shown.back().text, "К сожалению вы умерли от голода.");

    TestGame t;
    t.state().lblHungry = "-28";     // -30 does not kill
    t.state().lblHappyness = "-38";  // -40 does not kill
    EXPECT_TRUE(lifeTick(t.game));
    EXPECT_EQ(t.titles(), std::vector<std::string>{"ОПАСНОСТЬ!!!"});

    TestGame quiet;
    quiet.state().lblHungry = "-18";  // -20 gives no warning
    EXPECT_TRUE(lifeTick(quiet.game));
    EXPECT_TRUE(quiet.messages.shown.empty());

    TestGame bored;
    bored.state().lblHappyness = "-30";
    EXPECT_TRUE(lifeTick(bored.game));
    EXPECT_EQ(bored.messages.shown.back().title, "ОПАСНОСТЬ" + std::string(20, '!'));
    EXPECT_EQ(bored.messages.shown.back().text,
              "Внимание опасность! Вам необходимо развлечся.   ВНИМАНИЕ: если ваше настроение "
              "достигнет -40, тогда вас постигнет лютая смерть!!!");
    bored.state().lblHappyness = "-39";
    EXPECT_FALSE(lifeTick(bored.game));
    EXPECT_EQ(bored.messages.shown.back().text, "К сожалению вы умерли от тоски.");
}

// All three courses from a new game to their ends: every box of the three ladders on its tick,
// status before English before education within a tick. The fees (3, 4 and 4 $ a tick) run into
// debt and stop when each course ends.
TEST(LifeTick, ThreeCoursesFromANewGameShowEveryRungOnItsTickInOrder) {
    TestGame t;
    GameState& s = t.state();
    s.lblSCost = "6";
    s.lblECost = "8";
    s.lblCCost = "8";
    s.lblMoney = "5";
    int tick = 1;
    std::vector<std::string> boxes;
    t.messages.whileOpen = [&](const Message& m) {
        boxes.push_back(std::to_string(tick) + " " + m.title + ": " + m.text);
    };
    for (; tick <= 64; ++tick) ASSERT_TRUE(fedTick(t));
    EXPECT_EQ(boxes,
              (std::vector<std::string>{
                  "10 Вы Любитель: Ваш статус стал теперь любитель.",
                  "10 Образование Неполное среднее: Ваше образование теперь неполное среднее. ",
                  "12 Вы на 1 Уровене: Вы перешли на 1 уровень. ",
                  "14 Образование Среднее: Ваше образование теперь среднее. ",
                  "16 Вы Новичок: Ваш статус стал теперь новичок.",
                  "18 Вы на 2 Уровене: Вы перешли на 2 уровень. ",
                  "22 Вы Программист: Ваш статус стал теперь программист.",
                  "22 Вы на 3 Уровене: Вы перешли на 3 уровень. ",
                  "22 Образование Неполное высшее: Ваше образование теперь неполное высшее. ",
                  "28 Вы Почти Хакер: Ваш статус стал теперь почти хакер.",
                  "28 Образование Высшее: Ваше образование теперь высшее. ",
                  "30 Вы на 4 Уровене: Вы перешли на 4 уровень. ",
                  "36 Вы Хакер: Ваш статус стал теперь хакер. ",
                  "38 Вы на 5 Уровене: Вы перешли на 5 уровень. ",
                  "46 Вы Администратор: Ваш статус стал теперь администратор. ",
                  "48 Вы на 6 Уровене: Вы перешли на 6 уровень. ",
                  "54 Вы Профессионал: Ваш статус стал теперь профессионал. ",
                  "56 Вы на 7 Уровене: Вы перешли на 7 уровень. ",
                  "60 Вы Сверх профессионал: Ваш статус стал теперь сверх профессионал. ",
                  "62 Вы на 8 Уровене: Вы перешли на 8 уровень. ",
              }));
    EXPECT_EQ(s.lblStatus + "|" + s.lblEnglish + "|" + s.lblEduncation,
              "Сверх профессионал|8 уровень|Высшее");
    EXPECT_EQ(s.lblCom + s.lblEng + s.lblObras + s.lblCCost + s.lblECost + s.lblSCost, "OKOKOK000");
    EXPECT_EQ(s.lblCComputer + "|" + s.lblEEnglish + "|" + s.lblSSchool,
              "Вы сверх программист.|Вы выучили англ. яз.|Вы выучились в школе.");
    EXPECT_EQ(s.hiddenControls, (std::set<std::string>{"lblStoim", "lblCCost", "lblEStoim",
                                                       "lblECost", "lblSStoim", "lblSCost"}));
    EXPECT_EQ(s.lblMoney, std::to_string(5 - 28 * 3 - 62 * 4 - 60 * 4));
}

TEST(LifeTick, ARungIsReachedOnlyFromTheRungBelowIt) {
    TestGame t;
    GameState& s = t.state();
    s.lblCom = "15";
    s.lblCCost = "8";  // the count becomes 16, but "Чайник" needed 10
    ASSERT_TRUE(fedTick(t));
    EXPECT_EQ(s.lblStatus, "Чайник");
    EXPECT_TRUE(t.messages.shown.empty());
}

TEST(LifeTick, VirusWindowOpensOnTheTenthCompleteComputerTick) {
    TestGame t;
    GameState& s = t.state();
    t.windows.registerPlace<FrmVirus>("frmVirus");
    s.lblComp = s.lblMonitor = s.lblVinchester = s.lblRAM = s.lblSystem = "есть";
    for (int tick = 1; tick <= 9; ++tick) ASSERT_TRUE(fedTick(t));
    EXPECT_EQ(s.lblVir, "9");
    EXPECT_EQ(t.windows.find("frmVirus"), nullptr);
    ASSERT_TRUE(fedTick(t));
    EXPECT_EQ(s.lblVir, "0");
    EXPECT_EQ((*t.windows.find("frmVirus"))["lblHMV"].text, "10");
    EXPECT_EQ(t.windows.log.back(), "show frmVirus modal");

    t.windows.close("frmVirus");
    s.lblVir = "10";  // raised elsewhere already
    ASSERT_TRUE(fedTick(t));
    EXPECT_EQ((*t.windows.find("frmVirus"))["lblHMV"].text, "11");

    // A computer short of any one of its five parts counts nothing.
    for (std::string GameState::*part :
         {&GameState::lblComp, &GameState::lblMonitor, &GameState::lblVinchester,
          &GameState::lblRAM, &GameState::lblSystem}) {
        s.lblComp = s.lblMonitor = s.lblVinchester = s.lblRAM = s.lblSystem = "есть";
        s.*part = "Пока нет";
        s.lblVir = "3";
        ASSERT_TRUE(fedTick(t));
        EXPECT_EQ(s.lblVir, "3");
    }
}
