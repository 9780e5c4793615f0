// The software shop: each program's requirements, what an installation stores and charges, and
// the paid virus check.
#include <gtest/gtest.h>

#include <map>

#include "computer/hardware.h"
#include "computer/software.h"
#include "core/lifecycle.h"
#include "fakes/fakes.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

const Message kNoFit{"Не подходит конфигурация  компьютера",
                     "Конфигурация вашего компьютера не подходит"};

struct Shop : PlaceTest<FrmPrograms> {
    std::string panel() {
        return (*this)["lblWhat"].text + "|" + (*this)["lblM"].text + "|" + (*this)["txtSpec"].text;
    }
};

/// One requirement as the player reads it: the lowest value that meets it and the value one
/// rung below. "disk" stands for the hard-disk level.
struct Need {
    std::string field;
    std::string meets;
    std::string below;
};

/// "any" after a component: its lowest model meets it, nothing is one rung below.
const std::map<std::string, std::string> kLowest = {
    {"lblComp", "486"},       {"lblMonitor", "14 д."}, {"lblPrinter", "Матричный"},
    {"lblCDROM", "2xSpeed"},  {"lblRAM", "8Mb"},       {"lblSoundKarta", "Mono 16КГЦ"},
    {"lblVideoKarta", "1Mb"}, {"lblModem", "14.4"},    {"lblSystem", "NC"}};

struct Minimum {
    const char* button;
    const char* stored;
    int price;
    /// "field any" or "field meets/below", separated by "; ".
    const char* needs;

    std::vector<Need> parsed() const {
        std::vector<Need> result;
        for (const std::string& one : split(needs, "; ")) {
            const std::size_t blank = one.find(' ');
            const std::string field = one.substr(0, blank);
            const auto values = split(one.substr(blank + 1), "/");
            result.push_back(values[0] == "any" ? Need{field, kLowest.at(field), "Пока нет"}
                                                : Need{field, values[0], values[1]});
        }
        return result;
    }
};

