// The main window's confirmations: new game, exit and the close box.
#include <gtest/gtest.h>

#include "core/mainwindow.h"
#include "fakes/fakes.h"

using namespace brankor;
using namespace brankor::testing;

TEST(MainMenu, NoToEveryQuestionChangesNothing) {
    TestGame t;
    const GameState before = t.state();
    t.messages.answers = {Answer::No, Answer::No, Answer::No};
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
}

TEST(MainMenu, YesHidesTheGameForTheStartupWindowOrEndsTheProgram) {
    TestGame t;
    t.state().lblMoney = "5";
    t.messages.answers = {Answer::Yes, Answer::Yes};
    menuNewGame(t.game);
    EXPECT_EQ(t.windows.log,
              (std::vector<std::string>{"hide frmMain", "close frmInternet", "close frmParty",
                                        "load frmFirst", "show frmFirst modeless"}));
    EXPECT_EQ(t.state().lblMoney, "5");  // the old game stays until "OK"
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
