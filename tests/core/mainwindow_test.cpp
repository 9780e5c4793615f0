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
    ASSERT_EQ(t.messages.shown.size(), 3u);
    EXPECT_EQ(t.messages.shown[0],
              (Message{"Подтвердите", "Вы действительно хотите начать новую игру", Icon::Question,
                       Buttons::YesNo}));
    EXPECT_EQ(t.messages.shown[1].text, "Вы действительно хотите выйти?");
    EXPECT_EQ(t.messages.shown[2].text, "Вы действительно хотите выйти?");
}

TEST(MainMenu, NewGameHidesTheGameAndOffersTheStartupWindow) {
    TestGame t;
    t.state().lblMoney = "5";
    t.messages.answers = {Answer::Yes};
    menuNewGame(t.game);
    EXPECT_EQ(t.windows.log,
              (std::vector<std::string>{"hide frmMain", "close frmInternet", "close frmParty",
                                        "load frmFirst", "show frmFirst modeless"}));
    EXPECT_EQ(t.state().lblMoney, "5");  // the old game stays until "OK"
}

TEST(MainMenu, YesToExitEndsTheProgram) {
    TestGame t;
    t.messages.answers = {Answer::Yes};
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
