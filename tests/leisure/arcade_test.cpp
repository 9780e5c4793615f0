// The arcade's loop on boards the play-through does not reach, and the play-again question that
// holds the game still while it is open.
#include <gtest/gtest.h>

#include "fakes/fakes.h"
#include "leisure/arcade.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// Every tick that did something until the game ends, as "tick:event ...".
std::string play(ArcadeBoard board) {
    static const char* const names[] = {"none", "side", "wall", "paddle", "won", "lost"};
    std::string log;
    for (int tick = 1; tick <= 1000; ++tick) {
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
};

}  // namespace

// Only the ball's left edge strictly inside the paddle catches it; a side-wall tick at the floor
// line is not lost.
TEST(ArcadeLoop, TheFirstTestThatHoldsDecidesATick) {
    const std::pair<ArcadeBoard, const char*> cases[] = {
        {{.ballLeft = 1900, .ballTop = 2900, .paddleLeft = 2000}, "1:lost "},
        {{.ballLeft = 5600, .ballTop = 2900, .paddleLeft = 0}, "1:side 2:wall 3:lost "},
    };
    for (const auto& [board, events] : cases) EXPECT_EQ(play(board), events);
}

// The paddle kept `behind` twips before the ball's next left edge. Money and mood change before
// the question; the loop and the paddle stand still while it is open.
TEST(ArcadeGame, AFollowingPaddleWinsAfter390TicksOneLevelWithTheBallLosesAt30) {
    const std::tuple<int, int, const char*, const char*, const char*> games[] = {
        {1, 390, "Вы выиграли.", "Ура-а-а вы выиграли!!! Хотите начать снова?", "135 50"},
        {0, 30, "Вы проиграли.", "К сожалению вы проиграли. Хотите начать снова?", "80 22"}};
    for (const auto& [behind, ticks, title, question, atQuestion] : games) {
        Arcade a("100");
        std::string seen;
        a.messages.whileOpen = [&](const Message&) {
            const Twips ball = a.ball(), paddle = a.paddle();
            a.tick();
            a.place->onTimer("Timer1");
            seen = a.moneyAndMood() + (a.ball() == ball && a.paddle() == paddle ? "" : " moved");
        };
        a.click("cmdNew");
        int played = 0;
        for (; a.messages.shown.empty() && played < 1000; ++played) {
            a.placePaddle(a.ball().left + std::stoi(a["T1"].text) - behind);
            a.tick();
        }
        EXPECT_EQ(std::to_string(played) + " " + seen, std::to_string(ticks) + " " + atQuestion);
        EXPECT_EQ(a.messages.shown, (Boxes{{title, question, Icon::Question, Buttons::YesNo}}));
    }
}
