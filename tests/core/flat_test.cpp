// The flat: four ladders bought from the offer panel, and the pictures that follow the pointer.
#include <gtest/gtest.h>

#include "fakes/fakes.h"
#include "life/flat.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

struct Flat : TestGame {
    std::unique_ptr<FrmFlat> window;
    FrmFlat& open() {
        window = std::make_unique<FrmFlat>(game);
        window->onLoad();
        return *window;
    }
    Control& operator[](const char* control) { return (*window)[control]; }
    void hover(const char* control) { window->onMouseMove(control); }
    void click(const char* control) { window->onClick(control); }
    void buy(const char* control) {
        hover(control);
        click(control);
    }
    /// The pictures visible now, in a fixed order.
    std::vector<std::string> pictures() {
        std::vector<std::string> shown;
        for (const char* p : {"imgMainFlat", "imgFlat", "imgBath", "imgKitchen", "imgMebel"})
            if ((*window)[p].visible) shown.push_back(p);
        return shown;
    }
};

using Pictures = std::vector<std::string>;

}  // namespace

TEST(FlatPurchase, OneDollarStillBuysTheCottage) {
    Flat f;
    f.state().lblRoom = "6";
    f.state().lblMoney = "1";
    f.open();
    f.hover("cmdBuyFlat");
    EXPECT_EQ(f["txtSpec"].text,
              "Купить современный семикомнатный коттедж . Одну из комнат Вы видите на картинке "
              "справа");
    EXPECT_EQ(f["lblM"].text, "150");
    EXPECT_EQ(f["lblWhat"].text, "7");
    f.click("cmdBuyFlat");
    EXPECT_EQ(f.state().lblMoney, "-149");
    EXPECT_EQ(f.state().lblRoom, "7");
    EXPECT_EQ(f.state().lblHappyness, "34");
    f.buy("cmdBuyBath");
    const Message noMoney{"Внимание", "У вас, не хватает денег на это", Icon::Exclamation};
    EXPECT_EQ(f.messages.shown, std::vector<Message>{noMoney});
    EXPECT_EQ(f.state().lblBath, "Пока нет");
    EXPECT_EQ(f.state().lblMoney, "-149");
}

TEST(FlatPurchase, EveryLadderClimbsToItsTopWithItsPricesAndMood) {
    struct Case {
        const char* button;
        std::string GameState::*field;
        std::vector<std::string> rungs;
        int cost;
        int mood;
        const char* topText;
    };
    const Case cases[] = {
        {"cmdBuyFlat",
         &GameState::lblRoom,
         {"2", "3", "4", "5", "6", "7"},
         380,
         24,
         "Нажми на кнопку <Купить новую квартиру и продать старую>"},
        {"cmdBuyBath",
         &GameState::lblBath,
         {"Ведро", "Ванная", "Прочная", "Джакузи", "Мал.бассейн", "Бол.бассейн"},
         180,
         6,
         "Нажми на кнопку <Купить ванную>"},
        {"cmdBuyKitchen",
         &GameState::lblKitchen,
         {"Раковина", "Мал.кухонка", "Кух и холод.", "Оборудованная", "Обычная", "Комфортная"},
         210,
         6,
         "Нажми на кнопку <Купить кухню>"},
        {"cmdBuyMebel",
         &GameState::lblSMebel,
         {"Дряхлая", "Дачная", "Мини", "Прочная", "Ламинир.", "Офисная"},
         235,
         6,
         "Нажми на кнопку <Закупка мебели>"},
    };
    for (const Case& c : cases) {
        Flat f;
        f.state().lblMoney = "1000";
        f.open();
        std::vector<std::string> climbed;
        for (std::size_t i = 0; i < c.rungs.size(); ++i) {
            f.buy(c.button);
            climbed.push_back(f.state().*c.field);
        }
        EXPECT_EQ(climbed, c.rungs) << c.button;
        EXPECT_EQ(f.state().lblMoney, std::to_string(1000 - c.cost)) << c.button;
        EXPECT_EQ(f.state().lblHappyness, std::to_string(30 + c.mood)) << c.button;
        f.hover(c.button);
        EXPECT_EQ(f["txtSpec"].text, c.topText);
        EXPECT_EQ(f["lblM"].text, "0");
        EXPECT_EQ(f["lblWhat"].text, "------------");
        f.click(c.button);
        EXPECT_FALSE(f[c.button].enabled) << c.button;
        EXPECT_EQ(f.state().lblMoney, std::to_string(1000 - c.cost)) << c.button;
        EXPECT_TRUE(f.messages.shown.empty());

        f.open();  // the next visit finds the button disabled
        EXPECT_FALSE(f[c.button].enabled) << c.button;
    }
}

