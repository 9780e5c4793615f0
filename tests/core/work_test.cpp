// The job market: the requirements of the nine jobs at their boundaries, the verdict sentence,
// hiring and refusing by the verdict shown, and the president's end of the game.
#include <gtest/gtest.h>

#include "core/lifecycle.h"
#include "core/startwindows.h"
#include "fakes/fakes.h"
#include "life/jobs.h"
#include "life/work.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

const char* const kJobButtons[] = {"cmdWGruschik", "cmdWTaxi",          "cmdWGardener",
                                   "cmdWBegProg",  "cmdWProg",          "cmdWProva",
                                   "cmdWHakker",   "cmdWAdministrator", "cmdWPresident"};

/// One requirement as a player meets it: the lowest value that passes and one that does not.
enum class Kind { OrBetter, Exactly, NotNothing };
struct Bound {
    const char* field;
    const char* lowest;
    const char* below;
    Kind kind = Kind::OrBetter;
};
struct JobBounds {
    const char* button;
    std::vector<Bound> texts;
    int lowestCar = 0;
    int fish = 0;
};

const std::vector<JobBounds>& jobBounds() {
    static const std::vector<JobBounds> bounds = {
        {"cmdWGruschik", {}},
        {"cmdWTaxi",
         {{"lblEduncation", "Неполное среднее", "Начальное"},
          {"lblClothes", "Спорт.костюм", "Дряхлая"}}},
        {"cmdWGardener",
         {{"lblEduncation", "Неполное среднее", "Начальное"},
          {"lblStatus", "Любитель", "Чайник"},
          {"lblEnglish", "1 уровень", "Не знаю"},
          {"lblClothes", "Спорт.костюм", "Дряхлая"},
          {"lblProgram", "Basic", "Пока нет"}}},
        {"cmdWBegProg",
         {{"lblEduncation", "Среднее", "Неполное среднее"},
          {"lblStatus", "Новичок", "Любитель"},
          {"lblEnglish", "2 уровень", "1 уровень"},
          {"lblClothes", "Летняя", "Спорт.костюм"},
          {"lblProgram", "Pascal", "Basic"}}},
        {"cmdWProg",
         {{"lblEduncation", "Среднее", "Неполное среднее"},
          {"lblStatus", "Программист", "Новичок"},
          {"lblEnglish", "3 уровень", "2 уровень"},
          {"lblClothes", "Джинсы", "Летняя"},
          {"lblProgram", "VB", "Pascal"},
          {"lblGraph", "Paint", "Пока нет"}}},
        {"cmdWProva",
         {{"lblEduncation", "Неполное высшее", "Среднее"},
          {"lblStatus", "Программист", "Новичок"},
          {"lblEnglish", "4 уровень", "3 уровень"},
          {"lblClothes", "Костюм", "Джинсы"},
          {"lblProgram", "VB", "Pascal"},
          {"lblGraph", "Photoshop", "Paint"},
          {"lblModem", "K56", "36.6"},
          {"lblVichod", "Есть", "Пока нет", Kind::NotNothing}},
         2},
        {"cmdWHakker",
         {{"lblEduncation", "Высшее", "Неполное высшее"},
          {"lblStatus", "Хакер", "Почти хакер"},
          {"lblEnglish", "6 уровень", "5 уровень"},
          {"lblClothes", "Рубашка", "Куртка"},
          {"lblProgram", "VB", "Pascal"},
          {"lblModem", "K56", "36.6"},
          {"lblVichod", "Есть", "Пока нет", Kind::NotNothing}},
         3},
        {"cmdWAdministrator",
         {{"lblEduncation", "Высшее", "Неполное высшее"},
          {"lblStatus", "Администратор", "Хакер"},
          {"lblEnglish", "7 уровень", "6 уровень"},
          {"lblClothes", "Футболка и т.д.", "Рубашка"},
          {"lblGraph", "3D StMax II", "Photoshop"},
          {"lblPrinter", "Лазерный", "Струйный", Kind::Exactly},
          {"lblSkaner", "Планшетный", "Ручной", Kind::Exactly}},
         4},
        {"cmdWPresident",
         {{"lblEduncation", "Высшее", "Неполное высшее"},
          {"lblStatus", "Сверх профессионал", "Профессионал"},
          {"lblEnglish", "8 уровень", "7 уровень"},
          {"lblClothes", "Посл.моды", "Футболка и т.д."},
          {"lblProgram", "VC++", "VB", Kind::Exactly},
          {"lblGraph", "3D StMax III", "3D StMax II"},
          {"lblModem", "V90", "K56"},
          {"lblVichod", "Есть", "Пока нет", Kind::NotNothing},
          {"lblRoom", "7", "6", Kind::Exactly},
          {"lblBath", "Бол.бассейн", "Джакузи", Kind::Exactly},
          {"lblKitchen", "Комфортная", "Хорошая", Kind::Exactly},
          {"lblSMebel", "Офисная", "Дорогая", Kind::Exactly}},
         5,
         200},
    };
    return bounds;
}

