// The hardware shop: the component ladders climbed through the offer panel, the cards' processor
// needs, and the hard disk bought with whole dollars.
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

/// A component's ladder as the player climbs it: "model price" rungs separated by ", ", the
/// first rung's description and the text shown at the top.
struct Climb {
    const char* button;
    std::string GameState::*field;
    const char* rungs;
    const char* firstDescription;
    const char* topText;

    std::vector<std::pair<std::string, int>> models() const {
        std::vector<std::pair<std::string, int>> result;
        for (const std::string& rung : split(rungs, ", ")) {
            const std::size_t blank = rung.rfind(' ');
            result.emplace_back(rung.substr(0, blank), std::stoi(rung.substr(blank + 1)));
        }
        return result;
    }
};

const Climb kClimbs[] = {
    {"cmdBuyComp", &GameState::lblComp,
     "486 10, Pentium 90 20, Pentium 133 30, Pentium 166 40, Pentium 200 50, Pentium 233 60, "
     "Pentium MMX 70, Pentium II 80, Pentium III 110",
     "Купить старенький 486.", "Нажми на кнопку <Купить процессор>"},
    {"cmdBuyMonitor", &GameState::lblMonitor, "14 д. 10, 15 д. 20, 17 д. 30",
     "Купить 14 дюймовый монитор.", "Нажми на кнопку <Купить монитор>"},
    {"cmdBuyPrinter", &GameState::lblPrinter, "Матричный 10, Струйный 30, Лазерный 40",
     "Купить черно-белый матричный принтер.", "Нажми на кнопку <Купить принтер>"},
    {"cmdBuySkaner", &GameState::lblSkaner, "Ручной 20, Планшетный 50", "Купить ручной сканер.",
     "Нажми на кнопку <Купить сканер>"},
    {"cmdBuyModem", &GameState::lblModem, "14.4 10, 28.8 20, 36.6 25, K56 35, V90 40",
     "Купить модем 14.4.", "Нажми на кнопку <Купить модем>"},
    {"cmdBuyCDRom", &GameState::lblCDROM,
     "2xSpeed 5, 8xSpeed 10, 16xSpeed 15, 32xSpeed 20, 34xSpeed 25, 36xSpeed 30, 40xSpeed 35, "
     "50xSpeed 40, 64xSpeed 50",
     "Купить 2xSpeed CD-ROM.", "Нажми на кнопку <Купить CD-ROM>"},
    {"cmdBuyRAM", &GameState::lblRAM, "8Mb 10, 16Mb 30, 32Mb 50, 64Mb 60, 128Mb 70",
     "Купить 8Mb RAM.", "Нажми на кнопку <Купить память RAM>"},
    {"cmdBuySvukKarta", &GameState::lblSoundKarta, "Mono 16КГЦ 10, 22КГЦ 25, 44КГЦ 40",
     "Купить старенькую карту Mono 16КГЦ.", "Нажми на кнопку <Купить звуковую карту>"},
    {"cmdBuyVideoKarta", &GameState::lblVideoKarta, "1Mb 10, 4Mb 30, 8Mb 50, 16Mb 70",
     "Купить 1Mb видео карту.", "Нажми на кнопку <Купить видео карту>"},
};

}  // namespace

// From "Пока нет" to the top: every rung offers its model at its price, the click pays it and
// lifts the mood, and at the top the panel says so and a click disables the button.
TEST(HardwareLadders, EveryComponentClimbsFromNothingToItsTop) {
    for (const Climb& climb : kClimbs) {
        SCOPED_TRACE(climb.button);
        Shop s;
        s.state().lblComp = "Pentium III";  // the cards ask for a processor
        if (climb.field == &GameState::lblComp) s.state().lblComp = "Пока нет";
        s.open();
        s.hover(climb.button);
        EXPECT_EQ(s["txtSpec"].text, climb.firstDescription);
        double money = 10000, mood = 30;
        for (const auto& [model, price] : climb.models()) {
            s.buy(climb.button);
            EXPECT_EQ(s["lblWhat"].text + " " + s["lblM"].text,
                      model + " " + std::to_string(price));
            money -= price, ++mood;
            EXPECT_EQ(s.state().*climb.field, model);
            EXPECT_EQ(s.moneyAndMood(),
                      std::to_string(int(money)) + " " + std::to_string(int(mood)));
        }
        EXPECT_TRUE(s[climb.button].enabled);
        s.buy(climb.button);
        EXPECT_EQ(s.panel(), std::string("------------|0|") + climb.topText);
        EXPECT_FALSE(s[climb.button].enabled);
        EXPECT_EQ(s.money(), std::to_string(int(money)));
        EXPECT_TRUE(s.messages.shown.empty());
    }
}

// Any money above 0 buys, whatever the price; 0 or below is refused with nothing changed.
TEST(HardwareMoney, PlainComponentsAskForMoneyAboveZeroOnly) {
    Shop s("1");
    s.state().lblComp = "Pentium II";
    s.buy("cmdBuyComp");
    EXPECT_EQ(s.state().lblComp + " " + s.moneyAndMood(), "Pentium III -109 31");
    for (const char* money : {"0", "-5", "0.0"}) {
        s.state().lblMoney = money;
        s.buy("cmdBuyMonitor");
        EXPECT_EQ(s.lastBox(), kNoMoney) << money;
        EXPECT_EQ(s.state().lblMonitor + " " + s.moneyAndMood(),
                  std::string("Пока нет ") + money + " 31");
    }
}

