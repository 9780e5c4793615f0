// The roulette: the key filter and the boxes' lengths, each check of the start at its limit, the
// hidden counter stopped before and after its first 10 ms, the draw's ends, wins and losses, and
// the back button in every phase.
#include "leisure/party.h"
#include "leisure/roulette.h"
#include "steps.h"

using namespace brankor;
using namespace brankor::transcripts;

namespace {

/// Puts a new bet into the boxes and presses start.
void bet(Script& s, const char* number, const char* stake) {
    s.change("txtChis", number).change("txtStav", stake).click("cmdStart");
}

/// Stops the counter `ms` after the start where Rnd gives `rnd`, then settles.
void stopAt(Script& s, std::int64_t ms, double rnd) {
    s.later(ms).draws({rnd}).click("cmdStop").click("cmdStop");
}

}  // namespace

TRANSCRIPT(frmRuletka) {
    s.windows.registerPlace<FrmParty>("frmParty");
    s.open<FrmRuletka>();
    hoverAll(s);
    s.note("Only digits and backspace may be typed; the boxes hold two and three digits");
    s.type("txtChis", "-a\r1").type("txtStav", "x ").type("txtChis", "23").type("txtChis", "\b\b");
    s.type("txtStav", "1000").change("txtStav", "1 0,5Ж9");
    s.note("Start: the number at most 13, both boxes filled, the stake within the whole money");
    s.note("and above 0, in that order; the stake is not taken yet");
    bet(s, "14", "");
    bet(s, "13", "");
    bet(s, "", "5");
    s.set("lblMoney", "170.5");
    bet(s, "13", "171");
    bet(s, "13", "170");
    s.note("While the counter runs out of sight, nothing leads back");
    s.click("cmdBack").close();
    s.note("Stopped before its first 10 ms the counter still shows what it showed; 13 never wins");
    s.later(9).click("cmdStop");
    s.click("cmdBack").close().click("cmdStop");
    s.note("No stake of 0 with money; with less than 0 $ the money refuses any stake first");
    bet(s, "0", "000");
    bet(s, "0", "1");
    s.set("lblMoney", "-0.5");
    bet(s, "0", "0");
    s.note(
        "The draw from 0 to 12 a tick after 10 ms; a leading zero is dropped so that it can win");
    s.set("lblMoney", "100");
    bet(s, "05", "10");
    stopAt(s, 10, 5.5 / 13);
    bet(s, "00", "1");
    stopAt(s, 20, 0);
    bet(s, "12", "2");
    stopAt(s, 5000, 0.9999999);
    bet(s, "11", "1");
    stopAt(s, 10, 0.9999999);
    s.note("The largest stake the box takes, all the money, on 13: lost");
    s.set("lblMoney", "999");
    bet(s, "13", "999");
    stopAt(s, 10, 0.9999999);
    s.click("cmdBack");
    s.watch("frmParty");
}
