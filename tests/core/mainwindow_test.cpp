// The main window's confirmations, a new game's status panel, the start-up window's close box and
// the help window.
#include <gtest/gtest.h>

#include "core/help.h"
#include "core/mainwindow.h"
#include "core/newgame.h"
#include "core/startwindows.h"
#include "fakes/fakes.h"

using namespace brankor;
using namespace brankor::testing;

using Log = std::vector<std::string>;

TEST(MainMenu, NoChangesNothingAndYesHidesTheGameOrEndsTheProgram) {
    TestGame t;
    const GameState before = t.state();
    t.messages.answers = {Answer::No, Answer::No, Answer::No, Answer::Yes, Answer::Yes};
    menuNewGame(t.game);
    menuExit(t.game);
    EXPECT_FALSE(queryCloseMain(t.game));
    EXPECT_EQ(t.state(), before);
    EXPECT_TRUE(t.windows.log.empty());
    const Message exit{"Подтвердите", "Вы действительно хотите выйти?", Icon::Question,
                       Buttons::YesNo};
    EXPECT_EQ(t.messages.shown, (Boxes{{"Подтвердите", "Вы действительно хотите начать новую игру",
                                        Icon::Question, Buttons::YesNo},
                                       exit,
                                       exit}));
    menuNewGame(t.game);  // the old game stays until the start-up window's "OK"
    EXPECT_EQ(t.windows.log, (Log{"hide frmMain", "close frmInternet", "close frmParty",
                                  "load frmFirst", "show frmFirst modeless"}));
    EXPECT_FALSE(t.windows.quitCalled);
    menuExit(t.game);
    EXPECT_TRUE(t.windows.quitCalled);
}

TEST(MainMenu, CloseBoxSkipsTheQuestionAfterADeath) {
    TestGame t;
    t.state().SkipExitConfirm = 1;
    EXPECT_TRUE(queryCloseMain(t.game));
    EXPECT_TRUE(t.messages.shown.empty());
    EXPECT_FALSE(t.windows.quitCalled);
    t.state().SkipExitConfirm = 0;
    t.messages.answers = {Answer::Yes};
    EXPECT_TRUE(queryCloseMain(t.game));
    EXPECT_TRUE(t.windows.quitCalled);
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

TEST(StartupWindow, CloseBoxReturnsToAWaitingGameOrAsksToLeave) {
    TestGame t;
    t.windows.visible["frmMain"] = false;  // new game pending: main window hidden
    FrmFirst first(t.game);
    EXPECT_TRUE(first.onQueryClose());
    EXPECT_TRUE(t.windows.visible["frmMain"]);
    EXPECT_TRUE(t.messages.shown.empty());
    t.windows.visible.erase("frmMain");  // after a death: no game behind the window
    t.messages.answers = {Answer::No};
    EXPECT_FALSE(first.onQueryClose());
    EXPECT_FALSE(t.windows.quitCalled);
}

// Each button shows its own page, written with CR LF line breaks, and hides the others.
TEST(Help, EachButtonShowsItsOwnTextAndHidesTheOthers) {
    TestGame g;
    g.windows.registerPlace<FrmHelp>("frmHelp");
    menuBigHelp(g.game);
    Place& help = *g.windows.find("frmHelp");
    const std::pair<std::string, std::string> pages[] = {{"Command1", "txtSmallHelp"},
                                                         {"Command2", "txtPoboch"},
                                                         {"cmdChanges", "txtChanges"},
                                                         {"Command3", "txtMainWindow"}};
    for (const auto& [button, shown] : pages) {
        help.onClick(button);
        for (const auto& [other, box] : pages)
            EXPECT_EQ(help[box].visible, box == shown) << button << " " << box;
    }
    EXPECT_EQ(help["txtPoboch"].text,
              "==================\r\nОстальные окна.\r\n==================\r\n\r\nВ остальных "
              "окнах вам предстоит покупать все необходимые товары, ходить во все необходимые "
              "заведения и совершать много другого.");
    EXPECT_TRUE(help["txtChanges"].text.ends_with(
        "\r\nВнимание: здесь могут указываться не все изменения игры."));
    help.onClick("cmdOk");
    EXPECT_EQ(g.windows.find("frmHelp"), nullptr);
}
