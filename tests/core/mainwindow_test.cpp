// The main window's confirmations, a new game's status panel and the start-up window's close box.
#include <gtest/gtest.h>

#include "core/mainwindow.h"
#include "core/newgame.h"
#include "core/startwindows.h"
#include "fakes/fakes.h"

using namespace brankor;
using namespace brankor::testing;

using Log = std::vector<std::string>;

// "No" changes nothing. A new game hides the old one behind the start-up window, whose close box
// returns to it or, with no game behind, asks too. After a death the main close box asks nothing.
TEST(MainMenu, NoChangesNothingYesHidesTheGameOrQuitsAndADeathAsksNothing) {
    TestGame t;
    const GameState before = t.state();
    t.messages.answers = {Answer::No, Answer::No, Answer::No, Answer::Yes, Answer::No, Answer::Yes};
    menuNewGame(t.game);
    menuExit(t.game);
    EXPECT_FALSE(queryCloseMain(t.game));
    EXPECT_EQ(t.state(), before);
    menuNewGame(t.game);
    FrmFirst first(t.game);
    EXPECT_TRUE(first.onQueryClose());
    t.state().SkipExitConfirm = 1;
    EXPECT_TRUE(queryCloseMain(t.game));
    t.windows.close("frmMain");
    EXPECT_FALSE(first.onQueryClose());
    t.state().SkipExitConfirm = 0;
    EXPECT_TRUE(queryCloseMain(t.game));
    EXPECT_EQ(t.windows.log,
              (Log{"hide frmMain", "close frmInternet", "close frmParty", "load frmFirst",
                   "show frmFirst modeless", "show frmMain modeless", "close frmMain", "quit"}));
    const Message again{"Подтвердите", "Вы действительно хотите начать новую игру", Icon::Question,
                        Buttons::YesNo},
        exit{"Подтвердите", "Вы действительно хотите выйти?", Icon::Question, Buttons::YesNo};
    EXPECT_EQ(t.messages.shown, (Boxes{again, exit, exit, again, exit, exit}));
}

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
