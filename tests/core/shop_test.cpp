// The shop: meals, the clothes ladder and the car ladder, as the player sees them.
#include <gtest/gtest.h>

#include "fakes/fakes.h"
#include "life/shop.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

const Message kNoMoney{"Внимание", "У вас, не хватает денег на это", Icon::Exclamation};
const Message kTooFull{"Не хочу есть!", "Вы уже распухли от еды и не можете впихнуть в себя еще",
                       Icon::Exclamation};

/// The shop opened on a fake game, with the pointer moved and buttons clicked as a player would.
struct Shop : TestGame {
    std::unique_ptr<FrmShop> window;
    FrmShop& open() {
        window = std::make_unique<FrmShop>(game);
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
};

}  // namespace

TEST(ShopMeals, MoneyAboveZeroBuysAnyMealEvenIntoDebt) {
    Shop s;
    s.state().lblMoney = "0";
    s.open();
    s.buy("cmdBuyDinner");
    EXPECT_EQ(s.messages.shown, std::vector<Message>{kNoMoney});
    EXPECT_EQ(s.state().lblMoney, "0");
    EXPECT_EQ(s.state().lblHungry, "30");

    s.state().lblMoney = "1";
    s.buy("cmdBuyDinner");
    EXPECT_EQ(s.state().lblMoney, "-7");
    EXPECT_EQ(s.state().lblHungry, "38");
    EXPECT_EQ(s.messages.shown.size(), 1u);
}

TEST(ShopMeals, SatietyOfOneHundredStillEatsAndMoreIsRefused) {
    Shop s;
    s.state().lblHungry = "100";
    s.open();
    s.buy("cmdBuyBrakfast");
    EXPECT_EQ(s.state().lblHungry, "105");
    EXPECT_EQ(s.state().lblMoney, "165");

    s.state().lblHungry = "101";
    s.buy("cmdBuySupper");
    EXPECT_EQ(s.messages.shown, std::vector<Message>{kTooFull});
    EXPECT_EQ(s.state().lblHungry, "101");
    EXPECT_EQ(s.state().lblMoney, "165");
}

TEST(ShopMeals, EveryMealClickRefreshesTheSatietyShown) {
    Shop s;
    s.open();
    EXPECT_EQ(s["lblHungr"].text, "30");
    s.state().lblHungry = "24";  // the life tick ran while the shop was open
    EXPECT_EQ(s["lblHungr"].text, "30");
    s.buy("cmdBuySupper");
    EXPECT_EQ(s["lblHungr"].text, "30");
    s.state().lblHungry = "101";
    s.buy("cmdBuySupper");  // refused, yet the label catches up
    EXPECT_EQ(s["lblHungr"].text, "101");
    s.state().lblMoney = "-3";
    s.state().lblHungry = "12";
    s.buy("cmdBuyBrakfast");  // refused for money, likewise
    EXPECT_EQ(s["lblHungr"].text, "12");
}

TEST(ShopPanel, MealsShowPriceAndGainAndTheBareWindowClearsEverything) {
    Shop s;
    s.open();
    s.hover("cmdBuyClothes");
    const std::pair<const char*, const char*> meals[] = {
        {"cmdBuyBrakfast", "5"}, {"cmdBuyDinner", "8"}, {"cmdBuySupper", "6"}};
    for (const auto& [button, number] : meals) {
        s.hover(button);
        EXPECT_EQ(s["lblShCost"].text, number) << button;
        EXPECT_EQ(s["lblShHungr"].text, number) << button;
        EXPECT_EQ(s["lblWhat"].text, "Спорт.костюм");  // a meal leaves the garment alone
    }
    s.hover("lblShCost");  // a label is not the bare window
    EXPECT_EQ(s["lblShHungr"].text, "6");
    s.hover("");
    EXPECT_EQ(s["lblShCost"].text, "00");
    EXPECT_EQ(s["lblShHungr"].text, "00");
    EXPECT_EQ(s["lblWhat"].text, "------------");
    EXPECT_EQ(s["txtSpec"].text, "");
    EXPECT_EQ(s["lblCar"].text, "Пятерка2105");
    EXPECT_EQ(s["imgCCar"].picture, "car1");
}

