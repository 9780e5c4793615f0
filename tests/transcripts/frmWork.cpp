// The job market: a new player's verdicts and refusals; then, job by job upwards, every
// requirement at its lowest accepted value, one rung short and on no ladder; hiring, a click acting
// on another job's verdict, the loader's silent refusal, and the president's hire that ends the
// game.
#include <vector>

#include "game/startwindows.h"
#include "life/work.h"
#include "transcript.h"

using namespace brankor;

namespace {

/// A requirement of a job: the lowest value that passes and the highest that does not.
struct Limit {
    const char* field;
    const char* passes;
    const char* fails;
};

struct Job {
    const char* button;
    std::vector<Limit> limits;
};

const Job kJobs[] = {
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
      {"lblVichod", "Есть", "Пока нет"},
      {"CarIndex", "2", "1"}}},
    {"cmdWHakker",
     {{"lblEduncation", "Высшее", "Неполное высшее"},
      {"lblStatus", "Хакер", "Почти хакер"},
      {"lblEnglish", "6 уровень", "5 уровень"},
      {"lblClothes", "Рубашка", "Куртка"},
      {"lblProgram", "VB", "Pascal"},
      {"lblModem", "K56", "36.6"},
      {"lblVichod", "Есть", "Пока нет"},
      {"CarIndex", "3", "2"}}},
    {"cmdWAdministrator",
     {{"lblEduncation", "Высшее", "Неполное высшее"},
      {"lblStatus", "Администратор", "Хакер"},
      {"lblEnglish", "7 уровень", "6 уровень"},
      {"lblClothes", "Футболка и т.д.", "Рубашка"},
      {"lblGraph", "3D StMax II", "Photoshop"},
      {"lblPrinter", "Лазерный", "Струйный"},
      {"lblSkaner", "Планшетный", "Ручной"},
      {"CarIndex", "4", "3"}}},
    {"cmdWPresident",
     {{"lblEduncation", "Высшее", "Неполное высшее"},
      {"lblStatus", "Сверх профессионал", "Профессионал"},
      {"lblEnglish", "8 уровень", "7 уровень"},
      {"lblClothes", "Посл.моды", "Футболка и т.д."},
      {"lblProgram", "VC++", "VB"},
      {"lblGraph", "3D StMax III", "3D StMax II"},
      {"lblModem", "V90", "K56"},
      {"lblVichod", "Есть", "Пока нет"},
      {"lblRoom", "7", "6"},
      {"lblBath", "Бол.бассейн", "Мал.бассейн"},
      {"lblKitchen", "Комфортная", "Обычная"},
      {"lblSMebel", "Офисная", "Ламинир."},
      {"CarIndex", "5", "4"},
      {"FishTotal", "200", "199"}}},
};

}  // namespace

TRANSCRIPT(frmWork) {
    s.windows.registerPlace<FrmTheEnd>("frmTheEnd");
    s.open<FrmWork>();
    s.note("A new player qualifies only for the loader");
    s.click("cmdWPresident");  // pressed from the keyboard before any hover: judged on its own
    s.hover("");
    for (const Job& job : kJobs) s.buy(job.button);
    s.click("cmdWGruschik");  // the verdict shown is the president's: the loader does nothing
    s.buy("cmdWGruschik");
    s.note("A click acts on the verdict shown, whichever job it was for");
    s.click("cmdWTaxi");
    s.click("").hover("cmdWTaxi");

    for (const Job& job : kJobs) {
        s.note(std::string("The requirements of ") + job.button + ", each at its limit");
        for (const Limit& limit : job.limits) s.set(limit.field, limit.passes);
        s.hover(job.button);
        for (const Limit& limit : job.limits) {
            s.set(limit.field, limit.fails).hover(job.button);
            // A text on no ladder passes an "or better" and fails an "exactly".
            if (limit.field != std::string("CarIndex") && limit.field != std::string("FishTotal"))
                s.set(limit.field, "").hover(job.button);
            s.set(limit.field, limit.passes).hover(job.button);
        }
        s.click(job.button);
    }
    s.watch("frmTheEnd").click("cmdOK");

    s.note("Play goes on: the president qualifies for every job and may still become a loader");
    s.open<FrmWork>();
    for (const Job& job : kJobs) s.hover(job.button);
    s.buy("cmdWGruschik").click("cmdBack");
}
