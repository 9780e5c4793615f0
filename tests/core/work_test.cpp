// The job market: the requirements of the nine jobs at their boundaries, the verdict, hiring and
// refusing by the verdict shown, and the president's end of the game.
#include <gtest/gtest.h>
#include <algorithm>

#include "core/lifecycle.h"
#include "fakes/fakes.h"
#include "life/jobs.h"
#include "life/work.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// One requirement at its boundary: `rung` is the lowest value that passes, `below` the one just
/// under it. A value on no ladder passes an "or better" requirement but not an exact one.
struct Boundary {
    const char* job;
    const char* field;
    const char* below;
    const char* rung;
    bool exact = false;
};
constexpr bool kExact = true;

const Boundary kBoundaries[] = {
    {"cmdWTaxi", "lblEduncation", "Начальное", "Неполное среднее"},
    {"cmdWTaxi", "lblClothes", "Дряхлая", "Спорт.костюм"},
    {"cmdWGardener", "lblEduncation", "Начальное", "Неполное среднее"},
    {"cmdWGardener", "lblStatus", "Чайник", "Любитель"},
    {"cmdWGardener", "lblEnglish", "Не знаю", "1 уровень"},
    {"cmdWGardener", "lblClothes", "Дряхлая", "Спорт.костюм"},
    {"cmdWGardener", "lblProgram", "Пока нет", "Basic"},
    {"cmdWBegProg", "lblEduncation", "Неполное среднее", "Среднее"},
    {"cmdWBegProg", "lblStatus", "Любитель", "Новичок"},
    {"cmdWBegProg", "lblEnglish", "1 уровень", "2 уровень"},
    {"cmdWBegProg", "lblClothes", "Спорт.костюм", "Летняя"},
    {"cmdWBegProg", "lblProgram", "Basic", "Pascal"},
    {"cmdWProg", "lblEduncation", "Неполное среднее", "Среднее"},
    {"cmdWProg", "lblStatus", "Новичок", "Программист"},
    {"cmdWProg", "lblEnglish", "2 уровень", "3 уровень"},
    {"cmdWProg", "lblClothes", "Летняя", "Джинсы"},
    {"cmdWProg", "lblProgram", "Pascal", "VB"},
    {"cmdWProg", "lblGraph", "Пока нет", "Paint"},
    {"cmdWProva", "lblEduncation", "Среднее", "Неполное высшее"},
    {"cmdWProva", "lblStatus", "Новичок", "Программист"},
    {"cmdWProva", "lblEnglish", "3 уровень", "4 уровень"},
    {"cmdWProva", "lblClothes", "Джинсы", "Костюм"},
    {"cmdWProva", "lblProgram", "Pascal", "VB"},
    {"cmdWProva", "lblGraph", "Paint", "Photoshop"},
    {"cmdWProva", "lblModem", "36.6", "K56"},
    {"cmdWProva", "lblVichod", "Пока нет", "Есть"},
    {"cmdWProva", "CarIndex", "1", "2"},
    {"cmdWHakker", "lblEduncation", "Неполное высшее", "Высшее"},
    {"cmdWHakker", "lblStatus", "Почти хакер", "Хакер"},
    {"cmdWHakker", "lblEnglish", "5 уровень", "6 уровень"},
    {"cmdWHakker", "lblClothes", "Куртка", "Рубашка"},
    {"cmdWHakker", "lblProgram", "Pascal", "VB"},
    {"cmdWHakker", "lblModem", "36.6", "K56"},
    {"cmdWHakker", "lblVichod", "Пока нет", "Есть"},
    {"cmdWHakker", "CarIndex", "2", "3"},
    {"cmdWAdministrator", "lblEduncation", "Неполное высшее", "Высшее"},
    {"cmdWAdministrator", "lblStatus", "Хакер", "Администратор"},
    {"cmdWAdministrator", "lblEnglish", "6 уровень", "7 уровень"},
    {"cmdWAdministrator", "lblClothes", "Рубашка", "Футболка и т.д."},
    {"cmdWAdministrator", "lblGraph", "Photoshop", "3D StMax II"},
    {"cmdWAdministrator", "lblPrinter", "Струйный", "Лазерный", kExact},
    {"cmdWAdministrator", "lblSkaner", "Ручной", "Планшетный", kExact},
    {"cmdWAdministrator", "CarIndex", "3", "4"},
    {"cmdWPresident", "lblEduncation", "Неполное высшее", "Высшее"},
    {"cmdWPresident", "lblStatus", "Профессионал", "Сверх профессионал"},
    {"cmdWPresident", "lblEnglish", "7 уровень", "8 уровень"},
    {"cmdWPresident", "lblClothes", "Футболка и т.д.", "Посл.моды"},
    {"cmdWPresident", "lblProgram", "VB", "VC++", kExact},
    {"cmdWPresident", "lblGraph", "3D StMax II", "3D StMax III"},
    {"cmdWPresident", "lblModem", "K56", "V90"},
    {"cmdWPresident", "lblVichod", "Пока нет", "Есть"},
    {"cmdWPresident", "lblRoom", "6", "7", kExact},
    {"cmdWPresident", "lblBath", "Мал.бассейн", "Бол.бассейн", kExact},
    {"cmdWPresident", "lblKitchen", "Обычная", "Комфортная", kExact},
    {"cmdWPresident", "lblSMebel", "Ламинир.", "Офисная", kExact},
    {"cmdWPresident", "CarIndex", "4", "5"},
    {"cmdWPresident", "FishTotal", "199", "200"},
};