TEST(FlatLoad, OnlyTheButtonsAtTheirTopsStartDisabled) {
    Flat f;
    f.open();
    for (const char* button : {"cmdBuyFlat", "cmdBuyBath", "cmdBuyKitchen", "cmdBuyMebel"})
        EXPECT_TRUE(f[button].enabled) << button;
    EXPECT_EQ(f.pictures(), Pictures{"imgMainFlat"});
    EXPECT_EQ(f["lblWhat"].text, "------------");
    EXPECT_EQ(f["lblM"].text, "0");
    EXPECT_EQ(f["txtSpec"].text, "");

    f.state().lblRoom = "7";
    f.state().lblBath = "Бол.бассейн";
    f.state().lblKitchen = "Комфортная";
    f.state().lblSMebel = "Мал.бассейн";  // not this ladder's top
    f.open();
    EXPECT_FALSE(f["cmdBuyFlat"].enabled);
    EXPECT_FALSE(f["cmdBuyBath"].enabled);
    EXPECT_FALSE(f["cmdBuyKitchen"].enabled);
    EXPECT_TRUE(f["cmdBuyMebel"].enabled);
    f.state().lblSMebel = "Офисная";
    f.open();
    EXPECT_FALSE(f["cmdBuyMebel"].enabled);
}

TEST(FlatPictures, HoverShowsOnlyThatButtonsPictureAndTheBareWindowTheGeneralOne) {
    Flat f;
    f.open();
    f.hover("cmdBuyBath");
    EXPECT_EQ(f.pictures(), Pictures{"imgBath"});
    f.hover("cmdBuyFlat");
    EXPECT_EQ(f.pictures(), Pictures{"imgFlat"});
    f.hover("");
    EXPECT_EQ(f.pictures(), (Pictures{"imgMainFlat", "imgFlat"}));
    EXPECT_EQ(f["txtSpec"].text, "Покупайте и обустраивайте вашу квартиру");
    EXPECT_EQ(f["lblM"].text, "0");
    EXPECT_EQ(f["lblWhat"].text, "------------");
    f.hover("cmdBuyMebel");
    EXPECT_EQ(f.pictures(), Pictures{"imgMebel"});
    f.hover("");
    EXPECT_EQ(f.pictures(), Pictures{"imgMainFlat"});
    f.hover("cmdBuyKitchen");
    f.hover("txtSpec");  // over the description: nothing changes
    EXPECT_EQ(f.pictures(), Pictures{"imgKitchen"});
    EXPECT_EQ(f["lblWhat"].text, "Раковина");
}

TEST(FlatPictures, AValueOffTheLadderStillSwitchesThePictureButKeepsTheOffer) {
    Flat f;
    f.open();
    f.hover("cmdBuyBath");
    f.state().lblKitchen = "Газовая";
    f.hover("cmdBuyKitchen");
    EXPECT_EQ(f.pictures(), Pictures{"imgKitchen"});
    EXPECT_EQ(f["lblWhat"].text, "Ведро");
    f.click("cmdBuyKitchen");  // buys what the panel shows, into the kitchen
    EXPECT_EQ(f.state().lblKitchen, "Ведро");
    EXPECT_EQ(f.state().lblMoney, "165");
}
