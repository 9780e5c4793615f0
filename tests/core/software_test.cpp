// The software shop and its virus check; the virus window, opened by the life tick.
#include <gtest/gtest.h>

#include <map>

#include "computer/software.h"
#include "computer/virus.h"
#include "core/lifecycle.h"
#include "fakes/fakes.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

using Shop = PlaceTest<FrmPrograms>;

/// Each part: its field, then its models from none up, as far as any program asks.
const std::map<std::string, const char*> kLadders = {
    {"disk", "VinchesterIndex|0|1|2|3|4|5|6|7|8|9"},
    {"sys", "lblSystem|Пока нет|NC|W3.11|W95|W98|W2000"},
    {"cpu",
     "lblComp|Пока нет|486|Pentium 90|Pentium 133|Pentium 166|Pentium 200|Pentium 233|"
     "Pentium MMX"},
    {"mon", "lblMonitor|Пока нет|14 д.|15 д.|17 д."},
    {"prn", "lblPrinter|Пока нет|Матричный|Струйный|Лазерный"},
    {"scan", "lblSkaner|Пока нет|Ручной|Планшетный"},
    {"modem", "lblModem|Пока нет|14.4|28.8"},
    {"cd", "lblCDROM|Пока нет|2xSpeed|8xSpeed|16xSpeed|32xSpeed|34xSpeed|36xSpeed|40xSpeed"},
    {"ram", "lblRAM|Пока нет|8Mb|16Mb|32Mb|64Mb|128Mb"},
    {"sound", "lblSoundKarta|Пока нет|Mono 16КГЦ|22КГЦ"},
    {"video", "lblVideoKarta|Пока нет|1Mb|4Mb|8Mb|16Mb"},
};

/// Button, name stored, price, bonus ('v': virus counter + 1, 'm': mood + 1) and needs, as
/// "cpu Pentium 90; mon; disk 2" (a bare part: any model; "disk k": a level).
using Software = std::tuple<const char*, const char*, int, char, const char*>;
const Software kPrograms[] = {
    {"cmdNC", "NC", 3, 'v', "cpu; mon; cd; ram; disk 1"},
    {"cmdW311", "W3.11", 8, ' ',
     "cpu Pentium 90; mon; prn; cd 8xSpeed; ram 16Mb; video 4Mb; disk 2"},
    {"cmdW95", "W95", 10, 'v',
     "cpu Pentium 133; mon; prn; cd 16xSpeed; ram 16Mb; sound; video 4Mb; disk 4"},
    {"cmdW98", "W98", 12, ' ',
     "cpu Pentium 166; mon; prn; cd 16xSpeed; ram 32Mb; sound; video 4Mb; disk 5"},
    {"cmdW2000", "W2000", 15, 'm',
     "cpu Pentium 233; mon 15 д.; prn Струйный; modem; cd 32xSpeed; ram 64Mb; sound 22КГЦ; "
     "video 8Mb; disk 7"},
    {"cmdBasic", "Basic", 1, 'v', "sys; cpu; mon; cd; ram; video; disk 1"},
    {"cmdPascal", "Pascal", 2, 'v', "sys; cpu Pentium 90; mon; cd; ram; video; disk 2"},
    {"cmdVB", "VB", 5, ' ',
     "sys W95; cpu Pentium 133; mon; cd 16xSpeed; ram 16Mb; video 4Mb; disk 3"},
    {"cmdVC", "VC++", 5, ' ',
     "sys W95; cpu Pentium 166; mon; cd 16xSpeed; ram 32Mb; video 4Mb; disk 4"},
    {"cmdPaint", "Paint", 2, 'v',
     "sys W3.11; cpu Pentium 90; mon; cd 8xSpeed; ram; video 4Mb; disk 1"},
    {"cmdPhotoshp", "Photoshop", 5, ' ',
     "sys W95; cpu Pentium 133; mon; cd 8xSpeed; ram 16Mb; video 4Mb; disk 3"},
    {"cmd3DSMII", "3D StMax II", 10, ' ',
     "sys W98; cpu Pentium 166; mon 15 д.; prn Струйный; cd 32xSpeed; ram 64Mb; video 4Mb; "
     "disk 8"},
    {"cmd3DSMIII", "3D StMax III", 20, 'm',
     "sys W2000; cpu Pentium MMX; mon 17 д.; prn Лазерный; scan Планшетный; modem 28.8; "
     "cd 40xSpeed; ram 128Mb; sound 22КГЦ; video 16Mb; disk 9"},
    {"cmdAKI", "Касперского", 5, ' ', "sys W95"},
    {"cmdAIVP", "IVP 100", 10, 'm', "sys W2000"},
};

