// The arcade: the loop tick for tick as the reference game plays it, the paddle's two kinds of
// control at the edges, and the window's settings, locks and play-again question.
#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/fakes.h"
#include "leisure/arcade.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// Every tick that did something, as "tick:event ...".
std::string play(ArcadeBoard board, int ticks) {
    static const char* const names[] = {"none", "side", "wall", "paddle", "won", "lost"};
    std::string log;
    for (int tick = 1; tick <= ticks; ++tick) {
        const ArcadeEvent event = stepArcade(board);
        if (event != ArcadeEvent::None)
            log += std::to_string(tick) + ":" + names[static_cast<int>(event)] + " ";
        if (event == ArcadeEvent::Won || event == ArcadeEvent::Lost) break;
    }
    return log;
}

struct Arcade : PlaceTest<FrmAr> {
    using PlaceTest::PlaceTest;
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
    std::vector<std::string> enabled();
};

const std::vector<std::string> kAllSettings = {
    "cmdNew",    "cmdBack",       "o1",       "o2",      "o3", "b1", "b2", "b3",
    "optKnopki", "optKlaviatura", "Command2", "Command3"};

std::vector<std::string> Arcade::enabled() {
    std::vector<std::string> names;
    for (const std::string& n : kAllSettings)
        if ((*this)[n].enabled) names.push_back(n);
    return names;
}

}  // namespace

TEST(ArcadeLoop, TheReferenceGameBouncesSlidesAndIsLostAtTick152) {
    ArcadeBoard board;
    for (int tick = 1; tick < 27; ++tick) stepArcade(board);
    EXPECT_EQ(stepArcade(board), ArcadeEvent::Paddle);
    EXPECT_EQ((std::vector<int>{board.ballLeft, board.ballTop, board.paddleWidth, board.ballDY}),
              (std::vector<int>{2700, 2700, 1026, -100}));
    EXPECT_EQ(play({}, 1000),
              "27:paddle 54:wall 57:side 84:paddle 85:paddle 86:paddle 87:paddle 88:paddle "
              "89:paddle 90:paddle 91:paddle 92:paddle 114:side 122:wall 152:lost ");
}

// Only the ball's left edge strictly inside the paddle catches it (the paddle shrinks by 2
// first); a side-wall tick at the floor line is not lost, and a ball at the top keeps turning.
TEST(ArcadeLoop, TheFirstTestThatHoldsDecidesATick) {
    const std::tuple<ArcadeBoard, int, const char*> cases[] = {
        {{.ballLeft = 1900, .ballTop = 2900, .paddleLeft = 2000}, 1, "1:lost "},
        {{.ballLeft = 1900, .ballTop = 2900, .paddleLeft = 1999}, 1, "1:paddle "},
        {{.ballLeft = 3000, .ballTop = 2900, .paddleLeft = 2000, .paddleWidth = 1002},
         1,
         "1:lost "},
        {{.ballLeft = 5600, .ballTop = 2900, .paddleLeft = 0}, 5, "1:side 2:wall 3:lost "},
        {{.ballLeft = 5600, .ballTop = 100, .ballDY = -100}, 3, "1:side 2:wall 3:wall "},
    };
    for (const auto& [board, ticks, events] : cases) EXPECT_EQ(play(board, ticks), events);
    EXPECT_EQ(reversed(-32768), 32767);  // the velocity stays within 16 bits
    EXPECT_EQ(reversed(100), -100);
}

// Money and mood change before the play-again question, and the loop and the paddle stand still
// while it is open.
TEST(ArcadeGame, AFollowingPaddleWinsAfter390TicksOneLevelWithTheBallLosesAt30) {
    const std::tuple<int, int, Message, const char*> games[] = {
        {1, 390, {"Вы выиграли.", "Ура-а-а вы выиграли!!! Хотите начать снова?"}, "135 50"},
        {0, 30, {"Вы проиграли.", "К сожалению вы проиграли. Хотите начать снова?"}, "80 22"},
    };
    for (const auto& [behind, ticks, box, atQuestion] : games) {
        Arcade a("100");
        std::string seen;
        a.messages.whileOpen = [&](const Message&) {
            const Twips ball = a.ball(), paddle = a.paddle();
            a.tick();
            a.place->onTimer("Timer1");
            const bool held = a.ball() == ball && a.paddle() == paddle;
            seen = a.moneyAndMood() + (held && a.messages.shown.size() == 1 ? "" : " moved");
        };
        EXPECT_EQ(a.playFollowing(behind), ticks);
        EXPECT_EQ(a.lastBox(), (Message{box.title, box.text, Icon::Question, Buttons::YesNo}));
        EXPECT_EQ(seen, atQuestion);
    }
}

TEST(ArcadePaddle, AKeyTestsTheEdgeFirstSoItGoesOneStepPastAndNoFurther) {
    Arcade a;                                   // between games, in button mode
    a.placePaddle(arcade::kFieldWidth - 1080);  // at the edge: one more step
    a.place->onKey("", 39);
    EXPECT_EQ(a.paddle().left, 4965);
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
