// The jokes site: its three blocks, the computer's clock, the hourly charge into debt, and the
// goodbye said before the provider comes back.
#include "computer/internet.h"
#include "computer/internetsites.h"
#include "steps.h"

using namespace brankor;
using namespace brankor::transcripts;

TRANSCRIPT(frmInterAnek) {
    s.windows.registerPlace<FrmInternet>("frmInternet");
    s.set("lblVichod", "Есть").at({2026, 5, 9}, {9, 5, 7});
    s.open<FrmInterAnek>();
    hoverAll(s);
    s.note("One block of jokes at a time; a click on the jokes is laughed at");
    s.click("Command2").mouseDown("an_1").click("Command3").click("Command1").mouseDown("an_0");
    s.note("Every hour on the site costs 5 $, with no lower bound");
    s.tick("tmrcm").tick("tmrcm", 9);
    s.set("lblMoney", "3").tick("tmrcm");
    s.note("The clock shows the computer's time and ticks again just after the next second begins");
    s.at({2026, 5, 9}, {23, 59, 59, 300}).write("  (300 ms into that second)").tick("Timer1");
    s.at({2026, 5, 10}, {0, 0, 0, 4}).write("  (4 ms into that second)").tick("Timer1");
    s.note("Leaving: the goodbye first, then the provider, connected");
    clickReading(s, "cmdGoOut", {"lblMoney"});
    s.watch("frmInternet");
}
