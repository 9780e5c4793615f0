// The fishing shop: each article a cent short of the money it needs and at it, bait packs up to
// the 32767 the box counts, the trip refused without gear, by car and by bus at each fare's
// limit, and the next visit's tackle box.
#include "leisure/hobby.h"
#include "leisure/madfish.h"
#include "steps.h"

using namespace brankor;
using namespace brankor::transcripts;

TRANSCRIPT(frmHobby) {
    s.windows.registerPlace<FrmMadFish>("frmMadFish");
    s.set("FishTotal", "17");
    s.open<FrmHobby>();
    hoverAll(s);
    s.hover("cmdBYdochka").hover("imgF").hover("cmdBSnasti").hover("cmdGoFishing");
    s.note("The rod needs and costs 30 $; the tackle needs 30 $ and costs 20 $; bait needs and");
    s.note("costs 6 $; the trip needs the rod and the tackle, not bait");
    s.set("lblMoney", "29.99").buy("cmdBYdochka").buy("cmdBSnasti");
    s.set("lblMoney", "30").buy("cmdBSnasti").click("cmdGoFishing").buy("cmdBYdochka");
    s.set("lblMoney", "30").click("cmdBYdochka").click("cmdBYdochka");
    s.note("A rod without tackle is not ready either");
    s.set("HasTackle", "False").click("cmdGoFishing").set("HasTackle", "True");
    s.set("lblMoney", "5.99").buy("cmdBPrikormka");
    s.set("lblMoney", "6").click("cmdBPrikormka");
    s.note("The box holds 32767 packs at most");
    s.set("lblMoney", "100").set("BaitPacks", "32766").click("cmdBPrikormka");
    s.click("cmdBPrikormka");

    s.note("By car: petrol for 5 $ of the whole dollars, after Yes");
    s.set("CarIndex", "1").no().click("cmdGoFishing");
    s.set("lblMoney", "4.99").yes().click("cmdGoFishing");
    s.set("lblMoney", "5.5").yes().click("cmdGoFishing").leave("frmMadFish");
    s.open<FrmHobby>().set("lblMoney", "5").yes().click("cmdGoFishing").leave("frmMadFish");
    s.note("By bus: 10 $ for the ticket, cents and all; the refusal speaks of a taxi");
    s.set("CarIndex", "0").set("BaitPacks", "0");
    s.open<FrmHobby>().no().click("cmdGoFishing");
    s.set("lblMoney", "9.99").yes().click("cmdGoFishing");
    s.set("lblMoney", "10").yes().click("cmdGoFishing").leave("frmMadFish");
    s.open<FrmHobby>().set("lblMoney", "10.5").yes().click("cmdGoFishing");
    s.watch("frmMadFish");
    s.open<FrmHobby>().click("cmdBack");
}
