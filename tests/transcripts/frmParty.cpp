// The leisure window: both outings at the money and mood limits, the texts under the pointer
// before and after the casino opens, and each game taking the window's place.
#include "leisure/party.h"
#include "steps.h"

using namespace brankor;
using namespace brankor::transcripts;

TRANSCRIPT(frmParty) {
    s.open<FrmParty>();
    hoverAll(s);
    s.note("An outing needs money above 0, even into debt, and a mood of at most 150");
    for (const char* outing : {"cmdDisco", "cmdVech"}) {
        s.set("lblMoney", "0").set("lblHappyness", "20").buy(outing);
        s.set("lblMoney", "1").click(outing);
        s.set("lblMoney", "170").set("lblHappyness", "150.5").click(outing);
        s.set("lblHappyness", "150").click(outing).click(outing);
    }
    s.note("Too little money and too high a mood at once: only the money is spoken of");
    s.set("lblMoney", "-3").set("lblHappyness", "200").click("cmdDisco");
    s.note("The casino's games are hidden until it is opened; an outing then shows only its price");
    s.click("cmdRuletka");
    s.hover("cmdKasino").click("cmdKasino");
    hoverAll(s);
    s.hover("cmdKasino").hover("cmdDisco");
    s.note("Each game speaks for itself after an outing's price");
    s.hover("cmdRuletka2").hover("").hover("cmdAr");
    for (const char* game : {"cmdRuletka", "cmdRuletka2", "cmdAr"}) {
        s.click(game);
        s.open<FrmParty>().click("cmdKasino");
    }
    s.click("cmdBack");
}
