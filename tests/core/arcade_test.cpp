// The arcade: the loop tick for tick as the reference game plays it, the paddle's two kinds of
// control at the edges, and the window's settings, locks and play-again question.
#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/fakes.h"
#include "leisure/arcade.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// Every tick that did something, as "tick:event".
std::vector<std::string> play(ArcadeBoard& board, int ticks) {
    static const char* const names[] = {"none", "side", "wall", "paddle", "won", "lost"};
    std::vector<std::string> log;
    for (int tick = 1; tick <= ticks; ++tick) {
        const ArcadeEvent event = stepArcade(board);
        if (event != ArcadeEvent::None)
            log.push_back(std::to_string(tick) + ":" + names[static_cast<int>(event)]);
        if (event == ArcadeEvent::Won || event == ArcadeEvent::Lost) break;
    }
    return log;
}

struct Arcade : PlaceTest<FrmAr> {
    Arcade() { open(); }
    Twips ball() { return *(*this)["P1"].geometry; }
    Twips paddle() { return *(*this)["C1"].geometry; }
    void placePaddle(int left) { (*this)["C1"].geometry->left = left; }
    void tick() { place->onTimer("Timer3"); }
    bool looping() { return place->timers().at("Timer3").enabled; }
    /// Plays until the game ends (or `limit` ticks), the paddle left where it is.
    void tickUntilAsked(int limit = 1000) {
        const std::size_t asked = messages.shown.size();
        for (int i = 0; i < limit && messages.shown.size() == asked; ++i) tick();
    }
    /// Plays a game with the paddle's left placed `behind` twips before the ball's next left
    /// edge ahead of every tick; returns how many ticks it lasted.
    int playFollowing(int behind) {
        click("cmdNew");
        int ticks = 0;
        while (messages.shown.empty() && ticks < 1000) {
            placePaddle(ball().left + std::stoi((*this)["T1"].text) - behind);
            tick();
            ++ticks;
        }
        return ticks;
    }
    std::vector<std::string> enabled() {
        std::vector<std::string> names;
        for (const char* n : {"cmdNew", "cmdBack", "o1", "o2", "o3", "b1", "b2", "b3", "optKnopki",
                              "optKlaviatura", "Command2", "Command3"})
            if ((*this)[n].enabled) names.push_back(n);
        return names;
    }
};

const std::vector<std::string> kAllSettings = {
    "cmdNew",    "cmdBack",       "o1",       "o2",      "o3", "b1", "b2", "b3",
    "optKnopki", "optKlaviatura", "Command2", "Command3"};

}  // namespace

TEST(ArcadeLoop, TheReferenceGameBouncesSlidesAndIsLostAtTick152) {
    ArcadeBoard board;
    for (int tick = 1; tick < 27; ++tick) stepArcade(board);
    EXPECT_EQ(stepArcade(board), ArcadeEvent::Paddle);
    EXPECT_EQ(board.ballLeft, 2700);
    EXPECT_EQ(board.ballTop, 2700);
    EXPECT_EQ(board.paddleWidth, 1026);
    EXPECT_EQ(board.ballDY, -100);

    ArcadeBoard fresh;
    EXPECT_EQ(
        play(fresh, 1000),
        (std::vector<std::string>{"27:paddle", "54:wall", "57:side", "84:paddle", "85:paddle",
                                  "86:paddle", "87:paddle", "88:paddle", "89:paddle", "90:paddle",
                                  "91:paddle", "92:paddle", "114:side", "122:wall", "152:lost"}));
}

TEST(ArcadeLoop, OnlyTheBallsLeftEdgeStrictlyInsideThePaddleCatchesIt) {
    ArcadeBoard board;
    board.ballLeft = 1900;
    board.ballTop = 2900;
    board.paddleLeft = 2000;  // after the move the ball's left edge equals the paddle's
    EXPECT_EQ(stepArcade(board), ArcadeEvent::Lost);

    ArcadeBoard inside;
    inside.ballLeft = 1900;
    inside.ballTop = 2900;
    inside.paddleLeft = 1999;
    EXPECT_EQ(stepArcade(inside), ArcadeEvent::Paddle);
    // The ball's right part over the paddle does not count: its left edge is past the end.
    ArcadeBoard past;
    past.ballLeft = 3000;
    past.ballTop = 2900;
    past.paddleLeft = 2000;
    past.paddleWidth = 1002;  // 1000 after the shrink: the paddle ends exactly at 3100
    EXPECT_EQ(stepArcade(past), ArcadeEvent::Lost);
}

