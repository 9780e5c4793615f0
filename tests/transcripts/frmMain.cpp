// The main window: its picture buttons and the bank trip, the clock across midnights and month
// ends, the life tick's warnings and deaths at their limits, the three study ladders rung by rung,
// the virus counter, and the menus that leave or restart the game.
#include <string>
#include <utility>

#include "computer/virus.h"
#include "game/lifecycle.h"
#include "game/menus.h"
#include "game/navigation.h"
#include "life/bank.h"
#include "transcript.h"

using namespace brankor;

namespace {

/// A ladder the life tick climbs: its fee field and counter, and each rung with the count that
/// reaches the next one.
struct Course {
    const char* ladder;
    const char* fee;
    const char* feeValue;
    const char* counter;
    std::vector<std::pair<const char*, int>> rungs;
};

const Course kCourses[] = {
    {"lblStatus",
     "lblCCost",
     "8",
     "lblCom",
     {{"Чайник", 10},
      {"Любитель", 16},
      {"Новичок", 22},
      {"Программист", 28},
      {"Почти хакер", 36},
      {"Хакер", 46},
      {"Администратор", 54},
      {"Профессионал", 60}}},
    {"lblEnglish",
     "lblECost",
     "8",
     "lblEng",
     {{"Не знаю", 12},
      {"1 уровень", 18},
      {"2 уровень", 22},
      {"3 уровень", 30},
      {"4 уровень", 38},
      {"5 уровень", 48},
      {"6 уровень", 56},
      {"7 уровень", 62}}},
    {"lblEduncation",
     "lblSCost",
     "6",
     "lblObras",
     {{"Начальное", 10}, {"Неполное среднее", 14}, {"Среднее", 22}, {"Неполное высшее", 28}}},
};

}  // namespace

