// The hardware shop: every ladder climbed rung by rung to its top, the cards tried at every
// processor, the money tests at their limits and the hard disk at each price.
#include "computer/hardware.h"
#include "steps.h"

using namespace brankor;
using namespace brankor::transcripts;

TRANSCRIPT(frmComputer) {
    s.open<FrmComputer>();
    hoverAll(s);
    s.note("Plain components: any money above 0 buys, whatever the price, even into debt");
    s.set("lblMoney", "0").buy("cmdBuyComp");
    s.set("lblMoney", "0.5").click("cmdBuyComp");
    s.note("Cards ask for no money at all");
    s.buy("cmdBuySvukKarta").buy("cmdBuyVideoKarta");

    s.note("The processor rung by rung; at each, the next sound and video card on offer");
    s.set("lblMoney", "5000");
    while (s.place()["cmdBuyComp"].enabled)
        s.buy("cmdBuySvukKarta").buy("cmdBuyVideoKarta").buy("cmdBuyComp");
    s.buy("cmdBuyVideoKarta");

    s.note("Two clicks without moving the pointer buy the model on offer twice");
    s.hover("cmdBuyMonitor").click("cmdBuyMonitor").click("cmdBuyMonitor");
    s.note("The other ladders to their tops, where a click disables the button");
    for (const char* button : {"cmdBuyMonitor", "cmdBuyPrinter", "cmdBuySkaner", "cmdBuyModem",
                               "cmdBuyCDRom", "cmdBuyRAM"})
        while (s.place()[button].enabled) s.buy(button);

    s.note("Hard disk: the whole dollars must reach the price; two clicks buy two disks");
    s.set("lblMoney", "9.99").buy("cmdBuyVinchester");
    s.set("lblMoney", "25").click("cmdBuyVinchester").click("cmdBuyVinchester");
    for (const int price : {20, 30, 40, 50, 60, 80, 90}) {
        s.set("lblMoney", std::to_string(price - 1) + ".99").buy("cmdBuyVinchester");
        s.set("lblMoney", std::to_string(price)).click("cmdBuyVinchester");
    }
    s.hover("cmdBuyVinchester").click("cmdBuyVinchester").hover("cmdBuyVinchester");

    s.note("The next visit with everything at its top: every buy button is off");
    s.open<FrmComputer>();
    s.note("A visit below the tops; a click with nothing on offer only disables the button");
    s.set("lblRAM", "64Mb").set("VinchesterIndex", "8");
    s.set("lblSoundKarta", "Mono 16КГЦ").set("lblVideoKarta", "4Mb");
    s.open<FrmComputer>();
    s.hover("").click("cmdBuyRAM").hover("cmdBuyRAM");
    s.note("A better processor than a card asks for will do");
    s.buy("cmdBuySvukKarta").buy("cmdBuyVideoKarta").click("cmdBack");
}