/// The game state of a player who just meets every requirement of `job`.
void meet(GameState& s, const JobBounds& job) {
    for (const Bound& b : job.texts) *fieldByName(s, b.field) = b.lowest;
    setCar(s, static_cast<std::int16_t>(job.lowestCar));
    s.FishTotal = static_cast<std::int16_t>(job.fish);
}

void makePresidentMaterial(GameState& s) {
    meet(s, jobBounds().back());
}

struct WorkTest : ::testing::Test {
    TestGame g;
    GameState& s = g.state();

    WorkTest() {
        g.windows.registerPlace("frmWork",
                                [](Game& game) { return std::make_unique<FrmWork>(game); });
        g.windows.registerPlace("frmTheEnd",
                                [](Game& game) { return std::make_unique<FrmTheEnd>(game); });
    }
    Place& open() {
        g.windows.close("frmWork");
        g.windows.show("frmWork", Modality::Modal);
        return *g.windows.find("frmWork");
    }
    Place& work() { return *g.windows.find("frmWork"); }
    std::string text(const char* control) { return work()[control].text; }
    /// The sentence under the description, as the player reads it.
    std::string sentence() {
        std::string words = text("lbladdYou");
        for (const char* part : {"lblWCan", "lbladdOnthisW"})
            if (!text(part).empty()) words += " " + text(part);
        return words;
    }
};

}  // namespace

TEST(JobRequirements, ANewPlayerQualifiesOnlyForTheLoader) {
    TestGame g;
    for (const char* button : kJobButtons)
        EXPECT_EQ(qualifies(g.state(), *jobOf(button)), std::string(button) == "cmdWGruschik")
            << button;
}

TEST(JobRequirements, EachRequirementHoldsAtItsRungAndFailsOneBelow) {
    for (const JobBounds& job : jobBounds()) {
        SCOPED_TRACE(job.button);
        TestGame g;
        GameState& s = g.state();
        meet(s, job);
        ASSERT_TRUE(qualifies(s, *jobOf(job.button)));
        for (const Bound& b : job.texts) {
            std::string& field = *fieldByName(s, b.field);
            field = b.below;
            EXPECT_FALSE(qualifies(s, *jobOf(job.button))) << b.field << " " << b.below;
            // A text on no ladder passes "or better" but never "exactly".
            field = "";
            EXPECT_EQ(qualifies(s, *jobOf(job.button)), b.kind != Kind::Exactly) << b.field;
            field = b.lowest;
        }
        if (job.lowestCar > 0) {
            setCar(s, static_cast<std::int16_t>(job.lowestCar - 1));
            EXPECT_FALSE(qualifies(s, *jobOf(job.button))) << "car";
            setCar(s, static_cast<std::int16_t>(job.lowestCar));
        }
        if (job.fish > 0) {
            s.FishTotal = static_cast<std::int16_t>(job.fish - 1);
            EXPECT_FALSE(qualifies(s, *jobOf(job.button))) << "fish";
            s.FishTotal = 32767;
            EXPECT_TRUE(qualifies(s, *jobOf(job.button))) << "fish";
        }
    }
}

TEST_F(WorkTest, HoverWritesTheDescriptionAndTheVerdictOfOneSentence) {
    s.lblMyWork = "Садовник";
    open();
    EXPECT_EQ(text("lblWWho"), "Садовник");
    EXPECT_EQ(text("lbladdSpec"), "");
    EXPECT_EQ(sentence(), "Вы можете работать на этой работе");
    work().onMouseMove("cmdWTaxi");
    EXPECT_EQ(text("lbladdSpec"), "Здесь вы должны просто напросто перевозить людей.");
    EXPECT_EQ(sentence(), "Вы не можете работать на этой работе");
    work().onMouseMove("");  // the bare window keeps the verdict
    EXPECT_EQ(text("lblWCan"), "не");

    // A click on the bare window breaks the sentence until the next load.
    work().onClick("");
    EXPECT_EQ(sentence(), "Вы не");
    work().onMouseMove("cmdWGruschik");
    EXPECT_EQ(sentence(), "Вы");
    open();
    EXPECT_EQ(sentence(), "Вы можете работать на этой работе");
}

TEST_F(WorkTest, AClickActsOnTheVerdictOfTheLastJobHovered) {
    open();
    work().onMouseMove("cmdWGruschik");
    work().onClick("cmdWTaxi");  // reached without hovering it
    ASSERT_EQ(g.messages.shown.size(), 1u);
    EXPECT_EQ(g.messages.shown[0],
              (Message{"Вы таксист.", "Вы теперь таксист. Ваша зарплата 20 $.", Icon::None}));
    EXPECT_EQ(s.lblMyWork, "Таксист.");
    EXPECT_EQ(s.lblSWork, "Таксист.");
    EXPECT_EQ(s.lblWorkEarn, "20");
    EXPECT_EQ(text("lblWWho"), "Таксист.");

    // A refusing verdict: the loader's button then does nothing at all, the others refuse.
    work().onMouseMove("cmdWProva");
    work().onClick("cmdWGruschik");
    EXPECT_EQ(g.messages.shown.size(), 1u);
    EXPECT_EQ(s.lblMyWork, "Таксист.");
    work().onClick("cmdWProg");
    EXPECT_EQ(g.messages.shown.back().title, "Вы не программист.");
    EXPECT_EQ(s.lblWorkEarn, "20");
}

