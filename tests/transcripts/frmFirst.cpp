// The start-up window in its three moments: a new game asked for from the menu (the old game
// waits behind it), the player's death, and the program's end. The fake windows keep the main
// window's fields when it is loaded again; the real navigator rebuilds them first.
#include "game/lifecycle.h"
#include "game/menus.h"
#include "game/startwindows.h"
#include "transcript.h"

using namespace brankor;

TRANSCRIPT(frmFirst) {
    s.windows.registerPlace<FrmFirst>("frmFirst");
    s.note("A new game from the menu: the close box goes back to the old game");
    s.set("lblMoney", "5").set("lblHours", "7").set("CarIndex", "2");
    s.no().step("menu Новая игра", [&] { menuNewGame(s.game); });
    s.yes().step("menu Новая игра", [&] { menuNewGame(s.game); }).watch("frmFirst");
    s.hover("").hover("cmdOK");
    s.close();
    s.yes().step("menu Новая игра", [&] { menuNewGame(s.game); }).watch("frmFirst");
    s.no().click("cmdExit");
    s.click("cmdOK");

    s.note("After a death the close box asks before it ends the program");
    s.set("lblHungry", "-29").step("tick Timer1", [&] { lifeTick(s.game); }).watch("frmFirst");
    s.no().close();
    s.click("cmdOK");

    s.note("After a death by boredom: leaving by the close box, or (the same again) by the button");
    s.set("lblHappyness", "-39").step("tick Timer1", [&] { lifeTick(s.game); }).watch("frmFirst");
    s.no().click("cmdExit");
    s.yes().click("cmdExit");
    s.yes().close();
}
