// The shop: meals, the clothes ladder and the car ladder, as the player sees them.
#include <gtest/gtest.h>

#include "fakes/fakes.h"
#include "life/shop.h"

using namespace brankor;
using namespace brankor::testing;

using Shop = PlaceTest<FrmShop>;

// Any money above 0 buys a meal, even into debt; satiety above 100 refuses it. The shop's
// satiety label catches up with every meal click, bought or refused.
TEST(ShopMeals, MoneyAndSatietyDecideAndTheLabelFollowsEveryClick) {
    const Message tooFull{"Не хочу есть!",
                          "Вы уже распухли от еды и не можете впихнуть в себя еще"};
    const std::tuple<const char*, const char*, const char*, const char*, Boxes> cases[] = {
        {"cmdBuyDinner", "0", "12", "0 12", {kNoMoney}},
        {"cmdBuyDinner", "1", "30", "-7 38", {}},
        {"cmdBuyBrakfast", "170", "100", "165 105", {}},
        {"cmdBuySupper", "170", "101", "170 101", {tooFull}},
        {"cmdBuySupper", "10", "0", "4 6", {}},
    };
    for (const auto& [meal, money, hungry, after, boxes] : cases) {
        Shop s;
        s.state().lblMoney = money;  // changed by the clock while the shop is open
        s.state().lblHungry = hungry;
        s.buy(meal);
        EXPECT_EQ(s.money() + " " + s["lblHungr"].text, after) << meal << " " << money;
        EXPECT_EQ(s.state().lblHungry, s["lblHungr"].text);
        EXPECT_EQ(s.messages.shown, boxes) << meal << " " << money;
    }
}

TEST(ShopClothes, TheLadderIsClimbedInOrderAndItsTopDisablesTheButton) {
    const char* offers[][3] = {
        {"Купить дешевый спортивный костюм.", "5", "Спорт.костюм"},
        {"Купить летнюю одежду.", "10", "Летняя"},
        {"Купить Новые джинсы и футболку.", "15", "Джинсы"},
        {"Купить костюм (брюки и пиджак).", "20", "Костюм"},
        {"Купить куртку.", "25", "Куртка"},
        {"Купить красивую рубашку и брюки.", "30", "Рубашка"},
        {"Купить супер футболку, кепку, шорты и т.д..", "30", "Футболка и т.д."},
        {"Купить одежду последней моды.", "35", "Посл.моды"},
        {"Нажми на кнопку <Купить одежду>", "0", "------------"},
    };
    Shop s;  // 170 $ buy exactly the whole wardrobe
    for (const auto& offer : offers) {
        EXPECT_TRUE(s["cmdBuyClothes"].enabled);
        s.buy("cmdBuyClothes");
        EXPECT_EQ(s["txtSpec"].text + "|" + s["lblShCost"].text + "|" + s["lblWhat"].text,
                  std::string(offer[0]) + "|" + offer[1] + "|" + offer[2]);
    }
    EXPECT_EQ(s.state().lblClothes + " " + s.money(), "Посл.моды 0");
    EXPECT_FALSE(s["cmdBuyClothes"].enabled);
    s.open();
    EXPECT_FALSE(s["cmdBuyClothes"].enabled);
}

TEST(ShopClothes, AClickBuysWhatThePanelShowsWhileThereIsMoney) {
    Shop s("10");
    s.buy("cmdBuyClothes");
    s.click("cmdBuyClothes");  // the pointer did not move: the same garment again
    EXPECT_EQ(s.state().lblClothes + " " + s.money(), "Спорт.костюм 0");
    s.click("cmdBuyClothes");
    EXPECT_EQ(s.messages.shown, Boxes{kNoMoney});
    s.state().lblMoney = "1";
    s.buy("cmdBuyClothes");
    EXPECT_EQ(s.state().lblClothes + " " + s.money(), "Летняя -9");
    s.hover("");  // the bare window clears the panel
    EXPECT_EQ(s["lblShCost"].text + " " + s["lblWhat"].text, "00 ------------");
}

TEST(ShopCars, TheWholeMoneyBuysTheNextCarUpToTheMercedes) {
    Shop s("60");
    EXPECT_EQ(s["lblCurCar"].text + " " + s["lblCar"].text + " " + s["imgCCar"].picture,
              "Нет машины Пятерка2105 car1");
    s.buy("cmdCar");
    EXPECT_EQ(s.lastBox(),
              (Message{"Вы купили машину", "Поздравляю! Вы купили машину марки Пятерка2105.",
                       Icon::None}));
    EXPECT_EQ(s.money() + " " + s["lblCurCar"].text, "30 Пятерка2105");
    s.state().lblMoney = "59.9";
    s.buy("cmdCar");
    EXPECT_EQ(s["lblCar"].text + " " + s["lblShCost"].text + " " + s["imgCCar"].picture,
              "Девятка21093 60 car2");
    EXPECT_EQ(s.lastBox(), (Message{"Внимание", "Денег маловато."}));
    EXPECT_EQ(s.state().lblCar + " " + s.money(), "Пятерка2105 59.9");
    s.state().lblMoney = "60";  // exactly the price
    s.buy("cmdCar");
    EXPECT_EQ(s.state().lblCar + " " + s.money(), "Девятка21093 0");
    s.state().lblMoney = "1000";
    for (int car = 3; car <= 5; ++car) s.buy("cmdCar");
    EXPECT_EQ(s.state().lblCar + " " + s.money(),
              "Mercedes " + std::to_string(1000 - 70 - 80 - 200));
    s.hover("cmdCar");
    EXPECT_EQ(s["imgCCar"].picture, "carshop");
    EXPECT_FALSE(s["cmdCar"].enabled);
    for (const int carIndex : {5, 9}) {  // 9: a damaged saved game offers nothing, not a crash
        s.state().CarIndex = static_cast<std::int16_t>(carIndex);
        s.open();
        EXPECT_FALSE(s["cmdCar"].enabled) << carIndex;
    }
}
