// The shop: meals, the clothes ladder and the car ladder, as the player sees them.
#include <gtest/gtest.h>

#include "fakes/fakes.h"
#include "life/shop.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

using Shop = PlaceTest<FrmShop>;
using Boxes = std::vector<Message>;
const Message kNoMoney{"Внимание", "У вас, не хватает денег на это"};
const Message kTooFull{"Не хочу есть!", "Вы уже распухли от еды и не можете впихнуть в себя еще"};

}  // namespace

// Any money above 0 buys a meal, even into debt; satiety above 100 refuses it. The shop's
// satiety label catches up with every meal click, bought or refused.
TEST(ShopMeals, MoneyAndSatietyDecideAndTheLabelFollowsEveryClick) {
    struct Case {
        const char* meal;
        const char* money;
        const char* hungry;
        const char* moneyAfter;
        const char* hungryAfter;
        Boxes boxes;
    };
    const Case cases[] = {
        {"cmdBuyDinner", "0", "12", "0", "12", {kNoMoney}},
        {"cmdBuyDinner", "1", "30", "-7", "38", {}},
        {"cmdBuyBrakfast", "170", "100", "165", "105", {}},
        {"cmdBuySupper", "170", "101", "170", "101", {kTooFull}},
        {"cmdBuySupper", "10", "0", "4", "6", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.meal) + " " + c.money + " $ " + c.hungry);
        Shop s;
        s.open();
        s.state().lblMoney = c.money;  // changed by the clock while the shop is open
        s.state().lblHungry = c.hungry;
        s.buy(c.meal);
        EXPECT_EQ(s.state().lblMoney, c.moneyAfter);
        EXPECT_EQ(s.state().lblHungry, c.hungryAfter);
        EXPECT_EQ(s["lblHungr"].text, c.hungryAfter);
        EXPECT_EQ(s.messages.shown, c.boxes);
    }
}

TEST(ShopClothes, TheLadderIsClimbedInOrderAndItsTopDisablesTheButton) {
    const std::tuple<const char*, const char*, const char*> offers[] = {
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
    Shop s;
    s.open();
    for (const auto& [description, price, garment] : offers) {
        EXPECT_TRUE(s["cmdBuyClothes"].enabled);
        s.buy("cmdBuyClothes");
        EXPECT_EQ(s["txtSpec"].text, description);
        EXPECT_EQ(s["lblShCost"].text, price);
        EXPECT_EQ(s["lblWhat"].text, garment);
    }
    EXPECT_EQ(s.state().lblClothes, "Посл.моды");
    EXPECT_EQ(s.state().lblMoney, "0");  // 170 $ buy exactly the whole wardrobe
    EXPECT_FALSE(s["cmdBuyClothes"].enabled);
    s.open();
    EXPECT_FALSE(s["cmdBuyClothes"].enabled);
}

TEST(ShopClothes, AClickBuysWhatThePanelShowsWhileThereIsMoney) {
    Shop s;
    s.state().lblMoney = "10";
    s.open();
    s.buy("cmdBuyClothes");
    s.click("cmdBuyClothes");  // the pointer did not move: the same garment again
    EXPECT_EQ(s.state().lblClothes, "Спорт.костюм");
    EXPECT_EQ(s.state().lblMoney, "0");
    s.click("cmdBuyClothes");
    EXPECT_EQ(s.messages.shown, Boxes{kNoMoney});
    s.state().lblMoney = "1";
    s.buy("cmdBuyClothes");
    EXPECT_EQ(s.state().lblClothes + " " + s.state().lblMoney, "Летняя -9");
    s.hover("");  // the bare window clears the panel
    EXPECT_EQ(s["lblShCost"].text, "00");
    EXPECT_EQ(s["lblWhat"].text, "------------");
}

TEST(ShopCars, TheWholeMoneyBuysTheNextCarUpToTheMercedes) {
    Shop s;
    s.state().lblMoney = "60";
    s.open();
    EXPECT_EQ(s["lblCurCar"].text + " " + s["lblCar"].text, "Нет машины Пятерка2105");
    EXPECT_EQ(s["imgCCar"].picture, "car1");
    s.buy("cmdCar");
    EXPECT_EQ(s.messages.shown,
              (Boxes{{"Вы купили машину", "Поздравляю! Вы купили машину марки Пятерка2105.",
                      Icon::None}}));
    EXPECT_EQ(s.state().lblMoney, "30");
    EXPECT_EQ(s["lblCurCar"].text, "Пятерка2105");
    s.state().lblMoney = "59.9";
    s.buy("cmdCar");
    EXPECT_EQ(s["lblCar"].text + " " + s["lblShCost"].text, "Девятка21093 60");
    EXPECT_EQ(s["imgCCar"].picture, "car2");
    EXPECT_EQ(s.lastBox(), (Message{"Внимание", "Денег маловато."}));
    EXPECT_EQ(s.state().lblCar + " " + s.state().lblMoney, "Пятерка2105 59.9");

    s.state().lblMoney = "60";  // exactly the price
    s.buy("cmdCar");
    EXPECT_EQ(s.state().lblCar + " " + s.state().lblMoney, "Девятка21093 0");
    s.state().lblMoney = "1000";
    for (int car = 3; car <= 5; ++car) s.buy("cmdCar");
    EXPECT_EQ(s.state().lblCar, "Mercedes");
    s.hover("cmdCar");
    EXPECT_FALSE(s["cmdCar"].enabled);
    EXPECT_EQ(s["imgCCar"].picture, "carshop");
    s.open();
    EXPECT_FALSE(s["cmdCar"].enabled);

    s.state().CarIndex = 9;  // a damaged saved game: nothing on offer rather than a crash
    s.open();
    EXPECT_FALSE(s["cmdCar"].enabled);
}