const Minimum kMinimums[] = {
    {"cmdNC", "NC", 3, "lblComp any; lblMonitor any; lblCDROM any; lblRAM any; disk 1/0"},
    {"cmdW311", "W3.11", 8,
     "lblComp Pentium 90/486; lblMonitor any; lblPrinter any; lblCDROM 8xSpeed/2xSpeed; "
     "lblRAM 16Mb/8Mb; lblVideoKarta 4Mb/1Mb; disk 2/1"},
    {"cmdW95", "W95", 10,
     "lblComp Pentium 133/Pentium 90; lblMonitor any; lblPrinter any; "
     "lblCDROM 16xSpeed/8xSpeed; lblRAM 16Mb/8Mb; lblSoundKarta any; lblVideoKarta 4Mb/1Mb; "
     "disk 4/3"},
    {"cmdW98", "W98", 12,
     "lblComp Pentium 166/Pentium 133; lblMonitor any; lblPrinter any; "
     "lblCDROM 16xSpeed/8xSpeed; lblRAM 32Mb/16Mb; lblSoundKarta any; lblVideoKarta 4Mb/1Mb; "
     "disk 5/4"},
    {"cmdW2000", "W2000", 15,
     "lblComp Pentium 233/Pentium 200; lblMonitor 15 д./14 д.; lblPrinter Струйный/Матричный; "
     "lblModem any; lblCDROM 32xSpeed/16xSpeed; lblRAM 64Mb/32Mb; "
     "lblSoundKarta 22КГЦ/Mono 16КГЦ; lblVideoKarta 8Mb/4Mb; disk 7/6"},
    {"cmdBasic", "Basic", 1,
     "lblSystem any; lblComp any; lblMonitor any; lblCDROM any; lblRAM any; "
     "lblVideoKarta any; disk 1/0"},
    {"cmdPascal", "Pascal", 2,
     "lblSystem any; lblComp Pentium 90/486; lblMonitor any; lblCDROM any; lblRAM any; "
     "lblVideoKarta any; disk 2/1"},
    {"cmdVB", "VB", 5,
     "lblSystem W95/W3.11; lblComp Pentium 133/Pentium 90; lblMonitor any; "
     "lblCDROM 16xSpeed/8xSpeed; lblRAM 16Mb/8Mb; lblVideoKarta 4Mb/1Mb; disk 3/2"},
    {"cmdVC", "VC++", 5,
     "lblSystem W95/W3.11; lblComp Pentium 166/Pentium 133; lblMonitor any; "
     "lblCDROM 16xSpeed/8xSpeed; lblRAM 32Mb/16Mb; lblVideoKarta 4Mb/1Mb; disk 4/3"},
    {"cmdPaint", "Paint", 2,
     "lblSystem W3.11/NC; lblComp Pentium 90/486; lblMonitor any; lblCDROM 8xSpeed/2xSpeed; "
     "lblRAM any; lblVideoKarta 4Mb/1Mb; disk 1/0"},
    {"cmdPhotoshp", "Photoshop", 5,
     "lblSystem W95/W3.11; lblComp Pentium 133/Pentium 90; lblMonitor any; "
     "lblCDROM 8xSpeed/2xSpeed; lblRAM 16Mb/8Mb; lblVideoKarta 4Mb/1Mb; disk 3/2"},
    {"cmd3DSMII", "3D StMax II", 10,
     "lblSystem W98/W95; lblComp Pentium 166/Pentium 133; lblMonitor 15 д./14 д.; "
     "lblPrinter Струйный/Матричный; lblCDROM 32xSpeed/16xSpeed; lblRAM 64Mb/32Mb; "
     "lblVideoKarta 4Mb/1Mb; disk 8/7"},
    {"cmd3DSMIII", "3D StMax III", 20,
     "lblSystem W2000/W98; lblComp Pentium MMX/Pentium 233; lblMonitor 17 д./15 д.; "
     "lblPrinter Лазерный/Струйный; lblSkaner Планшетный/Ручной; lblModem 28.8/14.4; "
     "lblCDROM 40xSpeed/36xSpeed; lblRAM 128Mb/64Mb; lblSoundKarta 22КГЦ/Mono 16КГЦ; "
     "lblVideoKarta 16Mb/8Mb; disk 9/8"},
    {"cmdAKI", "Касперского", 5, "lblSystem W95/W3.11"},
    {"cmdAIVP", "IVP 100", 10, "lblSystem W2000/W98"},
};

void set(GameState& s, const std::string& field, const std::string& value) {
    if (field == "disk") {
        setVinchester(s, static_cast<std::int16_t>(std::stoi(value)));
    } else {
        *fieldByName(s, field) = value;
    }
}

/// A computer that just meets every requirement of `m`, with `money` to spend.
void meet(GameState& s, const Minimum& m, const char* money = "100") {
    s.lblMoney = money;
    for (const Need& need : m.parsed()) set(s, need.field, need.meets);
}

/// The four program fields.
std::string programs(const GameState& s) {
    return s.lblSystem + "|" + s.lblProgram + "|" + s.lblGraph + "|" + s.lblAntvirus;
}

}  // namespace

// Every program installs on the computer that just meets its requirements, and the same
// computer one rung below in any single requirement is refused with nothing changed.
TEST(SoftwareRequirements, EachProgramFitsItsMinimumAndNotOneRungBelow) {
    for (const Minimum& m : kMinimums) {
        SCOPED_TRACE(m.button);
        Shop s;
        meet(s.state(), m);
        s.open();
        s.buy(m.button);
        ASSERT_EQ(s.messages.shown.size(), 1u);
        EXPECT_EQ(s.lastBox().title, "Установлен");
        EXPECT_EQ(s.lastBox().icon, Icon::Information);
        EXPECT_NE(programs(s.state()).find(m.stored), std::string::npos);
        EXPECT_EQ(s.state().lblMoney, std::to_string(100 - m.price));
        EXPECT_FALSE(s[m.button].enabled);

        for (const Need& need : m.parsed()) {
            SCOPED_TRACE(need.field);
            Shop below;
            meet(below.state(), m);
            set(below.state(), need.field, need.below);
            const GameState before = below.state();
            below.open();
            below.buy(m.button);
            EXPECT_EQ(below.messages.shown, Boxes{kNoFit});
            EXPECT_EQ(below.state(), before);
            EXPECT_TRUE(below[m.button].enabled);
        }
    }
}

