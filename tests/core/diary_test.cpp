// The diary: one point per game midnight with what the status panel shows, a bounded history,
// the events of a life in the order they happened, and a fresh history for every new or loaded
// game.
#include <gtest/gtest.h>

#include <map>

#include "core/lifecycle.h"
#include "core/newgame.h"
#include "core/savegame/savedgamefiles.h"
#include "core/savegame/savegamemenu.h"
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
    t.state().lblHungry = t.state().lblHappyness = "30";
    ASSERT_TRUE(lifeTick(t.game));
}

std::vector<DiaryEventKind> kinds(const Diary& diary) {
    std::vector<DiaryEventKind> out;
    for (const DiaryEvent& e : diary.events()) out.push_back(e.kind);
    return out;
}

}  // namespace

TEST(Diary, AGameYearIsThreeHundredSixtyFiveMidnightsOfWhatThePanelShowed) {
    TestGame t;  // started on 09/05/26 at one o'clock
    GameState& s = t.state();
    s.lblMyWork = s.lblSWork = "Грузчик";
    s.lblWorkEarn = "10";
    s.BankBalance = 1000;
    const Diary& diary = t.game.diary;
    EXPECT_EQ(diary.firstDate(), "09/05/26");
    EXPECT_TRUE(diary.midnights().empty());

    for (int half = 0; half < 730; ++half) halfDay(t);

    ASSERT_EQ(diary.midnights().size(), 365u);
    // The first midnight comes after one life tick: salary paid, 5 % interest, both bars at 28.
    EXPECT_EQ(diary.midnights().front(), (DiaryPoint{"10/05/26", 180, 1050, 28, 28}));
    // Thirty days to a month and no wrap at twelve; the balance stops at the 16-bit limit.
    EXPECT_EQ(diary.midnights().back(), (DiaryPoint{"14/17/26", 170 + 3650, 32767, 28, 28}));
    EXPECT_EQ(diary.midnights()[20].date, "30/05/26");
    EXPECT_EQ(diary.midnights()[21].date, "01/06/26");
    // The present moment is what the panel shows now, between two midnights.
    s.lblMoney = "12.5";
    EXPECT_EQ(Diary::pointOf(s), (DiaryPoint{"14/17/26", 12.5, 32767, 28, 28}));
}

TEST(Diary, AFullHistoryDropsItsOldestDayAndBeginsWithTheNext) {
    TestGame t;
    Diary& diary = t.game.diary;
    for (std::size_t day = 0; day < Diary::kMaxDays + 2; ++day) {
        t.state().lblMoney = std::to_string(day);
        t.state().lblDay = std::to_string(day % 30 + 1);
        diary.recordMidnight(t.state());
    }
    ASSERT_EQ(diary.midnights().size(), Diary::kMaxDays);
    EXPECT_EQ(diary.midnights().front().money, 2);
    EXPECT_EQ(diary.midnights().back().money, Diary::kMaxDays + 1);
    EXPECT_EQ(diary.firstDate(), "02/05/26");  // the day the second dropped point began
    EXPECT_EQ(diary.droppedDays(), 2u);

    for (std::size_t i = 0; i < Diary::kMaxEvents + 1; ++i)
        t.game.remember(DiaryEventKind::Virus, std::to_string(i));
    ASSERT_EQ(diary.events().size(), Diary::kMaxEvents);
    EXPECT_EQ(diary.events().front().text, "1");
    EXPECT_EQ(diary.droppedEvents(), 1u);
}

TEST(Diary, TheEventsOfALifeComeInTheOrderTheyHappened) {
    TestGame t;
    GameState& s = t.state();
    s.lblMoney = "500";
    s.lblHours = "9";
    FrmWork work(t.game);
    work.onLoad();
    work.onMouseMove("cmdWGruschik");
    work.onClick("cmdWGruschik");
    FrmShop shop(t.game);
    shop.onLoad();
    shop.onClick("cmdCar");
    shop.onClick("cmdBuyDinner");  // eating is not worth remembering
    FrmFlat flat(t.game);
    flat.onLoad();
    flat.onMouseMove("cmdBuyBath");
    flat.onClick("cmdBuyBath");  // nor is a bucket
    flat.onMouseMove("cmdBuyFlat");
    flat.onClick("cmdBuyFlat");

    // The last English rung on the next tick ends the course; the computer catches a virus.
    s.lblEnglish = "7 уровень";
    s.lblEng = "61";
    s.lblECost = "8";
    s.lblComp = "Pentium";
    s.lblMonitor = "14\"";
    s.lblRAM = "32 Mb";
    s.lblSystem = "Windows";
    setVinchester(s, 1);
    s.lblVir = "9";
    halfDay(t);
    s.lblHungry = "-29";
    EXPECT_FALSE(lifeTick(t.game));

    const Diary& diary = t.game.diary;
    EXPECT_EQ(kinds(diary), (std::vector{DiaryEventKind::Hired, DiaryEventKind::CarBought,
                                         DiaryEventKind::FlatBought, DiaryEventKind::Promoted,
                                         DiaryEventKind::CourseFinished, DiaryEventKind::Virus,
                                         DiaryEventKind::Death}));
    std::vector<std::string> lines;
    for (const DiaryEvent& e : diary.events())
        lines.push_back(e.date + " " + e.hour + " " + e.text);
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "09/05/26 9 Принят на работу: Грузчик",
                         "09/05/26 9 Куплена машина Пятерка2105",
                         "09/05/26 9 Куплена квартира, комнат: 2",
                         "09/05/26 21 Английский: 8 уровень",
                         "09/05/26 21 Вы выучили англ. яз.",
                         "09/05/26 21 Вирус в компьютере",
                         "09/05/26 21 Смерть от голода",
                     }));
}

TEST(Diary, ANewOrLoadedGameStartsAFreshHistory) {
    // The saved game goes through memory instead of a disk.
    struct MemoryDisk : SavedGameFiles {
        std::map<std::string, std::string> files;
        FileContents read(const std::string& path, std::size_t) override {
            return {FileError::None, files[path]};
        }
        FileError write(const std::string& path, std::string_view bytes) override {
            files[path] = bytes;
            return FileError::None;
        }
    } disk;
    TestGame t;
    t.state().lblDay = "20";
    t.files.paths.push_back("a.brk");
    menuSave(t.game, disk);
    for (int half = 0; half < 4; ++half) halfDay(t);
    t.game.remember(DiaryEventKind::Virus, "Вирус в компьютере");
    ASSERT_EQ(t.game.diary.midnights().size(), 2u);

    t.files.paths.push_back("a.brk");
    const std::uint64_t generation = t.game.diary.generation();
    menuLoad(t.game, disk);
    EXPECT_EQ(t.game.diary.generation(), generation + 1);
    EXPECT_EQ(t.game.diary.firstDate(), "20/05/26");
    EXPECT_TRUE(t.game.diary.midnights().empty());
    EXPECT_TRUE(t.game.diary.events().empty());

    for (int half = 0; half < 2; ++half) halfDay(t);
    ForLoadMain(t.game);  // a new game is dated today
    EXPECT_EQ(t.game.diary.firstDate(), "09/05/26");
    EXPECT_TRUE(t.game.diary.midnights().empty());
}