// Cards make no money test, only the processor test of the model on offer.
TEST(HardwareCards, CardsNeedAProcessorButNoMoney) {
    Shop s("0");
    s.buy("cmdBuySvukKarta");
    s.buy("cmdBuyVideoKarta");
    EXPECT_EQ(s.state().lblSoundKarta + " " + s.state().lblVideoKarta + " " + s.money(),
              "Mono 16КГЦ 1Mb -20");
    s.buy("cmdBuyVideoKarta");  // without a processor the 4Mb card is refused
    EXPECT_EQ(s.lastBox(), (Message{"Не подходит конфигурация",
                                    "У вас должен быть процессор не менее, чем Pentium 133"}));
    EXPECT_EQ(s.state().lblVideoKarta + " " + s.moneyAndMood(), "1Mb -20 32");

    s.state().lblComp = "Pentium 233";
    s.state().lblSoundKarta = "22КГЦ";
    s.state().lblVideoKarta = "4Mb";
    s.buy("cmdBuySvukKarta");
    EXPECT_EQ(s.lastBox(), (Message{"Не подходит конфигурация",
                                    "У вас должен быть процессор не менее, чем Pentium II"}));
    EXPECT_EQ(s.state().lblSoundKarta, "22КГЦ");
    s.buy("cmdBuyVideoKarta");
    EXPECT_EQ(s.state().lblVideoKarta + " " + s.money(), "8Mb -70");
    s.buy("cmdBuyVideoKarta");
    EXPECT_EQ(s.lastBox().text, "У вас должен быть процессор не менее, чем Pentium III");

    // Above the rung asked for: a Pentium III takes the 44КГЦ card.
    s.state().lblComp = "Pentium III";
    s.buy("cmdBuySvukKarta");
    EXPECT_EQ(s.state().lblSoundKarta + " " + s.money(), "44КГЦ -110");
    EXPECT_EQ(s.messages.shown.size(), 3u);
}

// The panel, not the state, decides a click: a second click without moving buys the same model
// again, and a component on no rung leaves the previous offer to be bought into its field.
TEST(HardwareOffer, AClickBuysWhatThePanelShows) {
    Shop s("100");
    s.buy("cmdBuyRAM");
    s.click("cmdBuyRAM");
    EXPECT_EQ(s.state().lblRAM + " " + s.moneyAndMood(), "8Mb 80 32");

    s.hover("cmdBuyMonitor");
    s.state().lblComp = "Z80";
    s.hover("cmdBuyComp");
    EXPECT_EQ(s.panel(), "14 д.|10|Купить 14 дюймовый монитор.");
    s.click("cmdBuyComp");
    EXPECT_EQ(s.state().lblComp + " " + s.money(), "14 д. 70");

    s.hover("");
    EXPECT_EQ(s.panel(), "------------|0|");
    s.click("cmdBuyPrinter");  // nothing on offer: the button goes out, nothing is bought
    EXPECT_FALSE(s["cmdBuyPrinter"].enabled);
    EXPECT_EQ(s.state().lblPrinter + " " + s.money(), "Пока нет 70");
}

TEST(HardwareDisk, TheDiskIsPaidInWholeDollarsAndStopsAtNinetyGb) {
    Shop s("9.99");
    s.buy("cmdBuyVinchester");
    EXPECT_EQ(s.panel(), "10 Gb|10|Купить винчестер емкостью 10 Gb.");
    EXPECT_EQ(s.lastBox(), (Message{"Внимание", "Денег маловато."}));
    EXPECT_EQ(s.state().VinchesterIndex, 0);
    s.state().lblMoney = "25";  // exactly the two prices
    s.click("cmdBuyVinchester");
    s.click("cmdBuyVinchester");  // no pointer movement: the next disk at its own price
    EXPECT_EQ(s.state().lblVinchester + " " + s.moneyAndMood(), "15 Gb 0 30");
    EXPECT_EQ(s.state().VinchesterIndex, 2);

    s.state().lblMoney = "1000";
    for (int level = 3; level <= 9; ++level) s.click("cmdBuyVinchester");
    EXPECT_EQ(s.state().lblVinchester + " " + s.money(), "90 Gb 630");
    EXPECT_TRUE(s["cmdBuyVinchester"].enabled);
    s.click("cmdBuyVinchester");
    EXPECT_EQ(s.state().VinchesterIndex, 9);
    s.hover("cmdBuyVinchester");
    EXPECT_EQ(s.panel(), "|0|");
    EXPECT_FALSE(s["cmdBuyVinchester"].enabled);
    EXPECT_EQ(s.money(), "630");
    EXPECT_EQ(s.messages.shown.size(), 1u);
}

TEST(HardwareOpening, ComponentsAtTheirTopAreDisabledOnOpening) {
    Shop s;
    GameState& g = s.state();
    g.lblComp = "Pentium III", g.lblMonitor = "17 д.", g.lblPrinter = "Лазерный";
    g.lblSkaner = "Планшетный", g.lblModem = "V90", g.lblCDROM = "64xSpeed", g.lblRAM = "128Mb";
    g.lblSoundKarta = "44КГЦ", g.lblVideoKarta = "16Mb";
    setVinchester(g, 9);
    s.open();
    for (const auto& [name, control] : s.place->controls())
        EXPECT_EQ(control.enabled, !name.starts_with("cmdBuy")) << name;
    EXPECT_EQ(s.panel(), "------------|0|");
}
