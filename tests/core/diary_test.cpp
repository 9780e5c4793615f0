// The diary: what the status panel showed at each midnight, the events of a life in the order
// they happened, ten years of each at most, and a fresh history for a new game.
#include <gtest/gtest.h>

#include "core/lifecycle.h"
#include "core/newgame.h"
#include "fakes/fakes.h"
#include "life/flat.h"
#include "life/shop.h"
#include "life/work.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// Twelve game hours and the life tick after them, the player fed and cheered up first.
void halfDay(TestGame& t) {
    for (int hour = 0; hour < 12; ++hour) clockTick(t.game);
    t.state().lblHungry = "30";
    t.state().lblHappyness = "40";
    ASSERT_TRUE(lifeTick(t.game));
}

/// Opens a place and buys what `controls` offer, one after another.
template <class P>
void visit(TestGame& t, std::initializer_list<const char*> controls) {
    P place(t.game);
    place.onLoad();
    for (const char* control : controls) {
        place.onMouseMove(control);
        place.onClick(control);
    }
}

}  // namespace

TEST(Diary, TenYearsOfMidnightsKeepWhatThePanelShowedAndDropTheOldestDays) {
    TestGame t;  // started on 09/05/26 at one o'clock
    t.state().lblWorkEarn = "10";
    t.state().BankBalance = 1000;
    const Diary& diary = t.game.diary;
    for (int half = 0; half < 2 * 3652; ++half) halfDay(t);

    // The third midnight, after salary, interest and the bars' fall, is now the first, and the
    // history begins the day before. Thirty days to a month, no wrap at twelve, 16-bit balance.
    ASSERT_EQ(diary.midnights().size(), 3650u);
    EXPECT_EQ(diary.midnights().front(), (DiaryPoint{"12/05/26", 200, 1157, 38, 28}));
    EXPECT_EQ(diary.firstDate(), "11/05/26");
    EXPECT_EQ(diary.midnights().back(), (DiaryPoint{"01/127/26", 36690, 32767, 38, 28}));

    for (int i = 0; i <= 3650; ++i) t.game.remember(DiaryEventKind::Virus, std::to_string(i));
    ASSERT_EQ(diary.events().size(), 3650u);
    EXPECT_EQ(diary.events().front().text, "1");

    ForLoadMain(t.game);  // a new game is dated today and remembers nothing yet
    EXPECT_EQ(diary.firstDate(), "09/05/26");
    EXPECT_TRUE(diary.midnights().empty() && diary.events().empty());
}

TEST(Diary, TheEventsOfALifeComeInTheOrderTheyHappened) {
    TestGame t;
    GameState& s = t.state();
    s.lblMoney = "500";
    s.lblHours = "9";
    visit<FrmWork>(t, {"cmdWGruschik"});
    visit<FrmShop>(t, {"cmdCar"});
    visit<FrmFlat>(t, {"cmdBuyBath", "cmdBuyFlat"});  // a bath is not worth remembering

    // The last English rung on the next tick ends the course; the computer catches a virus.
    s.lblEnglish = "7 уровень";
    s.lblEng = "61";
    s.lblECost = "8";
    s.lblComp = s.lblMonitor = s.lblRAM = s.lblSystem = "есть";
    setVinchester(s, 1);
    s.lblVir = "9";
    halfDay(t);
    s.lblHungry = "-29";
    EXPECT_FALSE(lifeTick(t.game));

    std::string lines;
    for (const DiaryEvent& e : t.game.diary.events())
        lines += e.date + " " + e.hour + " " + e.text + "\n";
    EXPECT_EQ(lines,
              "09/05/26 9 Принят на работу: Грузчик\n"
              "09/05/26 9 Куплена машина Пятерка2105\n"
              "09/05/26 9 Куплена квартира, комнат: 2\n"
              "09/05/26 21 Английский: 8 уровень\n"
              "09/05/26 21 Вы выучили англ. яз.\n"
              "09/05/26 21 Вирус в компьютере\n"
              "09/05/26 21 Смерть от голода\n");
}
