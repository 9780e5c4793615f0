// Time passing: the timers, the clock, the life tick, deaths and courses; and the study window,
// where the courses are joined and left.
#include <gtest/gtest.h>

#include <random>

#include "core/bank.h"
#include "core/lifecycle.h"
#include "core/tickschedule.h"
#include "fakes/fakes.h"
#include "life/study.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// Writes text fields by name: "lblHours=22;lblDay=05".
void write(GameState& s, const std::string& fields) {
    for (const std::string& field : split(fields, ";")) {
        if (field.empty()) continue;
        const auto eq = field.find('=');
        *fieldByName(s, field.substr(0, eq)) = field.substr(eq + 1);
    }
}

/// One life tick with the player kept alive, so that only the other steps show.
bool fedTick(TestGame& t) {
    t.state().lblHungry = t.state().lblHappyness = "30";
    return lifeTick(t.game);
}

}  // namespace

// The hour, the day (30 to a month; the month never wraps), and at midnight the salary, even into
// a debt, and the interest: 5 % truncated toward zero, at most 32767, shown by an open bank.
TEST(Clock, HoursDaysMonthsAndMidnightPayments) {
    TestGame t;
    GameState& s = t.state();
    t.windows.registerPlace<FrmBank>("frmBank");
    Place& bank = *t.windows.load("frmBank");
    write(s, "lblHours=22;lblDay=05;lblMoney=-5;lblWorkEarn=40");
    s.BankBalance = 399;
    std::string seen;  // a game started on the 31st turns the month on its first tick
    for (const char* fields : {"", "", "lblDay=31;lblMonth=12", "lblDay=30;lblHours=23"}) {
        write(s, fields);
        clockTick(t.game);
        seen += s.lblHours + " " + s.lblDay + "/" + s.lblMonth + "/" + s.lblYear + " " +
                s.lblMoney + " " + bank["lblYHave"].text + " " + bank["lblInc"].text + "|";
    }
    EXPECT_EQ(seen,
              "23 05/05/26 -5 0 0|0 6/05/26 35 418 20|1 1/13/26 35 418 20|0 1/14/26 75 438 21|");
    const std::pair<std::int16_t, std::int16_t> cases[] = {
        {19, 19}, {20, 21}, {32000, 32767}, {-19, -19}, {-21, -22}, {-32768, -32768}};
    for (const auto& [balance, next] : cases) EXPECT_EQ(withInterest(balance), next) << balance;
}

// From a new game with nothing eaten, ticks 26 to 30 warn and the 31st kills, closing every place
// before the main window. The limits are exclusive; hunger is named when both are fatal at once.
TEST(LifeTick, HungerAndBoredomWarnAndKillBelowTheirLimits) {
    TestGame t;
    int tick = 1;
    for (; lifeTick(t.game); ++tick) ASSERT_LT(tick, 100);
    const Message hungry{
        "ОПАСНОСТЬ!!!",
        "Внимание опасность голода! Вам необходимо сходить в Бытовой магазин и поесть вдоволь.   "
        "ВНИМАНИЕ: если ваше состояние сытости достигнет -30, тогда вас постигнет лютая смерть!!!"};
    const Message starved{"+СМЕРТЬ+", "К сожалению вы умерли от голода."};
    EXPECT_EQ(tick, 31);
    EXPECT_EQ(t.state().SkipExitConfirm, 1);  // no question on leaving after a death
    EXPECT_EQ(t.messages.shown, (Boxes{hungry, hungry, hungry, hungry, hungry, starved}));
    EXPECT_EQ(t.windows.log, (std::vector<std::string>{"closeAllPlaces", "close frmMain",
                                                       "load frmFirst", "show frmFirst modal"}));

    const Message bored{"ОПАСНОСТЬ" + std::string(20, '!'),
                        "Внимание опасность! Вам необходимо развлечся.   ВНИМАНИЕ: если ваше "
                        "настроение достигнет -40, тогда вас постигнет лютая смерть!!!"};
    const std::tuple<const char*, const char*, Boxes> cases[] = {
        {"-29", "-39", {starved}},  // both fatal: hunger is named
        {"-28", "-38", {hungry}},   // -30 and -40 do not kill
        {"-18", "-28", {}},         // -20 and -30 give no warning
        {"30", "-30", {bored}},     // boredom alone warns, then kills
        {"30", "-39", {{"+СМЕРТЬ+", "К сожалению вы умерли от тоски."}}},
    };
    for (const auto& [hunger, mood, boxes] : cases) {
        TestGame g;
        write(g.state(), std::string("lblHungry=") + hunger + ";lblHappyness=" + mood);
        EXPECT_EQ(lifeTick(g.game), boxes.empty() || boxes[0].title != "+СМЕРТЬ+") << hunger;
        EXPECT_EQ(g.messages.shown, boxes) << hunger << " " << mood;
    }
}

