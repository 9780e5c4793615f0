// The slot machine: a pack bought with no money, every row of the pay table and a miss, the last
// spin of a pack, and the spins lost on leaving.
#include "leisure/party.h"
#include "leisure/slots.h"
#include "steps.h"

using namespace brankor;
using namespace brankor::transcripts;

namespace {

/// A spin where the reels stop at symbols a, b and c (0 cherries, 1 apple, 2 hamburger).
void spin(Script& s, int a, int b, int c) {
    s.draws({(a + 0.5) / 3, (b + 0.5) / 3, (c + 0.5) / 3});
    clickReading(s, "cmdStart", {"lblMoney", "lblVrash", "cmdBVrash", "cmdStart", "imgPict3"});
}

}  // namespace

TRANSCRIPT(frmRuletka2) {
    s.windows.registerPlace<FrmParty>("frmParty");
    s.open<FrmRuletka2>();
    hoverAll(s, {"imgS_", "lblWin1_"}).click("cmdStart");
    s.note("A pack of five spins costs 9 $ and 4 of mood, with no money test");
    s.set("lblMoney", "0").click("cmdBVrash").click("cmdBVrash");
    s.note(
        "Each row of the pay table in its order; the last spin of a pack turns the buttons over");
    const int rows[][3] = {{1, 1, 0}, {2, 2, 0}, {0, 0, 1}, {2, 2, 1}, {0, 0, 2},
                           {1, 1, 2}, {0, 0, 0}, {1, 1, 1}, {2, 2, 2}};
    for (int row = 0; row < 9; ++row) {
        if (row == 5) s.click("cmdBVrash");
        spin(s, rows[row][0], rows[row][1], rows[row][2]);
    }
    s.note("Reels 1 and 2 unequal never pay");
    spin(s, 0, 1, 0);
    s.click("cmdStart").click("cmdBVrash");
    spin(s, 2, 1, 2);
    s.note("Leaving loses the spins left; the close box leaves as the back button does");
    s.click("cmdBack");
    s.open<FrmRuletka2>().close();
    s.watch("frmParty");
}
