// The provider: each part of the smallest computer missing in turn, connecting into debt, the
// connected window on the next visit, and the way out to each site.
#include "computer/internet.h"
#include "computer/internetsites.h"
#include "steps.h"

using namespace brankor;
using namespace brankor::transcripts;

TRANSCRIPT(frmInternet) {
    s.windows.registerPlace<FrmInterAnek>("frmInterAnek");
    s.windows.registerPlace<FrmInterComp>("frmInterComp");
    s.open<FrmInternet>();
    s.hover("cmdPodkl").hover("");
    s.note("Connecting needs a modem, a processor, a monitor, a hard disk, a CD-ROM and RAM");
    const std::pair<const char*, const char*> parts[] = {
        {"lblModem", "14.4"},       {"lblComp", "486"},      {"lblMonitor", "14 д."},
        {"lblVinchester", "10 Gb"}, {"lblCDROM", "2xSpeed"}, {"lblRAM", "8Mb"}};
    for (const auto& [missing, unused] : parts) {
        s.step(std::string("(everything but ") + missing + ")", [&] {
            for (const auto& [part, model] : parts)
                textField(s.state(), part) = part == missing ? "Пока нет" : model;
        });
        s.click("cmdPodkl");
    }
    s.note("With all of them connecting takes its fee whatever the money, after its box");
    s.set(parts[5].first, parts[5].second).set("lblMoney", "10");
    clickReading(s, "cmdPodkl", {"lblMoney", "lblVichod"});
    s.click("cmdWalk").click("cmdAnek");

    s.note("The next visit: connected; each site takes the provider's place");
    s.open<FrmInternet>();
    s.click("cmdWalk");
    hoverAll(s);
    s.click("Command5");
    s.open<FrmInternet>();
    s.click("cmdBack");
}