// All three courses from a new game to their ends: every rung's box on its tick, status before
// English before education. The fees (3, 4 and 4 $ a tick) run into debt and stop at each end.
TEST(LifeTick, ThreeCoursesFromANewGameShowEveryRungOnItsTickInOrder) {
    TestGame t;
    GameState& s = t.state();
    write(s, "lblSCost=6;lblECost=8;lblCCost=8;lblMoney=5");
    int tick = 1;
    std::string boxes;
    t.messages.whileOpen = [&](const Message& m) {
        boxes += std::to_string(tick) + " " + m.title + "|";
    };
    for (; tick <= 64; ++tick) ASSERT_TRUE(fedTick(t));
    EXPECT_EQ(boxes,
              "10 Вы Любитель|10 Образование Неполное среднее|12 Вы на 1 Уровене|14 Образование "
              "Среднее|16 Вы Новичок|18 Вы на 2 Уровене|22 Вы Программист|22 Вы на 3 Уровене|22 "
              "Образование Неполное высшее|28 Вы Почти Хакер|28 Образование Высшее|30 Вы на 4 "
              "Уровене|36 Вы Хакер|38 Вы на 5 Уровене|46 Вы Администратор|48 Вы на 6 Уровене|54 Вы "
              "Профессионал|56 Вы на 7 Уровене|60 Вы Сверх профессионал|62 Вы на 8 Уровене|");
    std::string texts;
    for (const int box : {0, 1, 19}) texts += t.messages.shown[box].text + "|";
    EXPECT_EQ(texts,
              "Ваш статус стал теперь любитель.|Ваше образование теперь неполное среднее. |Вы "
              "перешли на 8 уровень. |");
    EXPECT_EQ(s.lblCom + s.lblEng + s.lblObras + s.lblCCost + s.lblECost + s.lblSCost, "OKOKOK000");
    EXPECT_EQ(s.lblCComputer + "|" + s.lblEEnglish + "|" + s.lblSSchool,
              "Вы сверх программист.|Вы выучили англ. яз.|Вы выучились в школе.");
    EXPECT_EQ(s.hiddenControls, (std::set<std::string>{"lblStoim", "lblCCost", "lblEStoim",
                                                       "lblECost", "lblSStoim", "lblSCost"}));
    EXPECT_EQ(s.lblMoney, std::to_string(5 - 28 * 3 - 62 * 4 - 60 * 4));
}

// The main window's timers: no drift, and a life tick never stacks on its own box.
TEST(Ticker, AnHourOfRealTimeIsExactly2400GameHoursHoweverLateTheTimersFire) {
    std::int64_t now = 0, hours = 0;
    Ticker clock(1500, 0, [&] { return ++hours, true; });
    std::mt19937 jitter(7);
    while (now < 3'600'000) {  // up to 900 ms late, now and then a minute late behind a box
        now += std::uniform_int_distribution<int>(1, 900)(jitter);
        if (std::uniform_int_distribution<int>(0, 200)(jitter) == 0) now += 60'000;
        clock.poll([&] { return std::min<std::int64_t>(now, 3'600'000); });
    }
    EXPECT_EQ(hours, 2400);
}

// The box of the first tick stays open 40 s, and the timer fires twice meanwhile: those two run
// afterwards, one after the other. The third tick ends the game, and nothing runs after it.
TEST(Ticker, ALifeTickWaitingOnItsBoxDelaysTheNextAndTheLastStopsIt) {
    std::int64_t now = 18000;
    int running = 0, deepest = 0, ticks = 0;
    Ticker* self = nullptr;
    Ticker life(18000, 0, [&] {
        deepest = std::max(deepest, ++running);
        if (ticks++ == 0) now += 40000;
        self->poll([&] { return now; });  // the timer fires while the box is open
        --running;
        return ticks < 3;
    });
    self = &life;
    life.poll([&] { return now; });
    EXPECT_EQ(deepest, 1);
    EXPECT_EQ(ticks, 3);
    EXPECT_TRUE(life.stopped());
    life.poll([] { return std::int64_t{200000}; });
    EXPECT_EQ(ticks, 3);
}

using Study = PlaceTest<FrmStudy>;

// Leaving a course is free, joining takes more than nothing or is refused with the course's own
// text; a course the clock finishes during the visit stays finished, on this visit and the next.
TEST(Study, JoinLeaveAndACourseTheClockFinishesDuringTheVisit) {
    Study g("0");
    GameState& s = g.state();
    write(s,
          "lblSCost=6;lblSSchool=Веч.школа;lblECost=8;lblEEnglish=Курсы;lblEnglish=7 "
          "уровень;lblEng=61");
    g.open();
    const auto captions = [&] {
        return g["cmdSchool"].text + "|" + g["cmdEnglish"].text + "|" + g["cmdComp"].text;
    };
    EXPECT_EQ(
        captions(),
        "Закончить ходить в школу|Закончить ходить на курсы англ.яз.|Ходить на компьютерные курсы");
    for (const char* button : {"cmdSchool", "cmdSchool", "cmdComp", "cmdEnglish", "cmdEnglish"})
        g.click(button);
    EXPECT_EQ(s.lblSSchool + s.lblSCost + s.lblEEnglish + s.lblECost + s.lblCCost,
              "Не учусь0Не учусь00");
    EXPECT_EQ(g.messages.shown,
              (Boxes{{"Внимание", "У вас, не хватает денег на обучение в школе"},
                     {"Внимание", "У вас, не хватает денег на обучение комп. курсам"},
                     {"Внимание", "У вас, не хватает денег на обучение англ. языку"}}));
    s.lblMoney = "0.5";
    g.click("cmdEnglish");
    ASSERT_TRUE(lifeTick(g.game));  // the last rung: the course is over
    g.click("cmdEnglish");
    EXPECT_EQ(
        g["cmdEnglish"].text + " " + s.lblEEnglish + " " + s.lblECost + " " + g.titles().back(),
        "Вы уже выучились англ.языку. Вы выучили англ. яз. 0 Вы на 8 Уровене");
    EXPECT_FALSE(g["cmdEnglish"].enabled);
    s.lblECost = "8";  // a saved fee that still says enrolled
    g.open();
    EXPECT_EQ(captions(),
              "Ходить в вечернюю школу|Вы уже выучились англ.языку.|Ходить на компьютерные курсы");
    EXPECT_FALSE(g["cmdEnglish"].enabled);
}