TEST(ArcadeLoop, ASideWallTickAtTheFloorLineIsNotALoss) {
    ArcadeBoard board;
    board.ballLeft = 5600;
    board.ballTop = 2900;
    board.paddleLeft = 0;
    EXPECT_EQ(stepArcade(board), ArcadeEvent::SideWall);  // left 5700, top 3000
    EXPECT_EQ(board.ballTop, 3000);
    // Spared, the ball goes on down to the bottom wall and comes back to the floor line.
    EXPECT_EQ(stepArcade(board), ArcadeEvent::TopOrBottom);
    EXPECT_EQ(board.ballTop, 3100);
    EXPECT_EQ(stepArcade(board), ArcadeEvent::Lost);
}

TEST(ArcadeLoop, ASideWallTickAtTheTopLeavesTheBallSlidingAlongAboveIt) {
    // The top test turns the ball whichever way it goes, so once past the top it turns at every
    // tick: it slides along between 0 and -100, as it can slide along the paddle.
    ArcadeBoard board;
    board.ballLeft = 5600;
    board.ballTop = 100;
    board.ballDY = -100;
    EXPECT_EQ(stepArcade(board), ArcadeEvent::SideWall);  // left 5700, top 0: dy kept
    std::vector<int> tops;
    for (int tick = 0; tick < 4; ++tick) {
        EXPECT_EQ(stepArcade(board), ArcadeEvent::TopOrBottom);
        tops.push_back(board.ballTop);
    }
    EXPECT_EQ(tops, (std::vector<int>{-100, 0, -100, 0}));
}

TEST(ArcadeLoop, TheVelocityStaysWithinSixteenBitsWhenReversed) {
    EXPECT_EQ(reversed(-32768), 32767);
    EXPECT_EQ(reversed(32767), -32767);
    EXPECT_EQ(reversed(100), -100);
}

TEST(ArcadeGame, APaddleFollowingTheBallWinsAfter390TicksAndPaysBeforeAsking) {
    Arcade a;
    a.state().lblMoney = "100";
    a.state().lblHappyness = "30";
    std::string atQuestion;
    bool held = false;
    a.messages.whileOpen = [&](const Message&) {
        atQuestion = a.state().lblMoney + " " + a.state().lblHappyness;
        const Twips ball = a.ball();
        const Twips paddle = a.paddle();
        a.tick();  // the loop and the paddle stand still while the question is open
        a.place->onTimer("Timer1");
        held = a.ball() == ball && a.paddle() == paddle && a.messages.shown.size() == 1;
    };
    EXPECT_EQ(a.playFollowing(1), 390);  // the ball's left edge just inside the paddle
    EXPECT_EQ(a.lastBox(), (Message{"Вы выиграли.", "Ура-а-а вы выиграли!!! Хотите начать снова?",
                                    Icon::Question, Buttons::YesNo}));
    EXPECT_EQ(atQuestion, "135 50");
    EXPECT_TRUE(held);
}

TEST(ArcadeGame, APaddleWhoseLeftEqualsTheBallsLosesAtTick30) {
    Arcade a;
    a.state().lblMoney = "10";
    a.state().lblHappyness = "30";
    EXPECT_EQ(a.playFollowing(0), 30);
    EXPECT_EQ(a.lastBox(),
              (Message{"Вы проиграли.", "К сожалению вы проиграли. Хотите начать снова?",
                       Icon::Question, Buttons::YesNo}));
    EXPECT_EQ(a.state().lblMoney, "-10");
    EXPECT_EQ(a.state().lblHappyness, "22");
}

TEST(ArcadePaddle, AKeyTestsTheEdgeFirstSoItGoesOneStepPastAndNoFurther) {
    Arcade a;  // between games, in button mode
    a.placePaddle(arcade::kFieldWidth - 1080 - 1);
    a.place->onKey("", 39);
    EXPECT_EQ(a.paddle().left, 4964);
    a.place->onKey("", 39);
    EXPECT_EQ(a.paddle().left, 4964);
    a.place->onKey("b1", 38);  // other keys do nothing
    EXPECT_EQ(a.paddle().left, 4964);

    a.click("cmdNew");
    a.placePaddle(0);
    a.place->onKey("Command2", 37);
    EXPECT_EQ(a.paddle().left, -150);
    a.place->onKey("", 37);
    EXPECT_EQ(a.paddle().left, -150);
}