/// Sets a text field, or the car or the fish count from a written number.
void set(GameState& s, std::string_view field, const char* value) {
    if (std::string* text = fieldByName(s, field))
        *text = value;
    else if (field == "CarIndex")
        setCar(s, static_cast<std::int16_t>(std::stoi(value)));
    else
        s.FishTotal = static_cast<std::int16_t>(std::stoi(value));
}

/// The state of a player who just meets every requirement of `job`.
void meet(GameState& s, std::string_view job) {
    for (const Boundary& b : kBoundaries)
        if (b.job == job) set(s, b.field, b.rung);
}

using Work = PlaceTest<FrmWork>;
using Texts = std::vector<std::string>;

/// The job as the player sees it: its name, the status panel's copy, the salary, the window's.
Texts holding(Work& w) {
    return {w.state().lblMyWork, w.state().lblSWork, w.state().lblWorkEarn, w["lblWWho"].text};
}

}  // namespace

// A new player qualifies only for the loader; every job takes a player at its rungs and above,
// one rung below any of them refuses, and a value on no ladder passes only "or better".
TEST(JobRequirements, EachRequirementHoldsAtItsRungAndAboveAndFailsOneBelow) {
    for (const Job& job : jobs()) {
        TestGame g;
        EXPECT_EQ(qualifies(g.state(), job), job.button == "cmdWGruschik") << job.button;
        meet(g.state(), job.button);
        EXPECT_TRUE(qualifies(g.state(), job)) << job.button;
    }
    // Above the rung: the president's player, with the administrator's printer and scanner,
    // is better than every other job asks and qualifies for all of them.
    TestGame top;
    meet(top.state(), "cmdWPresident");
    top.state().lblPrinter = "Лазерный";
    top.state().lblSkaner = "Планшетный";
    for (const Job& job : jobs()) EXPECT_TRUE(qualifies(top.state(), job)) << job.button;
    for (const Boundary& b : kBoundaries) {
        SCOPED_TRACE(std::string(b.job) + " " + b.field);
        TestGame g;
        meet(g.state(), b.job);
        set(g.state(), b.field, b.below);
        EXPECT_FALSE(qualifies(g.state(), *jobOf(b.job)));
        if (std::string* text = fieldByName(g.state(), b.field)) {
            *text = "";
            EXPECT_EQ(qualifies(g.state(), *jobOf(b.job)), !b.exact);
        }
    }
}

