// The arcade: the pictures to choose, a game left alone from its first bounce to its loss, a game
// won with the paddle under the ball, the keys and the arrow buttons on both sides of each edge,
// the keyboard mode's locks, and the way back only between games.
#include "leisure/arcade.h"
#include "leisure/party.h"
#include "steps.h"

using namespace brankor;
using namespace brankor::transcripts;

namespace {

/// Puts the paddle at `left`, as if it had been moved there, to try an edge exactly.
void paddleAt(Script& s, int left) {
    s.step("(the paddle put at left " + std::to_string(left) + ")",
           [&] { s.place()["C1"].geometry->left = left; });
}

/// `ticks` ticks of the game loop with the paddle kept just under the ball's next left edge.
void follow(Script& s, int ticks) {
    const std::string what = ticks == 1 ? "one more tick" : std::to_string(ticks) + " ticks";
    s.step("the paddle kept under the ball for " + what, [&] {
        for (int tick = 0; tick < ticks; ++tick) {
            Place& p = s.place();
            p["C1"].geometry->left = p["P1"].geometry->left + std::stoi(p["T1"].text) - 1;
            p.onTimer("Timer3");
        }
    });
}

}  // namespace

TRANSCRIPT(frmAr) {
    s.windows.registerPlace<FrmParty>("frmParty");
    s.open<FrmAr>();
    hoverAll(s);
    for (const char* option : {"b2", "b3", "b1", "o2", "o3", "o1"}) s.click(option);

    s.note("A game left alone: the paddle at 27, the top at 54, the right wall at 57, the ball");
    s.note("sliding along the paddle from 84 to 92, the left wall at 114, the floor at 152");
    s.click("cmdNew");
    hoverAll(s).close();
    for (const int ticks : {27, 27, 3, 27, 1, 1, 1, 1, 1, 1, 1, 1, 22, 8, 29})
        s.tick("Timer3", ticks);
    s.yes();
    reading(s, {"lblMoney", "lblHappyness"}, [&] { s.tick("Timer3"); });
    s.note("Yes: the next game runs at once, at full width where the paddle was. Kept under the");
    s.note("ball the paddle shrinks to 302 wide at tick 389 and wins at 300, tick 390");
    follow(s, 389);
    s.no();
    reading(s, {"lblMoney", "lblHappyness"}, [&] { follow(s, 1); });

    s.note("Keys between games: the edge is tested before a step of 150");
    for (const auto& [left, key] : {std::pair{4815, 39}, {4816, 39}, {0, 37}, {-1, 37}}) {
        paddleAt(s, left);
        s.key("", key).key("", key);
    }
    s.key("", 38);
    s.note("Arrow buttons: a step of 100 at once and at each tick, tested after it");
    for (const auto& [left, button, timer] : {std::tuple{4615, "Command2", "Timer1"},
                                              {4915, "Command2", "Timer1"},
                                              {100, "Command3", "Timer2"},
                                              {2000, "Command3", "Timer2"}}) {
        paddleAt(s, left);
        s.mouseDown(button).tick(timer).tick(timer).mouseUp(button).tick(timer);
    }
    s.note("Space on an arrow button that has the focus presses it once");
    s.key("Command3", 32).key("Command2", 32);

    s.note("Keyboard mode locks the arrow buttons during a game; the keys still work");
    s.click("optKlaviatura").click("cmdNew").mouseDown("Command2").key("", 37);
    s.no().tick("Timer3", 30);
    s.note("Button mode: the keys work during a game too");
    s.click("optKnopki").click("cmdNew").key("", 39);
    s.note("Only a ball whose left edge is inside the paddle bounces: at 2700 on tick 27 it is at");
    s.note("the paddle's very edge and falls on, at 2800 on tick 28 it bounces");
    paddleAt(s, 2700);
    s.tick("Timer3", 27).tick("Timer3");
    s.no().tick("Timer3", 300);
    s.close();
    s.watch("frmParty");
}
