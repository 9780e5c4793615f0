// The job market: the requirements of the nine jobs at their boundaries, the verdict, hiring and
// refusing by the verdict shown, and the president's end of the game.
#include <gtest/gtest.h>
#include <algorithm>
#include <array>

#include "core/lifecycle.h"
#include "fakes/fakes.h"
#include "life/jobs.h"
#include "life/work.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// Each job's requirements as "field:below>rung", the rung being the lowest value that passes and
/// `below` the one just under it; "=" instead of ">" marks a requirement of exactly that value.
const std::pair<const char*, const char*> kRequirements[] = {
    {"cmdWTaxi", "lblEduncation:Начальное>Неполное среднее;lblClothes:Дряхлая>Спорт.костюм"},
    {"cmdWGardener",
     "lblEduncation:Начальное>Неполное среднее;lblStatus:Чайник>Любитель;lblEnglish:Не знаю>1 "
     "уровень;lblClothes:Дряхлая>Спорт.костюм;lblProgram:Пока нет>Basic"},
    {"cmdWBegProg",
     "lblEduncation:Неполное среднее>Среднее;lblStatus:Любитель>Новичок;lblEnglish:1 уровень>2 "
     "уровень;lblClothes:Спорт.костюм>Летняя;lblProgram:Basic>Pascal"},
    {"cmdWProg",
     "lblEduncation:Неполное среднее>Среднее;lblStatus:Новичок>Программист;lblEnglish:2 уровень>3 "
     "уровень;lblClothes:Летняя>Джинсы;lblProgram:Pascal>VB;lblGraph:Пока нет>Paint"},
    {"cmdWProva",
     "lblEduncation:Среднее>Неполное высшее;lblStatus:Новичок>Программист;lblEnglish:3 уровень>4 "
     "уровень;lblClothes:Джинсы>Костюм;lblProgram:Pascal>VB;lblGraph:Paint>Photoshop;lblModem:36.6>"
     "K56;lblVichod:Пока нет>Есть;CarIndex:1>2"},
    {"cmdWHakker",
     "lblEduncation:Неполное высшее>Высшее;lblStatus:Почти хакер>Хакер;lblEnglish:5 уровень>6 "
     "уровень;lblClothes:Куртка>Рубашка;lblProgram:Pascal>VB;lblModem:36.6>K56;lblVichod:Пока "
     "нет>Есть;CarIndex:2>3"},
    {"cmdWAdministrator",
     "lblEduncation:Неполное высшее>Высшее;lblStatus:Хакер>Администратор;lblEnglish:6 уровень>7 "
     "уровень;lblClothes:Рубашка>Футболка и т.д.;lblGraph:Photoshop>3D StMax "
     "II;lblPrinter:Струйный=Лазерный;lblSkaner:Ручной=Планшетный;CarIndex:3>4"},
    {"cmdWPresident",
     "lblEduncation:Неполное высшее>Высшее;lblStatus:Профессионал>Сверх профессионал;lblEnglish:7 "
     "уровень>8 уровень;lblClothes:Футболка и т.д.>Посл.моды;lblProgram:VB=VC++;lblGraph:3D StMax "
     "II>3D StMax III;lblModem:K56>V90;lblVichod:Пока "
     "нет>Есть;lblRoom:6=7;lblBath:Мал.бассейн=Бол.бассейн;lblKitchen:Обычная=Комфортная;lblSMebel:"
     "Ламинир.=Офисная;CarIndex:4>5;FishTotal:199>200"},
};

/// Each requirement of `job` as {field, the value just below, the rung, ">" or "="}.
std::vector<std::array<std::string, 4>> requirementsOf(std::string_view job) {
    std::vector<std::array<std::string, 4>> all;
    for (const auto& [button, list] : kRequirements) {
        if (button != job) continue;
        for (const std::string& r : split(list, ";")) {
            const auto colon = r.find(':'), mark = r.find_first_of(">=", colon);
            all.push_back({r.substr(0, colon), r.substr(colon + 1, mark - colon - 1),
                           r.substr(mark + 1), r.substr(mark, 1)});
        }
    }
    return all;
}

