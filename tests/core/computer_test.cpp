// The hardware shop: component ladders, the cards' processor needs, the disk bought in whole $.
#include <gtest/gtest.h>

#include "computer/hardware.h"
#include "fakes/fakes.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

struct Shop : PlaceTest<FrmComputer> {
    explicit Shop(const char* money = "10000") : PlaceTest(money) {}
    std::string panel() {
        return (*this)["lblWhat"].text + "|" + (*this)["lblM"].text + "|" + (*this)["txtSpec"].text;
    }
};

/// A component's button, field, "model price" rungs, and its name at the top.
struct Climb {
    const char* button;
    const char* field;
    const char* rungs;
    const char* topName;
};

const Climb kClimbs[] = {
    {"cmdBuyComp", "lblComp",
     "486 10, Pentium 90 20, Pentium 133 30, Pentium 166 40, Pentium 200 50, Pentium 233 60, "
     "Pentium MMX 70, Pentium II 80, Pentium III 110",
     "процессор"},
    {"cmdBuyMonitor", "lblMonitor", "14 д. 10, 15 д. 20, 17 д. 30", "монитор"},
    {"cmdBuyPrinter", "lblPrinter", "Матричный 10, Струйный 30, Лазерный 40", "принтер"},
    {"cmdBuySkaner", "lblSkaner", "Ручной 20, Планшетный 50", "сканер"},
    {"cmdBuyModem", "lblModem", "14.4 10, 28.8 20, 36.6 25, K56 35, V90 40", "модем"},
    {"cmdBuyCDRom", "lblCDROM",
     "2xSpeed 5, 8xSpeed 10, 16xSpeed 15, 32xSpeed 20, 34xSpeed 25, 36xSpeed 30, 40xSpeed 35, "
     "50xSpeed 40, 64xSpeed 50",
     "CD-ROM"},
    {"cmdBuyRAM", "lblRAM", "8Mb 10, 16Mb 30, 32Mb 50, 64Mb 60, 128Mb 70", "память RAM"},
    {"cmdBuySvukKarta", "lblSoundKarta", "Mono 16КГЦ 10, 22КГЦ 25, 44КГЦ 40", "звуковую карту"},
    {"cmdBuyVideoKarta", "lblVideoKarta", "1Mb 10, 4Mb 30, 8Mb 50, 16Mb 70", "видео карту"},
};

}  // namespace

// Each rung is offered, paid and lifts the mood; at the top a click disables the button for good.
TEST(HardwareLadders, EveryComponentClimbsFromNothingToItsTop) {
    Shop s;
    int money = 10000, mood = 30;
    for (const Climb& climb : kClimbs) {
        SCOPED_TRACE(climb.button);
        for (const std::string& rung : split(climb.rungs, ", ")) {
            s.buy(climb.button);
            money -= std::stoi(rung.substr(rung.rfind(' '))), ++mood;
            EXPECT_EQ(s["lblWhat"].text + " " + s["lblM"].text, rung);
            EXPECT_EQ(*fieldByName(s.state(), climb.field) + " " + s.moneyAndMood(),
                      rung.substr(0, rung.rfind(' ')) + " " + std::to_string(money) + " " +
                          std::to_string(mood));
        }
        s.buy(climb.button);
        EXPECT_EQ(s.panel(),
                  "------------|0|Нажми на кнопку <Купить " + std::string(climb.topName) + ">");
        EXPECT_FALSE(s[climb.button].enabled);
    }
    setVinchester(s.state(), 9);
    s.open();
    for (const auto& [name, control] : s.place->controls())
        EXPECT_EQ(control.enabled, !name.starts_with("cmdBuy")) << name;
}

// Money above 0 buys at any price; the panel decides a click, also a second one without moving.
TEST(HardwareOffer, MoneyAboveZeroBuysWhatThePanelShowsAndTheDiskWantsItsPrice) {
    Shop s("1");
    s.state().lblComp = "Pentium II";
    s.buy("cmdBuyComp");
    EXPECT_EQ(s.state().lblComp + " " + s.moneyAndMood(), "Pentium III -109 31");
    s.state().lblMoney = "0";
    s.buy("cmdBuyMonitor");
    EXPECT_EQ(s.lastBox(), kNoMoney);
    EXPECT_EQ(s.panel() + " " + s.state().lblMonitor,
              "14 д.|10|Купить 14 дюймовый монитор. Пока нет");
    s.state().lblMoney = "100";
    s.click("cmdBuyMonitor");
    s.click("cmdBuyMonitor");
    EXPECT_EQ(s.state().lblMonitor + " " + s.moneyAndMood(), "14 д. 80 33");
    s.hover("");
    s.click("cmdBuyPrinter");  // nothing on offer: the button goes out, nothing is bought
    EXPECT_EQ(s.state().lblPrinter + " " + s.money(), "Пока нет 80");
    EXPECT_FALSE(s["cmdBuyPrinter"].enabled);

    // Two clicks buy two successive disks at their own prices, and nothing beyond 90 Gb.
    s.state().lblMoney = "9.99";
    s.buy("cmdBuyVinchester");
    EXPECT_EQ(s.panel(), "10 Gb|10|Купить винчестер емкостью 10 Gb.");
    EXPECT_EQ(s.lastBox(), (Message{"Внимание", "Денег маловато."}));
    s.state().lblMoney = "25";  // exactly the two prices
    s.click("cmdBuyVinchester");
    s.click("cmdBuyVinchester");
    EXPECT_EQ(s.state().lblVinchester + " " + s.moneyAndMood(), "15 Gb 0 33");
    s.state().lblMoney = "1000";
    for (int level = 3; level <= 10; ++level) s.click("cmdBuyVinchester");
    EXPECT_EQ(s.state().lblVinchester + " " + s.money(), "90 Gb 630");
    s.hover("cmdBuyVinchester");
    EXPECT_EQ(s.panel(), "|0|");
    EXPECT_FALSE(s["cmdBuyVinchester"].enabled);
    EXPECT_EQ(s.messages.shown.size(), 2u);
}

// Cards make no money test, only that of the processor the model on offer asks for, or better.
TEST(HardwareCards, CardsNeedAProcessorOrBetterButNoMoney) {
    Shop s("0");
    std::string owned, asked;
    for (const char* cpu :
         {"Пока нет", "Pentium 200", "Pentium 233", "Pentium MMX", "Pentium III"}) {
        s.state().lblComp = cpu;
        for (const char* card :
             {"cmdBuySvukKarta", "cmdBuySvukKarta", "cmdBuyVideoKarta", "cmdBuyVideoKarta"})
            s.buy(card);
        owned += s.state().lblSoundKarta + "/" + s.state().lblVideoKarta + " ";
    }
    for (const Message& box : s.messages.shown) asked += box.text.substr(box.text.rfind(' ')) + ",";
    EXPECT_EQ(owned, "Mono 16КГЦ/1Mb 22КГЦ/4Mb 22КГЦ/8Mb 22КГЦ/8Mb 44КГЦ/16Mb ");
    EXPECT_EQ(asked, " 133, 133, II, 233, II, II, III, II, II, III, III,");
    EXPECT_EQ(s.messages.shown.front(),
              (Message{"Не подходит конфигурация",
                       "У вас должен быть процессор не менее, чем Pentium 133"}));
    EXPECT_EQ(s.moneyAndMood(), "-235 37");
}
