// Time passing: the clock, the life tick, deaths, courses and the virus counter.
#include <gtest/gtest.h>

#include "core/lifecycle.h"
#include "fakes/fakes.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// A window with just the labels the timers write into (the bank's, the virus window's).
class LabelsPlace : public Place {
  public:
    LabelsPlace(Game& g, const std::string& name, std::vector<std::string> labels)
        : Place(g, name, "") {
        for (const std::string& label : labels) declare(label);
    }
};

Place& openLabels(TestGame& t, const std::string& name, std::vector<std::string> labels) {
    t.windows.registerPlace(
        name, [name, labels](Game& g) { return std::make_unique<LabelsPlace>(g, name, labels); });
    return *t.windows.load(name);
}

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

TEST(Clock, MidnightPaysSalaryAndInterestAndRefreshesAnOpenBank) {
    TestGame t;
    GameState& s = t.state();
    Place& bank = openLabels(t, "frmBank", {"lblYHave", "lblInc"});
    s.lblHours = "23";
    s.lblMoney = "-5";
    s.lblWorkEarn = "40";
    s.BankBalance = 399;
    clockTick(t.game);
    EXPECT_EQ(s.BankBalance, 418);
    EXPECT_EQ(bank["lblYHave"].text + " " + bank["lblInc"].text, "418 20");
    EXPECT_EQ(s.lblMoney, "35");
}

TEST(Clock, InterestIsFivePercentRoundedDownAndStopsAtTheLimit) {
    const std::pair<std::int16_t, std::int16_t> cases[] = {
        {19, 19}, {20, 21}, {399, 418}, {32000, 32767}, {32767, 32767}, {-32768, -32768}};
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

TEST(LifeTick, ThreeCoursesCostElevenDollarsATickEvenIntoDebt) {
    TestGame t;
    GameState& s = t.state();
    s.lblSCost = "6";
    s.lblECost = "8";
    s.lblCCost = "8";
    s.lblMoney = "5";
    ASSERT_TRUE(fedTick(t));
    EXPECT_EQ(s.lblMoney, "-6");
    EXPECT_EQ(s.lblObras + s.lblEng + s.lblCom, "111");
    s.lblECost = "0";
    ASSERT_TRUE(fedTick(t));
    EXPECT_EQ(s.lblMoney, "-13");
    EXPECT_EQ(s.lblObras + s.lblEng + s.lblCom, "212");
}

TEST(LifeTick, EveryLadderClimbsRungByRungThenItsCourseEnds) {
    TestGame t;
    GameState& s = t.state();
    s.lblSCost = "6";
    s.lblECost = "8";
    s.lblCCost = "8";
    s.lblMoney = "100000";
    for (int tick = 1; tick <= 62; ++tick) {
        ASSERT_TRUE(fedTick(t));
        if (tick == 10) {
            EXPECT_EQ(s.lblStatus + "|" + s.lblEduncation, "Любитель|Неполное среднее");
        }
        if (tick == 28) {
            EXPECT_EQ(s.lblEduncation + "|" + s.lblObras + "|" + s.lblSCost + "|" + s.lblSSchool,
                      "Высшее|OK|0|Вы выучились в школе.");
            EXPECT_EQ(s.hiddenControls, (std::set<std::string>{"lblSStoim", "lblSCost"}));
        }
        if (tick == 60) {
            EXPECT_EQ(s.lblStatus + "|" + s.lblCom + "|" + s.lblCComputer,
                      "Сверх профессионал|OK|Вы сверх программист.");
        }
    }
    EXPECT_EQ(s.lblEnglish + "|" + s.lblEng + "|" + s.lblECost + "|" + s.lblEEnglish,
              "8 уровень|OK|0|Вы выучили англ. яз.");
    EXPECT_EQ(s.hiddenControls.size(), 6u);
    // One box per rung (8 status, 4 education, 8 English): no rung is ever skipped.
    const auto& boxes = t.messages.shown;
    ASSERT_EQ(boxes.size(), 20u);
    EXPECT_EQ(boxes[0].title, "Вы Любитель");
    EXPECT_EQ(boxes[1].title, "Образование Неполное среднее");
    EXPECT_EQ(boxes[2], (Message{"Вы на 1 Уровене", "Вы перешли на 1 уровень. ", Icon::Exclamation,
                                 Buttons::Ok}));
    EXPECT_EQ(boxes.back().title, "Вы на 8 Уровене");
    const std::string money = s.lblMoney;  // finished courses charge nothing more
    ASSERT_TRUE(fedTick(t));
    EXPECT_EQ(s.lblMoney, money);
}

TEST(LifeTick, ARungIsReachedOnlyFromTheRungBelowAtItsExactCount) {
    TestGame t;
    GameState& s = t.state();
    s.lblCom = "15";
    s.lblCCost = "8";  // the count becomes 16, but "Чайник" needed 10
    ASSERT_TRUE(fedTick(t));
    EXPECT_EQ(s.lblStatus, "Чайник");
    s.lblStatus = "Почти хакер";
    s.lblCom = "35";
    ASSERT_TRUE(fedTick(t));
    EXPECT_EQ(s.lblStatus, "Хакер");
    EXPECT_EQ(t.messages.shown.back().text, "Ваш статус стал теперь хакер. ");
}

TEST(LifeTick, VirusWindowOpensOnTheTenthCompleteComputerTick) {
    TestGame t;
    GameState& s = t.state();
    openLabels(t, "frmVirus", {"lblHMV"});
    t.windows.close("frmVirus");
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

    s.lblSystem = "Пока нет";  // an incomplete computer counts nothing
    ASSERT_TRUE(fedTick(t));
    EXPECT_EQ(s.lblVir, "0");
}
