// The software shop: each program on a computer one rung short in each of its needs and on one
// that just fits, the money test first, the panel deciding what is installed, and the virus
// check of each antivirus at its limit.
#include <algorithm>
#include <map>
#include <vector>

#include "computer/software.h"
#include "steps.h"

using namespace brankor;
using namespace brankor::transcripts;
using brankor::testing::split;

namespace {

/// Each part a program may need: the field it is read from, then its rungs from none up.
const std::map<std::string, std::vector<std::string>> kParts = {
    {"disk", {"VinchesterIndex", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}},
    {"sys", {"lblSystem", "Пока нет", "NC", "W3.11", "W95", "W98", "W2000"}},
    {"cpu",
     {"lblComp", "Пока нет", "486", "Pentium 90", "Pentium 133", "Pentium 166", "Pentium 200",
      "Pentium 233", "Pentium MMX"}},
    {"mon", {"lblMonitor", "Пока нет", "14 д.", "15 д.", "17 д."}},
    {"prn", {"lblPrinter", "Пока нет", "Матричный", "Струйный", "Лазерный"}},
    {"scan", {"lblSkaner", "Пока нет", "Ручной", "Планшетный"}},
    {"modem", {"lblModem", "Пока нет", "14.4", "28.8"}},
    {"cd",
     {"lblCDROM", "Пока нет", "2xSpeed", "8xSpeed", "16xSpeed", "32xSpeed", "34xSpeed", "36xSpeed",
      "40xSpeed"}},
    {"ram", {"lblRAM", "Пока нет", "8Mb", "16Mb", "32Mb", "64Mb", "128Mb"}},
    {"sound", {"lblSoundKarta", "Пока нет", "Mono 16КГЦ", "22КГЦ"}},
    {"video", {"lblVideoKarta", "Пока нет", "1Mb", "4Mb", "8Mb", "16Mb"}},
};

/// Each program's button and needs: "cpu Pentium 90" is that model or better, a bare part any
/// model, "disk k" the disk of level k or bigger.
const std::pair<const char*, const char*> kPrograms[] = {
    {"cmdNC", "cpu; mon; cd; ram; disk 1"},
    {"cmdW311", "cpu Pentium 90; mon; prn; cd 8xSpeed; ram 16Mb; video 4Mb; disk 2"},
    {"cmdW95", "cpu Pentium 133; mon; prn; cd 16xSpeed; ram 16Mb; sound; video 4Mb; disk 4"},
    {"cmdW98", "cpu Pentium 166; mon; prn; cd 16xSpeed; ram 32Mb; sound; video 4Mb; disk 5"},
    {"cmdW2000",
     "cpu Pentium 233; mon 15 д.; prn Струйный; modem; cd 32xSpeed; ram 64Mb; sound 22КГЦ; "
     "video 8Mb; disk 7"},
    {"cmdBasic", "sys; cpu; mon; cd; ram; video; disk 1"},
    {"cmdPascal", "sys; cpu Pentium 90; mon; cd; ram; video; disk 2"},
    {"cmdVB", "sys W95; cpu Pentium 133; mon; cd 16xSpeed; ram 16Mb; video 4Mb; disk 3"},
    {"cmdVC", "sys W95; cpu Pentium 166; mon; cd 16xSpeed; ram 32Mb; video 4Mb; disk 4"},
    {"cmdPaint", "sys W3.11; cpu Pentium 90; mon; cd 8xSpeed; ram; video 4Mb; disk 1"},
    {"cmdPhotoshp", "sys W95; cpu Pentium 133; mon; cd 8xSpeed; ram 16Mb; video 4Mb; disk 3"},
    {"cmd3DSMII",
     "sys W98; cpu Pentium 166; mon 15 д.; prn Струйный; cd 32xSpeed; ram 64Mb; video 4Mb; "
     "disk 8"},
    {"cmd3DSMIII",
     "sys W2000; cpu Pentium MMX; mon 17 д.; prn Лазерный; scan Планшетный; modem 28.8; "
     "cd 40xSpeed; ram 128Mb; sound 22КГЦ; video 16Mb; disk 9"},
    {"cmdAKI", "sys W95"},
    {"cmdAIVP", "sys W2000"},
};

/// Sets up a computer that just meets `needs`, but one rung lower in the need `lower`.
void fit(Script& s, const std::string& button, const std::string& needs,
         const std::string& lower = "") {
    const std::string what = "(a computer just fit for " + button +
                             (lower.empty() ? "" : ", one rung lower in " + lower) + ")";
    s.step(what, [&] {
        for (const std::string& need : split(needs, "; ")) {
            const std::string part = split(need, " ")[0];
            const std::vector<std::string>& rungs = kParts.at(part);
            const std::string model = need == part ? rungs[2] : need.substr(part.size() + 1);
            const auto at = std::find(rungs.begin(), rungs.end(), model) - (need == lower);
            if (part == "disk")
                setVinchester(s.state(), static_cast<std::int16_t>(std::stoi(*at)));
            else
                textField(s.state(), rungs[0]) = *at;
        }
    });
}

}  // namespace

TRANSCRIPT(frmPrograms) {
    s.open<FrmPrograms>();
    hoverAll(s);
    s.note("No money: refused before the computer is looked at");
    s.set("lblMoney", "0").buy("cmdW2000");
    s.set("lblMoney", "500");

    s.note("Each program one rung short in each need, then on a computer that just fits it");
    for (const auto& [button, needs] : kPrograms) {
        for (const std::string& need : split(needs, "; ")) {
            fit(s, button, needs, need);
            s.buy(button);
        }
        fit(s, button, needs);
        s.buy(button);
    }

    s.note("The next visit: what is installed is off, lower programs are on");
    s.open<FrmPrograms>();
    s.note("The virus check costs what the panel shows, up to each antivirus's limit");
    s.set("lblVir", "11").buy("cmdAntivirus");
    s.set("lblVir", "10").click("cmdAntivirus");
    s.set("lblMoney", "0").set("lblVir", "3").click("cmdAntivirus");
    s.hover("").click("cmdAntivirus");
    s.set("lblMoney", "100").buy("cmdAKI");
    s.set("lblVir", "6").buy("cmdAntivirus");
    s.set("lblVir", "5").click("cmdAntivirus");
    s.note("1 $ installs a lower system over a higher one; then no money is left for another");
    s.set("lblMoney", "1").buy("cmdW95").buy("cmdW98");
    s.note("A click installs what the panel shows at the price it shows");
    s.set("lblMoney", "100").hover("cmdW311").click("cmdNC");

    s.note("3D Studio Max III refuses only an 8Mb video card");
    s.set("lblSystem", "W2000").set("lblGraph", "Photoshop").set("lblVideoKarta", "4Mb");
    s.open<FrmPrograms>();
    s.buy("cmd3DSMIII").click("cmdBack");
}