TEST(ArcadePaddle, AnArrowButtonMovesFirstAndTestsAfterwardsSoEveryPressMoves) {
    Arcade a;
    a.placePaddle(4900);  // already past the right limit 5895 - 1080
    for (int left : {5000, 5100}) {
        a.place->onMouseDown("Command2");
        EXPECT_EQ(a.paddle().left, left);
        EXPECT_FALSE(a.place->timers().at("Timer1").enabled);
        a.place->onMouseUp("Command2");
        a.click("Command2");  // the click that ends the press moves nothing more
        EXPECT_EQ(a.paddle().left, left);
    }

    // Held down, it steps at every tick of its timer until past the edge.
    a.placePaddle(4500);
    a.place->onMouseDown("Command2");
    EXPECT_TRUE(a.place->timers().at("Timer1").enabled);
    for (int i = 0; i < 5; ++i)
        if (a.place->timers().at("Timer1").enabled) a.place->onTimer("Timer1");
    EXPECT_EQ(a.paddle().left, 4900);
    EXPECT_FALSE(a.place->timers().at("Timer1").enabled);

    // Released early, the left button's timer stops at once.
    a.place->onMouseDown("Command3");
    a.place->onTimer("Timer2");
    a.place->onMouseUp("Command3");
    EXPECT_EQ(a.paddle().left, 4700);
    EXPECT_FALSE(a.place->timers().at("Timer2").enabled);
    EXPECT_EQ(a.place->timers().at("Timer2").interval, 16);  // about sixty steps a second

    a.place->onKey("Command3", 32);  // Space on the focused button: one step
    EXPECT_EQ(a.paddle().left, 4600);
}

TEST(ArcadeWindow, KeyboardModeLocksTheArrowButtonsTooAndNoUnlocksEverything) {
    Arcade a;
    a.click("optKlaviatura");
    a.click("cmdNew");
    EXPECT_TRUE(a.looping());
    EXPECT_TRUE(a.enabled().empty());
    a.tickUntilAsked();
    EXPECT_EQ(a.lastBox().title, "Вы проиграли.");
    EXPECT_FALSE(a.looping());
    EXPECT_EQ(a.enabled(), kAllSettings);
    EXPECT_EQ(a.ball(), (Twips{0, 0, 285, 285}));
    EXPECT_EQ(a.paddle().width, 1080);
    EXPECT_EQ(a["T1"].text + a["T2"].text, "100100");
    EXPECT_EQ(a.windows.log, std::vector<std::string>{});

    a.click("optKnopki");
    a.click("cmdNew");
    EXPECT_EQ(a.enabled(), (std::vector<std::string>{"Command2", "Command3"}));
}

TEST(ArcadeWindow, YesAfterALossRestartsAtOnceAtFullWidthWhereThePaddleWas) {
    Arcade a;
    a.place->onKey("", 37);  // keys move the paddle between games, and the start keeps it
    a.click("cmdNew");
    EXPECT_EQ(a.paddle(), (Twips{2010, 2880, 1080, 270}));
    EXPECT_EQ(a.ball(), (Twips{0, 0, 285, 285}));
    a.messages.answers = {Answer::Yes};
    a.tickUntilAsked();
    EXPECT_TRUE(a.looping());
    EXPECT_EQ(a.enabled(), (std::vector<std::string>{"Command2", "Command3"}));
    EXPECT_EQ(a.paddle(), (Twips{2010, 2880, 1080, 270}));
    a.tick();
    EXPECT_EQ(a.ball(), (Twips{100, 100, 285, 285}));
    EXPECT_EQ(a.paddle().width, 1078);
}

TEST(ArcadeWindow, TheOptionsDressTheBallAndPaddleAndBackReturnsToTheLeisureWindow) {
    Arcade a;
    EXPECT_EQ(a["P1"].picture + " " + a["C1"].picture, "arcade_ball_orange arcade_paddle_stripes");
    a.click("b3");
    a.click("o2");
    EXPECT_EQ(a["P1"].picture + " " + a["C1"].picture, "arcade_ball_cyan arcade_paddle_checks");
    a.click("cmdNew");
    EXPECT_FALSE(a.place->onQueryClose());  // no leaving while a game runs
    a.open();
    EXPECT_FALSE(a.place->onQueryClose());  // the close box leaves as "<< Назад" does
    a.click("cmdBack");
    EXPECT_EQ(std::count(a.windows.log.begin(), a.windows.log.end(), "replace frmAr frmParty"), 2);
}
