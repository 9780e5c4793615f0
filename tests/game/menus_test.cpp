// A new game's status panel: every field and variable written, whatever it held. The menus and
// the start-up window's buttons are walked in tests/transcripts/frmMain.txt and frmFirst.txt.
#include <gtest/gtest.h>

#include "fakes/fakes.h"
#include "game/newgame.h"

using namespace brankor;
using namespace brankor::testing;

using Log = std::vector<std::string>;

// Every field and variable is written, the date from today's; the hour and the caption stay.
TEST(NewGame, WritesEveryFieldAndVariable) {
    TestGame t;
    t.clock.date = {2001, 9, 5};
    GameState& s = t.state();
    for (const Field& f : fields()) s.*(f.member) = "junk";
    setCar(s, 3);
    setVinchester(s, 4);
    s.BankBalance = s.BaitPacks = s.FishTotal = s.SkipExitConfirm = 7;
    s.HasRod = s.HasTackle = true;
    s.hiddenControls = {"lblSStoim", "lblSCost"};  // a finished course's rows
    ForLoadMain(t.game);
    std::string texts;
    for (const Field& f : fields()) texts += s.*(f.member) + "|";
    EXPECT_EQ(texts,
              "170|Чайник|Пока нет|30|30|Начальное|Не знаю|0|0|0|Дряхлая|Нет машины|1|Пока "
              "нет|Пока нет|Пока нет|Пока нет|Пока нет|Пока нет|Пока нет|Пока нет|Пока нет|Пока "
              "нет|Пока нет|Пока нет|Пока нет|Пока нет|Пока нет|Пока нет|Пока нет|Пока нет|Пока "
              "нет|0|Не учусь|0|Не учусь|0|Не учусь|0|05|09|01|junk|0| Добро пожаловать в игру "
              "\"Бранкор\". Ешьте, учитесь, работайте и станьте компьютерным президентом!|junk|");
    EXPECT_EQ(s.BankBalance + s.CarIndex + s.VinchesterIndex + s.BaitPacks + s.FishTotal +
                  s.SkipExitConfirm + s.HasRod + s.HasTackle,
              0);
    EXPECT_EQ(t.windows.log, Log{"show frmMain modeless"});
    EXPECT_EQ(s.hiddenControls.size(), 2u);  // hidden until a fresh main window shows them
    createMainWindow(t.game);
    EXPECT_TRUE(s.hiddenControls.empty());
}
