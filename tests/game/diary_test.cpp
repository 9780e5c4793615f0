// The diary: what the status panel showed at each midnight, the events of a life in the order
// they happened, ten years of each at most, and a fresh history for a new game.
#include <gtest/gtest.h>

#include "computer/hacking.h"
#include "computer/hardware.h"
#include "computer/internet.h"
#include "computer/software.h"
#include "fakes/fakes.h"
#include "game/lifecycle.h"
#include "game/newgame.h"
#include "leisure/madfish.h"
#include "leisure/roulette.h"
#include "leisure/slots.h"
#include "life/bank.h"
#include "life/flat.h"
#include "life/shop.h"
#include "life/study.h"
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

/// The diary's events as the window lists them, one "date hour text" a line.
std::string eventLines(const Diary& diary) {
    std::string lines;
    for (const DiaryEvent& e : diary.events()) lines += e.date + " " + e.hour + " " + e.text + "\n";
    return lines;
}

/// Types `text` into the text box `box` as a paste would.
void enter(Place& place, const char* box, const char* text) {
    place[box].text = text;
    place.onChange(box);
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
    visit<FrmFlat>(t, {"cmdBuyBath", "cmdBuyFlat"});

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

    EXPECT_EQ(eventLines(t.game.diary),
              "09/05/26 9 Принят на работу: Грузчик\n"
              "09/05/26 9 Куплена машина Пятерка2105\n"
              "09/05/26 9 Куплено: ванная «Ведро»\n"
              "09/05/26 9 Куплена квартира, комнат: 2\n"
              "09/05/26 21 Английский: 8 уровень\n"
              "09/05/26 21 Вы выучили англ. яз.\n"
              "09/05/26 21 Вирус в компьютере\n"
              "09/05/26 21 Смерть от голода\n");
}

TEST(Diary, EveryWindowWritesWhatSucceededAndNothingItRefused) {
    TestGame t;
    GameState& s = t.state();
    const Diary& diary = t.game.diary;

    // The first day: study, the shop, the flat and the bank; all but the flat refuse once first.
    s.lblMoney = "0";
    visit<FrmStudy>(t, {"cmdSchool"});
    visit<FrmShop>(t, {"cmdBuyClothes"});
    s.lblMoney = "500";
    visit<FrmStudy>(t, {"cmdEnglish", "cmdEnglish"});      // enrolled and left again
    visit<FrmShop>(t, {"cmdBuyDinner", "cmdBuyClothes"});  // a meal climbs no ladder
    visit<FrmFlat>(t, {"cmdBuyKitchen"});
    {
        FrmBank bank(t.game);
        bank.onLoad();
        enter(bank, "txtTake", "1");
        bank.onClick("cmdTake");  // nothing in the account yet
        enter(bank, "txtPut", "50");
        bank.onClick("cmdPut");
        enter(bank, "txtTake", "20");
        bank.onClick("cmdTake");
    }
    halfDay(t);
    halfDay(t);

    // The second day: fishing, the roulette won and lost, the slot machine.
    {
        FrmMadFish lake(t.game);
        lake.onLoad();
        lake.onClick("cmdStart");
        lake.onTimer("tmrForFish");  // the fish comes up on the lake
        for (int fish = 0; fish < 12; ++fish) lake.onClick("picFL");
        lake.onTimer("tmrAllTime");
    }
    {
        FrmRuletka roulette(t.game);
        roulette.onLoad();
        const auto play = [&](const char* number, const char* stake, double rnd) {
            enter(roulette, "txtChis", number);
            enter(roulette, "txtStav", stake);
            roulette.onClick("cmdStart");
            t.clock.ms += 10;
            t.random.values = {rnd};
            roulette.onClick("cmdStop");
            roulette.onClick("cmdStop");
        };
        play("5", "9999", 0);  // more than the money: refused at the start
        play("5", "10", 5.5 / 13);
        play("12", "3", 0);
    }
    {
        FrmRuletka2 slots(t.game);
        slots.onLoad();
        slots.onClick("cmdStart");  // no spins bought yet
        slots.onClick("cmdBVrash");
        t.random.values = {0.5, 0.5, 0.9};  // apple, apple, hamburger: 6 $
        slots.onClick("cmdStart");
        t.random.values = {0, 0.5, 0};  // nothing
        slots.onClick("cmdStart");
    }
    halfDay(t);
    halfDay(t);

    // The third day: a computer, its programs, the internet and hacking.
    s.lblHours = "10";
    visit<FrmPrograms>(t, {"cmdNC"});  // no computer to install it on
    visit<FrmComputer>(t, {"cmdBuyComp", "cmdBuySvukKarta", "cmdBuyVinchester"});
    s.lblMonitor = "14 д.";
    s.lblCDROM = "2xSpeed";
    s.lblRAM = "8Mb";
    visit<FrmInternet>(t, {"cmdPodkl"});  // no modem
    s.lblModem = "14.4";
    visit<FrmInternet>(t, {"cmdPodkl"});
    visit<FrmPrograms>(t, {"cmdNC"});
    {
        FrmHakerstvo hacking(t.game);
        hacking.onLoad();
        hacking.onClick("cmdTakeSad");  // the first task, at once
        hacking.onClick("cmdMake");
        t.clock.ms += 3;  // task 3, with the watching counter at 3
        hacking.onClick("cmdTakeSad");
        hacking.onClick("cmdMake");
    }

    EXPECT_EQ(eventLines(diary),
              "09/05/26 1 Записался на курсы англ.яз.\n"
              "09/05/26 1 Перестал ходить на курсы англ.яз.\n"
              "09/05/26 1 Куплено: одежда «Спорт.костюм»\n"
              "09/05/26 1 Куплено: кухня «Раковина»\n"
              "09/05/26 1 В банк положено: 50 $\n"
              "09/05/26 1 Из банка снято: 20 $\n"
              "10/05/26 1 Рыбалка, поймано рыб: 12\n"
              "10/05/26 1 Рулетка: выигрыш 30 $\n"
              "10/05/26 1 Рулетка: проигрыш 3 $\n"
              "10/05/26 1 Рулетка 2: куплено 5 вращений за 9 $\n"
              "10/05/26 1 Рулетка 2: выигрыш 6 $\n"
              "11/05/26 10 Куплено: процессор «486»\n"
              "11/05/26 10 Куплено: звуковая карта «Mono 16КГЦ»\n"
              "11/05/26 10 Куплено: винчестер «10 Gb»\n"
              "11/05/26 10 Подключился к интернету\n"
              "11/05/26 10 Куплено: система «NC»\n"
              "11/05/26 10 Хакерство: задание выполнено, +4 $\n"
              "11/05/26 10 Хакерство: засекли, штраф 5 $\n");
    // The refusals were shown, each in its turn, and wrote nothing.
    EXPECT_EQ(t.titles(),
              (std::vector<std::string>{
                  "Внимание", "Внимание", "Денег нету.", "У вас нет таких денег.", "Ура-а-а-а-а!!!",
                  "Ой Ой Ой", "You WON!", "Не подходит конфигурация  компьютера",
                  "Подключение не  произошло.", "Подключение произошло.", "Установлен", "", ""}));
}