// Installing: the bonus, the price of the panel, the field replaced, the box; 1 $ is enough.
TEST(SoftwareInstall, OneDollarInstallsWindows2000AndTheMoneyTestComesFirst) {
    Shop s;
    meet(s.state(), kMinimums[4], "1");
    s.state().lblSystem = "NC";
    s.state().lblVir = "3";
    s.open();
    s.buy("cmdW2000");
    EXPECT_EQ(s.lastBox(),
              (Message{"Установлен", "Вы установили Windows 2000", Icon::Information}));
    EXPECT_EQ(s.state().lblMoney + " " + s.state().lblSystem + " " + s.state().lblHappyness + " " +
                  s.state().lblVir,
              "-14 W2000 31 3");
    s.buy("cmdNC");  // no money left: the shop does not say whether the computer would do
    EXPECT_EQ(s.lastBox(), kNoMoney);
    s.state().lblMoney = "5";
    s.buy("cmdNC");  // a lower system replaces a higher one
    EXPECT_EQ(s.state().lblMoney + " " + s.state().lblSystem + " " + s.state().lblVir, "2 NC 4");

    Shop empty;  // a bare computer without money hears only about the money
    empty.state().lblMoney = "0";
    empty.open();
    empty.buy("cmd3DSMIII");
    EXPECT_EQ(empty.messages.shown, Boxes{kNoMoney});
}

TEST(SoftwareInstall, Windows95OverWindows98IsKeptAndOnlyItsButtonIsOffNextTime) {
    Shop s;
    meet(s.state(), kMinimums[3]);  // the Windows 98 computer also runs Windows 95
    s.state().lblSystem = "W98";
    s.state().lblGraph = "Photoshop";
    s.open();
    EXPECT_FALSE(s["cmdW98"].enabled);
    s.buy("cmdW95");
    EXPECT_EQ(s.state().lblSystem, "W95");
    s.open();
    for (const char* button : {"cmdNC", "cmdW311", "cmdW95", "cmdW98", "cmdW2000"})
        EXPECT_EQ(s[button].enabled, std::string_view(button) != "cmdW95") << button;
    EXPECT_FALSE(s["cmdPhotoshp"].enabled);
    EXPECT_TRUE(s["cmdPaint"].enabled && s["cmd3DSMIII"].enabled);
}

// Quirks kept from the text: Windows 2000 asks for a modem its description does not mention,
// and 3D Studio Max III refuses only the 8Mb video card.
TEST(SoftwareInstall, Windows2000NeedsAModemAnd3DStudioMaxIIIRefusesOnly8Mb) {
    Shop s;
    meet(s.state(), kMinimums[4]);
    s.state().lblModem = "Пока нет";
    s.open();
    s.hover("cmdW2000");
    EXPECT_EQ(s["txtSpec"].text.find("модем"), std::string::npos);
    s.click("cmdW2000");
    EXPECT_EQ(s.lastBox(), kNoFit);

    for (const auto& [card, fits] :
         {std::pair{"8Mb", false}, std::pair{"16Mb", true}, std::pair{"4Mb", true}}) {
        Shop max;
        meet(max.state(), kMinimums[12]);
        max.state().lblVideoKarta = card;
        max.open();
        max.buy("cmd3DSMIII");
        EXPECT_EQ(max.state().lblGraph == "3D StMax III", fits) << card;
    }
}