// The verdict on screen decides, even when it was written for another job.
TEST(Work, AClickActsOnTheVerdictOfTheLastJobHovered) {
    Work w;
    w.hover("cmdWGruschik");
    w.click("cmdWTaxi");
    EXPECT_EQ(holding(w), (Texts{"Таксист.", "Таксист.", "20", "Таксист."}));
    w.hover("cmdWProva");
    w.click("cmdWGruschik");  // the loader refuses without a word
    w.click("cmdWProg");
    EXPECT_EQ(w.lastBox().title, "Вы не программист.");
    EXPECT_EQ(w.messages.shown.size(), 2u);
    EXPECT_EQ(w.state().lblWorkEarn, "20");
}

// A job pressed from the keyboard before any hover is judged on its own requirements, and a
// click on the bare window empties the "Вы можете…" ending until the next visit.
TEST(Work, AKeyboardClickBeforeAnyHoverIsJudgedAndTheBareWindowClickEmptiesTheSentence) {
    Work w;
    w.click("cmdWPresident");
    EXPECT_EQ(w.lastBox().title, "Вы не ком.през.");
    EXPECT_EQ(w.state().lblMyWork, "Пока нет");
    EXPECT_FALSE(w["lbladdOnthisW"].text.empty());
    w.click("");
    EXPECT_TRUE(w["lbladdOnthisW"].text.empty());
    w.open();
    EXPECT_FALSE(w["lbladdOnthisW"].text.empty());
}

// Every job hires with its box, writes the job wherever the player sees it ("хакер" is
// capitalised only in the window) and the salary that its box promises and the clock pays at
// midnight; the president's job ends the game, yet stays.
TEST(Work, EveryJobPaysTheSalaryItsHiringBoxPromises) {
    std::string salaries, titles;
    for (const Job& job : jobs()) {
        Work w;
        meet(w.state(), job.button);
        w.open();
        w.buy(std::string(job.button));
        w.state().lblHours = "23";
        clockTick(w.game);
        const std::string pay = std::to_string(std::stoi(w.state().lblMoney) - 170);
        salaries += pay + " ";
        titles += w.lastBox().title + "|";
        EXPECT_TRUE(w.lastBox().text.ends_with(" " + pay + " $.")) << job.button;
        EXPECT_EQ(w.state().lblWorkEarn, pay);
        EXPECT_EQ(std::ranges::count(w.windows.log, "replace frmWork frmTheEnd"),
                  job.button == "cmdWPresident");
        if (job.button == "cmdWHakker") {
            EXPECT_EQ(holding(w), (Texts{"хакер", "хакер", "50", "Хакер"}));
        }
        if (job.button == "cmdWPresident") {
            EXPECT_EQ(holding(w), (Texts{"ком.през.", "ком.през.", "70", "ком.през."}));
            EXPECT_EQ(w.lastBox().text, "Вы теперь ком. президент. Ваша зарплата 70 $.");
        }
    }
    EXPECT_EQ(salaries, "10 20 25 30 35 40 50 55 70 ");
    EXPECT_EQ(titles,
              "Вы грузчик.|Вы таксист.|Вы садовник.|Вы начинающий программист.|Вы программист.|"
              "Вы провайдер.|Вы хакер.|Вы граф.диз..|ком.през.|");
}

TEST(Work, APresidentShortOfOneFishIsRefusedWithTheMercedesAndTheFish) {
    Work w;
    meet(w.state(), "cmdWPresident");
    w.state().FishTotal = 199;
    const GameState before = w.state();
    w.open();
    w.buy("cmdWPresident");
    EXPECT_EQ(w["lblWCan"].text, "не");
    EXPECT_EQ(w.lastBox().title, "Вы не ком.през.");
    const std::string text = w.lastBox().text;
    EXPECT_NE(text.find("прог-ование Visual \u0421++"), std::string::npos);  // Cyrillic С
    EXPECT_TRUE(text.ends_with(
        "машина марки Mercedes, а так же общее кол-во пойманной вами рыбы должно быть 200 "
        "(кол-во пойманной вами рыбы вы можете увидеть в разделе Хобби)."))
        << text;
    EXPECT_EQ(w.state(), before);
    EXPECT_EQ(std::ranges::count(w.windows.log, "replace frmWork frmTheEnd"), 0);
}
