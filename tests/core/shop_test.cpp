// The shop (meals, the clothes ladder and the car ladder) and the flat's four ladders, as the
// player sees them.
#include <gtest/gtest.h>

#include "fakes/fakes.h"
#include "life/flat.h"
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
        {"cmdBuyDinner", "0", "12", "0 12 12", {kNoMoney}},
        {"cmdBuyDinner", "1", "30", "-7 38 38", {}},
        {"cmdBuyBrakfast", "170", "100", "165 105 105", {}},
        {"cmdBuySupper", "170", "101", "170 101 101", {tooFull}},
        {"cmdBuySupper", "10", "0", "4 6 6", {}},
    };
    for (const auto& [meal, money, hungry, after, boxes] : cases) {
        Shop s(money);
        s.state().lblHungry = hungry;  // changed by the clock while the shop is open
        s.buy(meal);
        EXPECT_EQ(s.money() + " " + s.state().lblHungry + " " + s["lblHungr"].text, after) << meal;
        EXPECT_EQ(s.messages.shown, boxes) << meal << " " << money;
    }
}

// A click buys what the panel shows: with the pointer still, the same garment again. Any money
// above 0 buys, even into a debt; at the ladder's top the click disables the button for good.
TEST(ShopClothes, AClickBuysWhatThePanelShowsAndTheLaddersTopDisablesTheButton) {
    Shop s("10");
    s.buy("cmdBuyClothes");
    s.click("cmdBuyClothes");
    s.click("cmdBuyClothes");  // refused
    std::string seen = s.state().lblClothes + " " + s.money();
    // One dollar buys the next garment; then 155 $ buy the rest of the wardrobe to the dollar.
    for (const auto& [money, steps] : {std::pair{"1", 1}, {"155", 7}}) {
        s.state().lblMoney = money;
        for (int step = 0; step < steps; ++step) {
            s.buy("cmdBuyClothes");
            seen += "|" + s["txtSpec"].text + " " + s["lblShCost"].text + " " + s["lblWhat"].text +
                    " " + s.money() + (s["cmdBuyClothes"].enabled ? "" : " disabled");
        }
    }
    EXPECT_EQ(seen,
              "Спорт.костюм 0|Купить летнюю одежду. 10 Летняя -9|Купить Новые джинсы и футболку. "
              "15 Джинсы 140|Купить костюм (брюки и пиджак). 20 Костюм 120|Купить куртку. 25 "
              "Куртка 95|Купить красивую рубашку и брюки. 30 Рубашка 65|Купить супер футболку, "
              "кепку, шорты и т.д.. 30 Футболка и т.д. 35|Купить одежду последней моды. 35 "
              "Посл.моды 0|Нажми на кнопку <Купить одежду> 0 ------------ 0 disabled");
    EXPECT_EQ(s.messages.shown, Boxes{kNoMoney});
    s.hover("");  // the bare window clears the panel
    EXPECT_EQ(s["lblShCost"].text + " " + s["lblWhat"].text, "00 ------------");
    s.open();
    EXPECT_FALSE(s["cmdBuyClothes"].enabled);
}
// The whole money, rounded down, must cover the next car's price.
TEST(ShopCars, TheWholeMoneyBuysTheNextCarUpToTheMercedes) {
    Shop s;
    std::string seen;
    // The first car; then whole money a dollar short, each price exactly, a dollar short again.
    for (const char* money : {"60", "59.9", "60", "70", "80", "199", "200"}) {
        s.state().lblMoney = money;
        s.buy("cmdCar");
        seen += s["lblCurCar"].text + " " + s.money() + " " + s.lastBox().title + "|";
    }
    EXPECT_EQ(seen,
              "Пятерка2105 30 Вы купили машину|Пятерка2105 59.9 Внимание|Девятка21093 0 Вы купили "
              "машину|Десятка2110 0 Вы купили машину|Волга3110 0 Вы купили машину|Волга3110 199 "
              "Внимание|Mercedes 0 Вы купили машину|");
    EXPECT_EQ(s.messages.shown[0],
              (Message{"Вы купили машину", "Поздравляю! Вы купили машину марки Пятерка2105.",
                       Icon::None}));
    EXPECT_EQ(s.messages.shown[1], (Message{"Внимание", "Денег маловато."}));
    s.hover("cmdCar");
    EXPECT_EQ(s["imgCCar"].picture + (s["cmdCar"].enabled ? "" : " disabled"), "carshop disabled");
    s.state().CarIndex = 9;  // a damaged saved game offers nothing, not a crash
    s.open();
    EXPECT_FALSE(s["cmdCar"].enabled);
}

using Flat = PlaceTest<FrmFlat>;

TEST(FlatPurchase, OneDollarStillBuysTheCottageAndTheTopDisablesTheButton) {
    Flat f("1");
    f.state().lblRoom = "6";
    f.buy("cmdBuyFlat");
    EXPECT_EQ(
        f["txtSpec"].text + "|" + f["lblM"].text + " " + f.moneyAndMood() + " " + f.state().lblRoom,
        "Купить современный семикомнатный коттедж . Одну из комнат Вы видите на картинке "
        "справа|150 -149 34 7");
    f.buy("cmdBuyFlat");  // nothing left on this ladder: the click disables the button
    EXPECT_EQ(f["txtSpec"].text + (f["cmdBuyFlat"].enabled ? "" : " (disabled)"),
              "Нажми на кнопку <Купить новую квартиру и продать старую> (disabled)");
    f.state().lblKitchen = "Комфортная";
    f.open();  // the next visit opens with the buttons at their tops disabled
    EXPECT_FALSE(f["cmdBuyFlat"].enabled || f["cmdBuyKitchen"].enabled);
    EXPECT_TRUE(f["cmdBuyBath"].enabled && f["cmdBuyMebel"].enabled);
}

// Each whole ladder from a new game costs the sum of its six prices; mood +4 a flat, +1 a step.
TEST(FlatPurchase, EachWholeLadderCostsTheSumOfItsPrices) {
    const std::pair<const char*, int> ladders[] = {
        {"cmdBuyFlat", 20 + 30 + 45 + 60 + 75 + 150},
        {"cmdBuyBath", 5 + 15 + 20 + 35 + 45 + 60},
        {"cmdBuyKitchen", 10 + 20 + 25 + 40 + 50 + 65},
        {"cmdBuyMebel", 15 + 25 + 30 + 40 + 55 + 70},
    };
    Flat f("10000");
    int money = 10000;
    for (const auto& [button, cost] : ladders) {
        for (int step = 0; step < 8 && f[button].enabled; ++step) f.buy(button);
        EXPECT_EQ(f.state().lblMoney, std::to_string(money -= cost)) << button;
    }
    const GameState& s = f.state();
    EXPECT_EQ(s.lblRoom + s.lblBath + s.lblKitchen + s.lblSMebel, "7Бол.бассейнКомфортнаяОфисная");
    EXPECT_EQ(s.lblHappyness, std::to_string(30 + 6 * 4 + 3 * 6));
}