TEST_F(WorkTest, AJobClickedBeforeAnyHoverIsJudgedOnItsOwnRequirements) {
    open();
    work().onClick("cmdWPresident");  // by the keyboard, right after opening
    EXPECT_EQ(g.messages.shown.back().title, "Вы не ком.през.");
    EXPECT_EQ(s.lblMyWork, "Пока нет");
    EXPECT_EQ(text("lblWCan"), "не");
    EXPECT_FALSE(g.windows.isOpen("frmTheEnd"));

    open();
    work().onClick("cmdWGruschik");
    EXPECT_EQ(s.lblMyWork, "Грузчик");
}

TEST_F(WorkTest, TheLoaderReplacesAProgrammersSalaryAndTheClockPaysIt) {
    s.lblMyWork = s.lblSWork = "прогр.";
    s.lblWorkEarn = "35";
    open();
    work().onMouseMove("cmdWGruschik");
    work().onClick("cmdWGruschik");
    EXPECT_EQ(g.messages.shown.back(),
              (Message{"Вы грузчик.", "Вы теперь грузчик. Ваша зарплата 10 $.", Icon::None}));
    EXPECT_EQ(s.lblMyWork, "Грузчик");
    EXPECT_EQ(s.lblSWork, "Грузчик");
    EXPECT_EQ(s.lblWorkEarn, "10");
    s.lblHours = "23";
    clockTick(g.game);
    EXPECT_EQ(s.lblMoney, "180");
}

TEST_F(WorkTest, TheHackerIsCapitalisedOnlyInTheWindow) {
    meet(s, jobBounds()[6]);
    open();
    work().onMouseMove("cmdWHakker");
    work().onClick("cmdWHakker");
    EXPECT_EQ(g.messages.shown.back(),
              (Message{"Вы хакер.", "Вы теперь хакер. Ваша зарплата 50 $.", Icon::None}));
    EXPECT_EQ(s.lblMyWork, "хакер");
    EXPECT_EQ(s.lblSWork, "хакер");
    EXPECT_EQ(text("lblWWho"), "Хакер");

    work().onMouseMove("cmdWAdministrator");
    work().onClick("cmdWAdministrator");
    EXPECT_EQ(g.messages.shown.back().title, "Вы не граф. диз..");
    EXPECT_TRUE(g.messages.shown.back().text.ends_with("машина марки Волга3110."));
    EXPECT_EQ(s.lblWorkEarn, "50");
}

TEST_F(WorkTest, APresidentShortOfOneFishIsRefusedWithTheMercedesAndTheFish) {
    makePresidentMaterial(s);
    s.FishTotal = 199;
    const GameState before = s;
    open();
    work().onMouseMove("cmdWPresident");
    EXPECT_EQ(text("lblWCan"), "не");
    work().onClick("cmdWPresident");
    const Message& box = g.messages.shown.back();
    EXPECT_EQ(box.title, "Вы не ком.през.");
    EXPECT_EQ(box.icon, Icon::None);
    EXPECT_TRUE(box.text.starts_with("Вы не можете работать ком.през.. У вас должно быть"));
    EXPECT_NE(box.text.find("прог-ование Visual \u0421++"), std::string::npos);  // Cyrillic С
    EXPECT_TRUE(box.text.ends_with(
        "машина марки Mercedes, а так же общее кол-во пойманной вами рыбы должно быть 200 "
        "(кол-во пойманной вами рыбы вы можете увидеть в разделе Хобби)."))
        << box.text;
    EXPECT_EQ(s, before);
    EXPECT_TRUE(g.windows.isOpen("frmWork"));
}

TEST_F(WorkTest, BecomingPresidentEndsTheGameAndTheJobIsKept) {
    makePresidentMaterial(s);
    open();
    g.windows.log.clear();
    work().onMouseMove("cmdWPresident");
    EXPECT_EQ(text("lblWCan"), "");
    work().onClick("cmdWPresident");
    EXPECT_EQ(g.messages.shown.back(),
              (Message{"ком.през.", "Вы теперь ком. президент. Ваша зарплата 70 $.", Icon::None}));
    EXPECT_EQ(s.lblMyWork, "ком.през.");
    EXPECT_EQ(s.lblSWork, "ком.през.");
    EXPECT_EQ(s.lblWorkEarn, "70");
    EXPECT_FALSE(g.windows.isOpen("frmWork"));
    EXPECT_EQ(g.windows.log, (std::vector<std::string>{"replace frmWork frmTheEnd", "close frmWork",
                                                       "load frmTheEnd", "show frmTheEnd modal"}));

    g.windows.find("frmTheEnd")->onClick("cmdOK");
    EXPECT_FALSE(g.windows.isOpen("frmTheEnd"));
    s.lblHours = "23";
    clockTick(g.game);
    EXPECT_EQ(s.lblMyWork, "ком.през.");
    EXPECT_EQ(s.lblMoney, "240");
    EXPECT_EQ(open()["lblWWho"].text, "ком.през.");
}