/// A computer that just meets every need of `p` but `lower`, which it misses by one rung; 100 $.
void fit(GameState& s, const Software& p, const std::string& lower = "") {
    s.lblMoney = "100";
    for (const std::string& need : split(std::get<4>(p), "; ")) {
        const std::string part = split(need, " ")[0];
        const auto ladder = split(kLadders.at(part), "|");
        const std::string model = need == part ? ladder[2] : need.substr(part.size() + 1);
        const std::string& owned =
            *(std::find(ladder.begin(), ladder.end(), model) - (need == lower));
        if (part == "disk")
            setVinchester(s, static_cast<std::int16_t>(std::stoi(owned)));
        else
            *fieldByName(s, ladder[0]) = owned;
    }
}

std::string disabled(Shop& s) {
    std::string off;
    for (const auto& [name, control] : s.place->controls())
        if (!control.enabled) off += name + " ";
    return off;
}

struct Virus : PlaceTest<FrmVirus> {
    explicit Virus(const char* antivirus = "Пока нет") { state().lblAntvirus = antivirus; }
    /// Clicks `button` when the damage amount (10..19 once, then 5..19, a step a ms) is `damage`.
    void clickAt(const char* button, int damage) {
        clock.ms = (damage >= 10 ? damage - 10 : damage + 5);
        click(button);
    }
};

Message loss(int damage) {
    return {"Надо было покупать хороший антивирус.",
            "Вирус уничтожил  " + std::to_string(damage) + "$ с вашего счета."};
}

/// Ticks the life of `t` `ticks` times, fed and cheerful.
void live(TestGame& t, int ticks) {
    for (int tick = 0; tick < ticks; ++tick) {
        t.state().lblHungry = t.state().lblHappyness = "30";
        ASSERT_TRUE(lifeTick(t.game));
    }
}

}  // namespace

// Each program installs on a computer just meeting its needs, one rung below in any is refused.
TEST(SoftwareRequirements, EachProgramFitsItsMinimumAndNotOneRungBelow) {
    for (const Software& p : kPrograms) {
        const auto& [button, stored, price, bonus, needs] = p;
        SCOPED_TRACE(button);
        Shop s;
        fit(s.state(), p);
        s.open();
        s.buy(button);
        EXPECT_EQ(s.lastBox().title + " " + s.moneyAndMood() + " " + s.state().lblVir,
                  "Установлен " + std::to_string(100 - price) + (bonus == 'm' ? " 31" : " 30") +
                      (bonus == 'v' ? " 1" : " 0"));
        const GameState& g = s.state();
        EXPECT_NE((g.lblSystem + g.lblProgram + g.lblGraph + g.lblAntvirus).find(stored),
                  std::string::npos);
        for (const std::string& need : split(needs, "; ")) {
            Shop below;
            fit(below.state(), p, need);
            const GameState before = below.state();
            below.open();
            below.buy(button);
            EXPECT_EQ(below.messages.shown, (Boxes{{"Не подходит конфигурация  компьютера",
                                                    "Конфигурация вашего компьютера не подходит"}}))
                << need;
            EXPECT_EQ(below.state(), before) << need;
        }
    }
}

// 1 $ is enough, none is refused first; the panel, not the button, says what is installed at what
// price; a lower system replaces a higher one; the next visit disables what is installed.
TEST(SoftwareInstall, OneDollarInstallsAndAClickInstallsWhatThePanelShows) {
    Shop s;
    fit(s.state(), kPrograms[4]);  // the Windows 2000 computer
    s.state().lblMoney = "1";
    s.open();
    s.buy("cmdW2000");
    EXPECT_EQ(s.lastBox(),
              (Message{"Установлен", "Вы установили Windows 2000", Icon::Information}));
    EXPECT_EQ(s.state().lblSystem + " " + s.moneyAndMood() + " " + s.state().lblVir,
              "W2000 -14 31 0");
    s.buy("cmd3DSMIII");  // it would not fit either, but the money is tested first
    EXPECT_EQ(s.lastBox(), kNoMoney);
    s.state().lblMoney = "15";
    EXPECT_EQ(disabled(s), "cmdAntivirus cmdW2000 ");
    s.buy("cmdAIVP");
    EXPECT_EQ(disabled(s), "cmdAIVP cmdW2000 ");
    s.hover("cmdW311");
    EXPECT_EQ(s["lblWhat"].text + "|" + s["lblM"].text + "|" + s["txtSpec"].text,
              "W3.11|8|Минимальные системные требования: процессор Pentium90; монитор; "
              "принтер матричный;  винчестер 15 Gb; CD-ROM 8xSpeed; RAM-16Mb; видео 4Mb.");
    s.click("cmdNC");
    EXPECT_EQ(
        s.state().lblSystem + " " + s.money() + " " + s.state().lblVir + " " + s.lastBox().text,
        "W3.11 -3 1 Вы установили Norton Commander");
    s.hover("");  // the bare window: the panel's price is 0, and so is the check
    s.click("cmdAntivirus");
    EXPECT_EQ(s.lastBox().title + " " + s.money() + " " + s.state().lblVir,
              "Ура. Вирус убит. -3 0");
    s.open();
    EXPECT_EQ(disabled(s), "cmdAIVP cmdW311 ");
}

