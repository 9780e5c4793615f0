// The computer site: its article, the hourly charge into debt, and the way back to the provider
// without a word.
#include "computer/internet.h"
#include "computer/internetsites.h"
#include "steps.h"

using namespace brankor;
using namespace brankor::transcripts;

TRANSCRIPT(frmInterComp) {
    s.windows.registerPlace<FrmInternet>("frmInternet");
    s.set("lblVichod", "Есть").set("lblMoney", "30");
    s.open<FrmInterComp>();
    hoverAll(s);
    s.note("Every hour on the site costs 5 $, with no lower bound: 15 seconds cost 50 $");
    s.tick("tmrcm").tick("tmrcm", 9);
    s.click("cmdGoOut");
    s.watch("frmInternet");
}
