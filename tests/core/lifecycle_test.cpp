// Time passing: the clock, the life tick, deaths, courses and the virus counter.
#include <gtest/gtest.h>

#include "core/bank.h"
#include "core/lifecycle.h"
#include "fakes/fakes.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// A window with the two labels the clock refreshes, like the bank's.
class LabelsPlace : public Place {
  public:
    LabelsPlace(Game& g, std::string name, std::initializer_list<const char*> labels)
        : Place(g, std::move(name), "") {
        for (const char* label : labels) declare(label);
    }
};

void enrolInEveryCourse(GameState& s) {
    s.lblSCost = "6";
    s.lblECost = "8";
    s.lblCCost = "8";
}

void completeTheComputer(GameState& s) {
    s.lblComp = "Pentium";
    s.lblMonitor = "15\"";
    s.lblVinchester = "10 Gb";
    s.lblRAM = "32 Mb";
    s.lblSystem = "Windows";
}

}  // namespace

TEST(Clock, HoursRunUpToMidnightThenTheDayTurns) {
    TestGame t;
    GameState& s = t.state();
    s.lblHours = "22";
    s.lblDay = "05";
    clockTick(t.game);
    EXPECT_EQ(s.lblHours, "23");
    EXPECT_EQ(s.lblDay, "05");  // the leading zero stays until midnight
    clockTick(t.game);
    EXPECT_EQ(s.lblHours, "0");
    EXPECT_EQ(s.lblDay, "6");
}

TEST(Clock, DayThirtyOneBecomesTheFirstOfNextMonthOnAnyTick) {
    TestGame t;
    GameState& s = t.state();
    s.lblDay = "31";
    s.lblMonth = "12";
    s.lblYear = "26";
    s.lblHours = "5";
    clockTick(t.game);
    EXPECT_EQ(s.lblDay, "1");
    EXPECT_EQ(s.lblMonth, "13");  // months are not wrapped
    EXPECT_EQ(s.lblYear, "26");
    s.lblDay = "30";
    s.lblHours = "23";
    clockTick(t.game);
    EXPECT_EQ(s.lblDay, "1");
    EXPECT_EQ(s.lblMonth, "14");
}

TEST(Clock, MidnightPaysSalaryAndInterestAndRefreshesAnOpenBank) {
    TestGame t;
    GameState& s = t.state();
    t.windows.registerPlace("frmBank", [](Game& g) {
        return std::make_unique<LabelsPlace>(
            g, "frmBank", std::initializer_list<const char*>{"lblYHave", "lblInc"});
    });
    Place* bank = t.windows.load("frmBank");
    s.lblHours = "23";
    s.lblMoney = "-5";
    s.lblWorkEarn = "40";
    s.BankBalance = 399;
    clockTick(t.game);
    EXPECT_EQ(s.BankBalance, 418);
    EXPECT_EQ((*bank)["lblYHave"].text, "418");
    EXPECT_EQ((*bank)["lblInc"].text, "20");
    EXPECT_EQ(s.lblMoney, "35");
}

TEST(Clock, InterestIsFivePercentRoundedDownAndStopsAtTheLimit) {
    EXPECT_EQ(withInterest(19), 19);
    EXPECT_EQ(withInterest(20), 21);
    EXPECT_EQ(withInterest(399), 418);
    EXPECT_EQ(withInterest(32000), 32767);
    EXPECT_EQ(withInterest(32767), 32767);
    EXPECT_EQ(withInterest(-40), -42);
    EXPECT_EQ(withInterest(-32768), -32768);
}

TEST(LifeTick, HungerWarnsAtMinus22AndKillsOnThe31stTick) {
    TestGame t;
    int tick = 0;
    int firstWarning = 0;
    while (lifeTick(t.game)) {
        ++tick;
        if (!firstWarning && !t.messages.shown.empty()) firstWarning = tick;
        ASSERT_LT(tick, 100);
    }
    ++tick;
    EXPECT_EQ(firstWarning, 26);  // 30 - 2 * 26 = -22
    EXPECT_EQ(tick, 31);
    EXPECT_EQ(t.state().lblHungry, "-32");
    EXPECT_EQ(t.messages.shown.back(), (Message{"+СМЕРТЬ+", "К сожалению вы умерли от голода.",
                                                Icon::Exclamation, Buttons::Ok}));
    EXPECT_EQ(t.messages.shown[0].title, "ОПАСНОСТЬ!!!");
    EXPECT_EQ(t.messages.shown[0].text,
              "Внимание опасность голода! Вам необходимо сходить в Бытовой магазин и поесть "
              "вдоволь.   ВНИМАНИЕ: если ваше состояние сытости достигнет -30, тогда вас "
              "постигнет лютая смерть!!!");
    EXPECT_EQ(t.messages.shown.size(), 6u);  // five warnings, then death
}