// Each antivirus kills up to its limit and charges only then, whatever the money.
TEST(SoftwareVirusCheck, EachAntivirusKillsUpToItsLimitAndChargesOnlyThen) {
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"Касперского", "5", "Ура. Вирус убит.", "-10 0"},
        {"Касперского", "6", "Надо было покупать хороший антивирус.", "0 6"},
        {"IVP 100", "10", "Ура. Вирус убит.", "-10 0"},
        {"IVP 100", "11", "Не могу убить!", "0 11"},
    };
    for (const auto& [antivirus, virus, title, after] : cases) {
        Shop s("0", "30", false);
        s.state().lblAntvirus = antivirus;
        s.state().lblVir = virus;
        s.open();
        s.buy("cmdAntivirus");
        EXPECT_EQ(s.lastBox().title + " " + s.money() + " " + s.state().lblVir,
                  std::string(title) + " " + after);
    }
}

// Which amounts each antivirus beats (the window only hides); when it loses, or the player gives
// in, the loss of the amount at the click follows, however long the box stays open.
TEST(VirusFight, EachAntivirusBeatsItsOwnAmounts) {
    const std::tuple<const char*, const char*, const char*, const char*, const char*> cases[] = {
        {"Пока нет", "", "", "Надо было антивирус покупать.", "У вас нет антивируса."},
        {"Касперского", " 5 6 7 ", "Ураааааааааааааааа. Вирус убит.",
         "Надо было покупать хороший антивирус.",
         "К сожалению антивирус Касперского не смог уничтожить этот вирус."},
        {"IVP 100", " 5 6 7 8 9 10 11 12 13 14 16 17 18 19 ", "Ура. Вирус убит.", "Не могу убить!",
         "К сожалению антивирус IVP 100 не смог уничтожить этот вирус."},
    };
    for (const auto& [antivirus, beaten, wonTitle, lostTitle, lostText] : cases) {
        const Message won{wonTitle, "Вам удалось уничтожить вирус", Icon::Information};
        for (int damage = 5; damage <= 19; ++damage) {
            SCOPED_TRACE(std::string(antivirus) + " " + std::to_string(damage));
            const bool beat =
                std::string(beaten).find(" " + std::to_string(damage) + " ") != std::string::npos;
            Virus v(antivirus);
            v.messages.whileOpen = [&](const Message&) { v.clock.ms += 3; };
            v.clickAt("cmdLive", damage);
            EXPECT_EQ(v.messages.shown,
                      (beat ? Boxes{won} : Boxes{{lostTitle, lostText}, loss(damage)}));
            EXPECT_EQ(v.money(), std::to_string(beat ? 170 : 170 - damage));
            EXPECT_EQ(v.windows.log.back(), beat ? "hide frmVirus" : "close frmVirus");
        }
    }
    Virus v;  // accepting loses the amount at once
    v.clickAt("cmdKill", 5);
    EXPECT_EQ(v.messages.shown, Boxes{loss(5)});
    EXPECT_EQ(v.money() + " " + v.windows.log.back(), "165 close frmVirus");
}

// A complete computer's tenth tick opens the window; a won fight only hides it for the next one.
TEST(VirusWindow, ALifeTickOpensItAndAWonFightKeepsItForTheNextVirus) {
    const auto parts = {&GameState::lblComp, &GameState::lblMonitor, &GameState::lblVinchester,
                        &GameState::lblRAM, &GameState::lblSystem};
    for (std::string GameState::*missing : parts) {
        TestGame t;
        for (std::string GameState::*part : parts) t.state().*part = "есть";
        t.state().*missing = "Пока нет";
        live(t, 12);
        EXPECT_EQ(t.state().lblVir, "0");
    }
    TestGame t;
    t.windows.registerPlace<FrmVirus>("frmVirus");
    for (std::string GameState::*part : parts) t.state().*part = "есть";
    t.state().lblAntvirus = "IVP 100";
    live(t, 10);
    auto* virus = dynamic_cast<FrmVirus*>(t.windows.find("frmVirus"));
    ASSERT_NE(virus, nullptr);
    EXPECT_EQ((*virus)["lblHMV"].text + " " + t.state().lblVir, "10 0");
    t.clock.ms += 12;  // the amount is 7
    virus->onClick("cmdLive");
    EXPECT_EQ(t.windows.log.back(), "hide frmVirus");
    t.state().lblVir = "10";  // NC installed at 9: the next tick shows the same window at 11
    live(t, 1);
    EXPECT_EQ((*virus)["lblHMV"].text, "11");
    EXPECT_EQ(t.windows.find("frmVirus"), virus);
}