TEST(ShopClothes, TheLadderIsClimbedOneGarmentAtATime) {
    struct Step {
        const char* description;
        const char* price;
        const char* garment;
    };
    const Step steps[] = {
        {"Купить дешевый спортивный костюм.", "5", "Спорт.костюм"},
        {"Купить летнюю одежду.", "10", "Летняя"},
        {"Купить Новые джинсы и футболку.", "15", "Джинсы"},
        {"Купить костюм (брюки и пиджак).", "20", "Костюм"},
        {"Купить куртку.", "25", "Куртка"},
        {"Купить красивую рубашку и брюки.", "30", "Рубашка"},
        {"Купить супер футболку, кепку, шорты и т.д..", "30", "Футболка и т.д."},
        {"Купить одежду последней моды.", "35", "Посл.моды"},
    };
    Shop s;
    s.open();
    std::size_t rung = 0;
    for (const Step& step : steps) {
        EXPECT_EQ(clothesLadder()[rung], s.state().lblClothes);
        s.hover("cmdBuyClothes");
        EXPECT_EQ(s["txtSpec"].text, step.description);
        EXPECT_EQ(s["lblShCost"].text, step.price);
        EXPECT_EQ(s["lblWhat"].text, step.garment);
        s.click("cmdBuyClothes");
        EXPECT_EQ(s.state().lblClothes, step.garment);
        ++rung;
    }
    EXPECT_EQ(rung + 1, clothesLadder().size());
    EXPECT_EQ(s.state().lblMoney, "0");  // 170 $ buy exactly the whole wardrobe
    EXPECT_TRUE(s.messages.shown.empty());
    EXPECT_TRUE(s["cmdBuyClothes"].enabled);
}

TEST(ShopClothes, AtTheTopTheOfferIsEmptyAndAClickDisablesTheButton) {
    Shop s;
    s.state().lblClothes = "Посл.моды";
    s.open();
    EXPECT_FALSE(s["cmdBuyClothes"].enabled);

    s.state().lblClothes = "Футболка и т.д.";
    s.open();
    EXPECT_TRUE(s["cmdBuyClothes"].enabled);
    s.buy("cmdBuyClothes");
    EXPECT_EQ(s.state().lblClothes, "Посл.моды");
    s.hover("cmdBuyClothes");
    EXPECT_EQ(s["txtSpec"].text, "Нажми на кнопку <Купить одежду>");
    EXPECT_EQ(s["lblShCost"].text, "0");
    EXPECT_EQ(s["lblWhat"].text, "------------");
    s.click("cmdBuyClothes");
    EXPECT_FALSE(s["cmdBuyClothes"].enabled);
    EXPECT_EQ(s.state().lblClothes, "Посл.моды");
    EXPECT_EQ(s.state().lblMoney, "135");
    EXPECT_TRUE(s.messages.shown.empty());
}

TEST(ShopClothes, AClickBuysWhatThePanelShowsSoTwoClicksPayTwiceForOneGarment) {
    Shop s;
    s.open();
    s.hover("cmdBuyClothes");
    s.click("cmdBuyClothes");
    s.click("cmdBuyClothes");
    EXPECT_EQ(s.state().lblClothes, "Спорт.костюм");
    EXPECT_EQ(s.state().lblMoney, "160");
    s.hover("cmdBuyClothes");  // moving again offers the next garment
    EXPECT_EQ(s["lblWhat"].text, "Летняя");
}

TEST(ShopClothes, AnyPositiveBalanceBuysAndNoneIsRefused) {
    Shop s;
    s.state().lblMoney = "1";
    s.state().lblClothes = "Рубашка";
    s.open();
    s.buy("cmdBuyClothes");
    EXPECT_EQ(s.state().lblMoney, "-29");
    EXPECT_EQ(s.state().lblClothes, "Футболка и т.д.");
    s.buy("cmdBuyClothes");
    EXPECT_EQ(s.messages.shown, std::vector<Message>{kNoMoney});
    EXPECT_EQ(s.state().lblClothes, "Футболка и т.д.");
    EXPECT_EQ(s.state().lblMoney, "-29");
}