/// Sets a text field, or the car or the fish count from a written number.
void set(GameState& s, std::string_view field, const std::string& value) {
    if (std::string* text = fieldByName(s, field))
        *text = value;
    else if (field == "CarIndex")
        setCar(s, static_cast<std::int16_t>(std::stoi(value)));
    else
        s.FishTotal = static_cast<std::int16_t>(std::stoi(value));
}

/// The state of a player who just meets every requirement of `job`.
void meet(GameState& s, std::string_view job) {
    for (const auto& [field, below, rung, mark] : requirementsOf(job)) set(s, field, rung);
}

using Work = PlaceTest<FrmWork>;
using Texts = std::vector<std::string>;

}  // namespace

// A new player qualifies only for the loader; each job takes a player at its rungs and above, not
// one rung below, and a value on no ladder passes only "or better". Hired, the job shows ("хакер"
// capitalised in the window only) with the salary its box promises; the president's ends the game.
TEST(Work, EachJobHiresAtItsRungsAndPaysTheSalaryItsBoxPromises) {
    TestGame top;  // the president's player, with the designer's printer and scanner
    meet(top.state(), "cmdWPresident");
    top.state().lblPrinter = "Лазерный";
    top.state().lblSkaner = "Планшетный";
    std::string hired;
    for (const Job& job : jobs()) {
        SCOPED_TRACE(job.button);
        Work w;
        GameState& s = w.state();
        EXPECT_EQ(qualifies(s, job), job.button == "cmdWGruschik");
        meet(s, job.button);
        EXPECT_TRUE(qualifies(s, job) && qualifies(top.state(), job));
        for (const auto& [field, below, rung, mark] : requirementsOf(job.button)) {
            GameState one = s;
            set(one, field, below);
            EXPECT_FALSE(qualifies(one, job)) << field;
            if (std::string* text = fieldByName(one, field)) {
                *text = "";
                EXPECT_EQ(qualifies(one, job), mark == ">") << field;
            }
        }
        w.buy(std::string(job.button));
        s.lblHours = "23";
        clockTick(w.game);
        const std::string pay = std::to_string(std::stoi(s.lblMoney) - 170);
        hired += w.lastBox().title + " " + s.lblMyWork + " " + w["lblWWho"].text + " " + pay + "|";
        EXPECT_TRUE(w.lastBox().text.ends_with(" " + pay + " $."));
        EXPECT_EQ(s.lblWorkEarn + s.lblSWork, pay + s.lblMyWork);
        EXPECT_EQ(std::ranges::count(w.windows.log, "replace frmWork frmTheEnd"),
                  job.button == "cmdWPresident");
    }
    EXPECT_EQ(hired,
              "Вы грузчик. Грузчик Грузчик 10|Вы таксист. Таксист. Таксист. 20|Вы садовник. "
              "Садовник Садовник 25|Вы начинающий программист. нач. прогр. нач. прогр. 30|Вы "
              "программист. прогр. прогр. 35|Вы провайдер. провайдер провайдер 40|Вы хакер. хакер "
              "Хакер 50|Вы граф.диз.. граф.диз. граф.диз. 55|ком.през. ком.през. ком.през. 70|");
}

// A job pressed from the keyboard before any hover is judged on its own requirements; after that
// a click acts on the verdict on screen, even one written for another job. A click on the bare
// window empties the "Вы можете…" ending until the next visit.
TEST(Work, AClickActsOnTheVerdictOfTheLastJobHovered) {
    Work w;
    w.click("cmdWPresident");
    EXPECT_EQ(w["lblWCan"].text, "не");
    EXPECT_NE(w.lastBox().text.find("прог-ование Visual \u0421++"), std::string::npos);  // Cyrillic
    w.hover("cmdWGruschik");
    w.click("cmdWTaxi");
    w.hover("cmdWProva");
    w.click("cmdWGruschik");  // the loader refuses without a word
    w.click("cmdWProg");
    w.click("");
    EXPECT_EQ(w.titles(), (Texts{"Вы не ком.през.", "Вы таксист.", "Вы не программист."}));
    EXPECT_EQ(w.state().lblMyWork + w.state().lblWorkEarn + w["lblWWho"].text + "|" +
                  w["lbladdOnthisW"].text,
              "Таксист.20Таксист.|");
    w.open();
    EXPECT_EQ(w["lbladdOnthisW"].text, "можете работать на этой работе");
}