TRANSCRIPT(frmMain) {
    Game& game = s.game;
    const auto clock = [&](int times) {
        s.step("tick tmrTime" + (times > 1 ? " x" + std::to_string(times) : std::string()), [&] {
            for (int i = 0; i < times; ++i) clockTick(game);
        });
    };
    const auto life = [&] { s.step("tick Timer1", [&] { lifeTick(game); }); };
    const auto press = [&](const char* button) {
        s.step(std::string("click ") + button, [&] { openPlace(game, button); });
    };

    s.panel("frmMain");
    s.write("  timer tmrTime " + std::to_string(kClockInterval) + " ms running");
    s.write("  timer Timer1 " + std::to_string(kLifeTickInterval) + " ms running");
    for (const PlaceButton& b : placeButtons())
        s.write("  " + std::string(b.button) + " \"" + std::string(b.caption) +
                "\" picture=" + std::string(b.picture));

    s.note("The picture buttons");
    for (const PlaceButton& b : placeButtons())
        if (b.button != "imgHakker" && b.button != "imgBank") press(b.button.data());
    for (const char* status : {"Чайник", "Любитель", "Новичок", "Программист", "Почти хакер",
                               "Хакер", "Администратор", "Профессионал", "Сверх профессионал"})
        s.set("lblStatus", status), press("imgHakker");

    s.note("The bank trip: by car, or by taxi for 10 $ with one trip in fifteen crashing");
    s.set("CarIndex", "1"), press("imgBank");
    s.set("CarIndex", "0").no(), press("imgBank");
    s.set("lblMoney", "9.99").yes(), press("imgBank");
    s.set("lblMoney", "10").yes().draws({0.33}), press("imgBank");
    // A crash (draws 0.34 and 0.39 give the sixth trip of fifteen), and each verdict of the suit.
    s.set("lblMoney", "10").yes().draws({0.34}).yes().draws({0.5}), press("imgBank");
    s.set("lblMoney", "100").yes().draws({0.39}).yes().draws({0.0}), press("imgBank");
    s.set("lblMoney", "100").yes().draws({0.39}).yes().draws({0.9}), press("imgBank");
    s.set("lblMoney", "100").yes().draws({0.39}).no(), press("imgBank");
    s.set("lblMoney", "100").yes().draws({0.41}), press("imgBank");

    s.note("The clock: an hour a tick; at midnight the salary, the interest and the next day");
    s.set("lblWorkEarn", "10").set("BankBalance", "19");
    clock(22);
    clock(1);
    clock(1);
    s.set("lblMoney", "-45");  // the salary is paid into a debt too
    for (const char* balance : {"20", "399", "32766", "32767", "-19", "-21", "-32768"})
        s.set("BankBalance", balance), clock(24);
    s.set("lblDay", "30").set("lblMonth", "12"), clock(24);
    s.set("lblDay", "31"), clock(1);
    s.set("CarIndex", "1").set("BankBalance", "39");
    s.windows.registerPlace<FrmBank>("frmBank");
    s.leave("frmBank");
    press("imgBank");
    s.watch("frmBank");
    clock(23);

    s.note("The life tick: warnings below -20 satiety and -30 mood, death below -30 and -40");
    life();
    for (const char* hunger : {"-18", "-19", "-28"}) s.set("lblHungry", hunger), life();
    s.set("lblHungry", "30");
    for (const char* mood : {"-28", "-29", "-38"}) s.set("lblHappyness", mood), life();
    s.set("lblHungry", "-19").set("lblHappyness", "-29"), life();

    s.note("The courses: 3, 4 and 4 $ a tick; each counter climbs its ladder a rung at a time");
    s.set("lblHungry", "1000").set("lblHappyness", "1000");
    s.set("lblSCost", "6").set("lblECost", "8").set("lblCCost", "8"), life();
    s.set("lblSCost", "0").set("lblECost", "0").set("lblCCost", "0"), life();
    for (const Course& course : kCourses) {
        s.set(course.ladder, course.rungs.front().first).set(course.fee, course.feeValue);
        for (const auto& [rung, count] : course.rungs)
            s.set(course.counter, std::to_string(count - 2)), life(), life();
        life();
    }

    s.note("Three promotions on one tick: status, then English, then education");
    s.set("lblStatus", "Новичок").set("lblEnglish", "2 уровень").set("lblEduncation", "Среднее");
    s.set("lblCom", "21").set("lblEng", "21").set("lblObras", "21");
    s.set("lblSCost", "6").set("lblECost", "8").set("lblCCost", "8"), life();
    s.set("lblSCost", "0").set("lblECost", "0").set("lblCCost", "0");

    s.note("The virus counter runs only with a complete computer");
    for (const char* part : {"lblComp", "lblMonitor", "lblVinchester", "lblRAM"}) s.set(part, "1");
    life();
    s.set("lblSystem", "Windows 95"), life();
    s.windows.registerPlace<FrmVirus>("frmVirus");
    s.set("lblVir", "8"), life(), life();
    s.watch("frmVirus").leave("frmVirus").watch("frmBank");
    life();

    s.note("The menus and the close box");
    s.no().step("menu Новая игра", [&] { menuNewGame(game); });
    s.no().step("menu Выход", [&] { menuExit(game); });
    s.yes().step("menu Выход", [&] { menuExit(game); });
    s.no().step("close box",
                [&] { s.write(queryCloseMain(game) ? "  (closes)" : "  (stays open)"); });
    s.yes().step("close box",
                 [&] { s.write(queryCloseMain(game) ? "  (closes)" : "  (stays open)"); });
    s.set("SkipExitConfirm", "1");
    s.step("close box", [&] { s.write(queryCloseMain(game) ? "  (closes)" : "  (stays open)"); });
    s.set("SkipExitConfirm", "0");
    s.yes().step("menu Новая игра", [&] { menuNewGame(game); });

    s.note("Death while the bank is open; when both kill at once, hunger is named");
    s.set("lblHungry", "-29").set("lblHappyness", "-39"), life();
}