// The panel says what is installed and what it costs: hovering one program and clicking
// another stores the hovered one, at its price, under the clicked one's box.
TEST(SoftwareOffer, TheHoverTextNamesTheDiskAndAClickInstallsWhatThePanelShows) {
    Shop s;
    EXPECT_EQ(s.panel(), "------------|0|");
    s.hover("cmdNC");
    EXPECT_EQ(s.panel(),
              "NC|3|Минимальные системные требования: процессор 486; монитор; "
              "винчестер 10 Gb; CD-ROM; RAM-8Mb.");
    s.hover("cmd3DSMIII");
    EXPECT_EQ(s.panel(),
              "3D StMax III|20|Минимальные системные требования: система W2000; "
              "процессор PentiumMMX; монитор 17 д.; принтер лазерный; сканер "
              "планшетный; модем 28.8;  винчестер 90 Gb; CD-ROM 40xSpeed; "
              "RAM-128Mb; звук 22КГЦ; видео 16Mb.");
    s.hover("cmdAntivirus");
    EXPECT_EQ(s.panel(),
              "Проверка|10|Проверить и уничтожить (если возможно) вирусы с "
              "компьютера. Если удалить не удастся, тогда вам не нужно будет платить "
              "за проверку.");

    meet(s.state(), kMinimums[6]);  // the Pascal computer
    s.hover("cmdBasic");
    s.click("cmdPascal");
    EXPECT_EQ(s.state().lblProgram + " " + s.state().lblMoney, "Basic 99");
    EXPECT_EQ(s.lastBox().text, "Вы установили Pascal");
    EXPECT_FALSE(s["cmdPascal"].enabled);
    EXPECT_TRUE(s["cmdBasic"].enabled);
}

TEST(SoftwareVirusCheck, EachAntivirusKillsUpToItsLimitAndChargesOnlyThen) {
    const std::tuple<const char*, const char*, bool, const char*> cases[] = {
        {"Касперского", "5", true, "Ура. Вирус убит."},
        {"Касперского", "6", false, "Надо было покупать хороший антивирус."},
        {"IVP 100", "10", true, "Ура. Вирус убит."},
        {"IVP 100", "11", false, "Не могу убить!"},
    };
    for (const auto& [antivirus, virus, kills, title] : cases) {
        SCOPED_TRACE(std::string(antivirus) + " " + virus);
        Shop s;
        s.state().lblAntvirus = antivirus;
        s.state().lblVir = virus;
        s.state().lblMoney = "0";  // no money test
        s.open();
        EXPECT_TRUE(s["cmdAntivirus"].enabled);
        s.buy("cmdAntivirus");
        EXPECT_EQ(s.lastBox().title, title);
        EXPECT_EQ(s.lastBox().icon, kills ? Icon::Information : Icon::Exclamation);
        EXPECT_EQ(s.state().lblMoney + " " + s.state().lblVir,
                  kills ? std::string("-10 0") : std::string("0 ") + virus);
    }
    Shop s;
    s.state().lblAntvirus = "IVP 100";
    s.state().lblVir = "4";
    s.open();
    s.hover("");  // the bare window: the panel's price is 0, and so is the check
    s.click("cmdAntivirus");
    EXPECT_EQ(s.state().lblMoney + " " + s.state().lblVir, "170 0");

    Shop first;  // the first antivirus switches the check on at once
    first.open();
    EXPECT_FALSE(first["cmdAntivirus"].enabled);
    meet(first.state(), kMinimums[13]);
    first.buy("cmdAKI");
    EXPECT_TRUE(first["cmdAntivirus"].enabled && !first["cmdAKI"].enabled);
}

// The whole way: parts bought in the hardware shop and a system installed here make the
// computer complete, and from then on every life tick raises the virus counter.
TEST(SoftwareInstall, AComputerAssembledInTheShopsStartsTheVirusCounter) {
    PlaceTest<FrmComputer> hardware;
    for (const char* part :
         {"cmdBuyComp", "cmdBuyMonitor", "cmdBuyCDRom", "cmdBuyRAM", "cmdBuyVinchester"})
        hardware.buy(part);
    Game& game = hardware.game;
    lifeTick(game);
    EXPECT_EQ(game.state.lblVir, "0");  // no system yet

    FrmPrograms shop(game);
    shop.onLoad();
    shop.onMouseMove("cmdNC");
    shop.onClick("cmdNC");
    EXPECT_EQ(game.state.lblSystem + " " + game.state.lblVir + " " + game.state.lblMoney,
              "NC 1 122");
    lifeTick(game);
    EXPECT_EQ(game.state.lblVir, "2");
}