TEST(LifeTick, DeathClosesEveryPlaceThenTheMainWindowThenShowsTheStartupWindow) {
    TestGame t;
    t.state().lblHungry = "-29";
    EXPECT_FALSE(lifeTick(t.game));
    EXPECT_EQ(t.state().SkipExitConfirm, 1);
    EXPECT_EQ(t.windows.log, (std::vector<std::string>{"closeAllPlaces", "close frmMain",
                                                       "load frmFirst", "show frmFirst modal"}));
}

TEST(LifeTick, LimitsAreExclusive) {
    TestGame t;
    t.state().lblHungry = "-28";     // -30 does not kill
    t.state().lblHappyness = "-38";  // -40 does not kill
    EXPECT_TRUE(lifeTick(t.game));
    EXPECT_EQ(t.titles(), std::vector<std::string>{"ОПАСНОСТЬ!!!"});  // hunger warns first

    TestGame quiet;
    quiet.state().lblHungry = "-18";  // -20 gives no warning
    EXPECT_TRUE(lifeTick(quiet.game));
    EXPECT_TRUE(quiet.messages.shown.empty());
}

TEST(LifeTick, BoredomWarnsWithTwentyExclamationMarksAndKillsBelowMinus40) {
    TestGame t;
    t.state().lblHappyness = "-30";
    EXPECT_TRUE(lifeTick(t.game));
    ASSERT_EQ(t.messages.shown.size(), 1u);
    EXPECT_EQ(t.messages.shown[0].title, "ОПАСНОСТЬ" + std::string(20, '!'));
    EXPECT_EQ(t.messages.shown[0].text,
              "Внимание опасность! Вам необходимо развлечся.   ВНИМАНИЕ: если ваше настроение "
              "достигнет -40, тогда вас постигнет лютая смерть!!!");
    t.state().lblHappyness = "-39";
    EXPECT_FALSE(lifeTick(t.game));
    EXPECT_EQ(t.messages.shown.back().text, "К сожалению вы умерли от тоски.");
}

TEST(LifeTick, ThreeCoursesCostElevenDollarsATickEvenIntoDebt) {
    TestGame t;
    GameState& s = t.state();
    enrolInEveryCourse(s);
    s.lblMoney = "5";
    EXPECT_TRUE(lifeTick(t.game));
    EXPECT_EQ(s.lblMoney, "-6");
    EXPECT_EQ(s.lblObras, "1");
    EXPECT_EQ(s.lblEng, "1");
    EXPECT_EQ(s.lblCom, "1");
    s.lblECost = "0";
    EXPECT_TRUE(lifeTick(t.game));
    EXPECT_EQ(s.lblMoney, "-13");
    EXPECT_EQ(s.lblEng, "1");
}

