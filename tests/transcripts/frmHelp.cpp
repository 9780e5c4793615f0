// The help window opened by both help menus, its four texts, and its way to the about box.
#include "game/help.h"
#include "game/startwindows.h"
#include "transcript.h"

using namespace brankor;

TRANSCRIPT(frmHelp) {
    s.windows.registerPlace<FrmHelp>("frmHelp");
    s.windows.registerPlace<FrmFirst>("frmFirst");
    s.step("menu Подробная справка", [&] { menuBigHelp(s.game); }).watch("frmHelp");
    s.hover("").hover("Command1");
    for (const char* button : {"Command1", "Command2", "cmdChanges", "Command3"}) s.click(button);
    s.click("cmdOk");

    s.note("The short help, then the about box from the help window");
    s.step("menu Короткая справка", [&] { menuSmallHelp(s.game); }).watch("frmHelp");
    s.click("cmdAbout").watch("frmFirst");
    s.hover("cmdOkAbout").close();

    s.note("The about box from the menu");
    s.step("menu О программе", [&] { menuAbout(s.game); }).watch("frmFirst");
    s.click("cmdOkAbout");
}