TEST(ShopCars, SixtyDollarsAndNoCarBuyTheFirstModel) {
    Shop s;
    s.state().lblMoney = "60";
    s.open();
    EXPECT_EQ(s["lblCurCar"].text, "Нет машины");
    EXPECT_EQ(s["lblCar"].text, "Пятерка2105");
    EXPECT_EQ(s["imgCCar"].picture, "car1");
    s.hover("cmdCar");
    EXPECT_EQ(s["lblShCost"].text, "30");
    s.click("cmdCar");
    const Message congratulation{"Вы купили машину",
                                 "Поздравляю! Вы купили машину марки Пятерка2105.", Icon::None};
    EXPECT_EQ(s.messages.shown, std::vector<Message>{congratulation});
    EXPECT_EQ(s.state().lblMoney, "30");
    EXPECT_EQ(s.state().CarIndex, 1);
    EXPECT_EQ(s.state().lblCar, "Пятерка2105");
    EXPECT_EQ(s["lblCurCar"].text, "Пятерка2105");
    s.hover("cmdCar");
    EXPECT_EQ(s["lblCar"].text, "Девятка21093");
    EXPECT_EQ(s["lblShCost"].text, "60");
    EXPECT_EQ(s["imgCCar"].picture, "car2");
}

TEST(ShopCars, TheWholeMoneyMustCoverThePrice) {
    Shop s;
    setCar(s.state(), 1);
    s.state().lblMoney = "59.9";
    s.open();
    s.buy("cmdCar");
    const Message tooLittle{"Внимание", "Денег маловато.", Icon::Exclamation};
    EXPECT_EQ(s.messages.shown, std::vector<Message>{tooLittle});
    EXPECT_EQ(s.state().CarIndex, 1);
    EXPECT_EQ(s.state().lblMoney, "59.9");
    EXPECT_EQ(s.state().lblCar, "Пятерка2105");
    s.state().lblMoney = "60.5";
    s.buy("cmdCar");
    EXPECT_EQ(s.state().CarIndex, 2);
    EXPECT_EQ(s.state().lblMoney, "0.5");
}

TEST(ShopCars, AfterTheMercedesTheButtonIsDisabledAndTheShopIsShown) {
    Shop s;
    setCar(s.state(), 4);
    s.state().lblMoney = "250";
    s.open();
    EXPECT_EQ(s["lblCar"].text, "Mercedes");
    EXPECT_EQ(s["imgCCar"].picture, "car5");
    s.buy("cmdCar");
    EXPECT_EQ(s.state().lblCar, "Mercedes");
    EXPECT_EQ(s.state().lblMoney, "50");
    EXPECT_TRUE(s["cmdCar"].enabled);  // until the pointer moves again
    s.hover("cmdCar");
    EXPECT_FALSE(s["cmdCar"].enabled);
    EXPECT_EQ(s["imgCCar"].picture, "carshop");

    s.open();  // the next visit starts that way
    EXPECT_FALSE(s["cmdCar"].enabled);
    EXPECT_EQ(s["imgCCar"].picture, "carshop");
    EXPECT_EQ(s["lblCurCar"].text, "Mercedes");
    EXPECT_EQ(s["lblCar"].text, "------------");
}

TEST(ShopCars, ACarLevelOutsideTheTableOffersNothing) {
    Shop s;
    s.state().CarIndex = 9;
    s.state().lblMoney = "1000";
    s.open();
    EXPECT_FALSE(s["cmdCar"].enabled);
    s.click("cmdCar");
    EXPECT_EQ(s.state().CarIndex, 9);
    EXPECT_EQ(s.state().lblMoney, "1000");
    EXPECT_TRUE(s.messages.shown.empty());
}