TEST(LifeTick, EveryLadderClimbsRungByRungAndItsCourseEnds) {
    TestGame t;
    GameState& s = t.state();
    enrolInEveryCourse(s);
    s.lblMoney = "100000";
    std::vector<Message> promotions;
    for (int tick = 1; tick <= 62; ++tick) {
        s.lblHungry = s.lblHappyness = "30";  // stay alive
        t.messages.shown.clear();
        ASSERT_TRUE(lifeTick(t.game));
        for (const Message& m : t.messages.shown) promotions.push_back(m);
        if (tick == 10) {
            EXPECT_EQ(s.lblStatus, "Любитель");
            EXPECT_EQ(s.lblEduncation, "Неполное среднее");
            EXPECT_EQ(s.lblEnglish, "Не знаю");
        }
        if (tick == 28) {
            EXPECT_EQ(s.lblEduncation, "Высшее");
            EXPECT_EQ(s.lblObras, "OK");
            EXPECT_EQ(s.lblSCost, "0");
            EXPECT_EQ(s.lblSSchool, "Вы выучились в школе.");
            EXPECT_TRUE(s.hiddenControls.count("lblSStoim"));
            EXPECT_TRUE(s.hiddenControls.count("lblSCost"));
        }
        if (tick == 60) {
            EXPECT_EQ(s.lblStatus, "Сверх профессионал");
            EXPECT_EQ(s.lblCom, "OK");
            EXPECT_EQ(s.lblCComputer, "Вы сверх программист.");
            EXPECT_TRUE(s.hiddenControls.count("lblStoim"));
        }
    }
    EXPECT_EQ(s.lblEnglish, "8 уровень");
    EXPECT_EQ(s.lblEng, "OK");
    EXPECT_EQ(s.lblEEnglish, "Вы выучили англ. яз.");
    EXPECT_EQ(s.lblECost, "0");
    EXPECT_EQ(s.hiddenControls.size(), 6u);
    // 8 status, 8 English and 4 education rungs: one message each, never a skipped rung.
    ASSERT_EQ(promotions.size(), 20u);
    EXPECT_EQ(promotions[0].title, "Вы Любитель");
    EXPECT_EQ(promotions[1].title, "Образование Неполное среднее");
    EXPECT_EQ(promotions[2].title, "Вы на 1 Уровене");
    EXPECT_EQ(promotions[2].text, "Вы перешли на 1 уровень. ");
    EXPECT_EQ(promotions.back().title, "Вы на 8 Уровене");
    // Finished: nothing more is charged.
    const std::string money = s.lblMoney;
    s.lblHungry = s.lblHappyness = "30";
    ASSERT_TRUE(lifeTick(t.game));
    EXPECT_EQ(s.lblMoney, money);
}

TEST(LifeTick, AtMostOneRungPerTickAndOnlyFromTheRungBelow) {
    TestGame t;
    GameState& s = t.state();
    s.lblStatus = "Чайник";
    s.lblCom = "15";
    s.lblCCost = "8";  // the counter becomes 16: the "Любитель" threshold was missed
    ASSERT_TRUE(lifeTick(t.game));
    EXPECT_EQ(s.lblStatus, "Чайник");
    s.lblStatus = "Почти хакер";
    s.lblCom = "35";
    ASSERT_TRUE(lifeTick(t.game));
    EXPECT_EQ(s.lblStatus, "Хакер");
    EXPECT_EQ(t.messages.shown.back(), (Message{"Вы Хакер", "Ваш статус стал теперь хакер. ",
                                                Icon::Exclamation, Buttons::Ok}));
}

TEST(LifeTick, VirusWindowOpensOnTheTenthCompleteComputerTick) {
    TestGame t;
    GameState& s = t.state();
    t.windows.registerPlace("frmVirus", [](Game& g) {
        return std::make_unique<LabelsPlace>(g, "frmVirus",
                                             std::initializer_list<const char*>{"lblHMV"});
    });
    completeTheComputer(s);
    for (int tick = 1; tick <= 9; ++tick) {
        s.lblHungry = s.lblHappyness = "30";
        ASSERT_TRUE(lifeTick(t.game));
    }
    EXPECT_EQ(s.lblVir, "9");
    EXPECT_EQ(t.windows.find("frmVirus"), nullptr);
    ASSERT_TRUE(lifeTick(t.game));
    EXPECT_EQ(s.lblVir, "0");
    ASSERT_NE(t.windows.find("frmVirus"), nullptr);
    EXPECT_EQ((*t.windows.find("frmVirus"))["lblHMV"].text, "10");
    EXPECT_EQ(t.windows.log.back(), "show frmVirus modal");

    t.windows.close("frmVirus");
    s.lblVir = "10";  // raised elsewhere already
    ASSERT_TRUE(lifeTick(t.game));
    EXPECT_EQ((*t.windows.find("frmVirus"))["lblHMV"].text, "11");
}

TEST(LifeTick, AnIncompleteComputerCountsNoVirus) {
    TestGame t;
    completeTheComputer(t.state());
    t.state().lblSystem = "Пока нет";
    ASSERT_TRUE(lifeTick(t.game));
    EXPECT_EQ(t.state().lblVir, "0");
}
