// The flat: each of the four ladders from the bottom rung to the top, refused at 0 $ and bought
// at 1 $, the same rung bought twice without moving the pointer, and a visit with every ladder
// at its top.
#include "life/flat.h"
#include "transcript.h"

using namespace brankor;

TRANSCRIPT(frmFlat) {
    s.open<FrmFlat>();
    s.hover("");
    for (const char* button : {"cmdBuyFlat", "cmdBuyBath", "cmdBuyKitchen", "cmdBuyMebel"}) {
        s.note(std::string("The ladder of ") + button);
        s.set("lblMoney", "0").buy(button);
        s.set("lblMoney", "1").click(button);
        s.set("lblMoney", "1000").click(button);  // the pointer did not move: the same rung again
        for (int rung = 1; rung < 6; ++rung) s.buy(button);
        s.buy(button);  // nothing left on offer: the click turns the button off
        s.hover("");
    }
    s.note("The cottage bought with a single dollar");
    s.set("lblRoom", "6").set("lblMoney", "1");
    s.open<FrmFlat>();
    s.buy("cmdBuyFlat").hover("cmdBack").click("cmdBack");
    s.note("A visit with the cottage: the flat button is off from the start");
    s.open<FrmFlat>().hover("cmdBuyFlat").click("cmdBack");
}
