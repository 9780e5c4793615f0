// The flat: four ladders bought from the offer panel, and the pictures that follow the pointer.
#include <gtest/gtest.h>

#include "fakes/fakes.h"
#include "life/flat.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

using Names = std::vector<std::string>;

struct Flat : PlaceTest<FrmFlat> {
    /// The pictures visible now, in a fixed order.
    Names pictures() {
        Names shown;
        for (const char* p : {"imgMainFlat", "imgFlat", "imgBath", "imgKitchen", "imgMebel"})
            if ((*this)[p].visible) shown.push_back(p);
        return shown;
    }
};

}  // namespace

TEST(FlatPurchase, OneDollarStillBuysTheCottageAndTheTopDisablesTheButton) {
    Flat f;
    f.state().lblRoom = "6";
    f.state().lblMoney = "1";
    f.open();
    f.buy("cmdBuyFlat");
    EXPECT_EQ(f["txtSpec"].text,
              "Купить современный семикомнатный коттедж . Одну из комнат Вы видите на картинке "
              "справа");
    EXPECT_EQ(f["lblM"].text, "150");
    EXPECT_EQ(f.state().lblMoney, "-149");
    EXPECT_EQ(f.state().lblRoom, "7");
    EXPECT_EQ(f.state().lblHappyness, "34");
    f.buy("cmdBuyBath");
    EXPECT_EQ(f.lastBox(), (Message{"Внимание", "У вас, не хватает денег на это"}));
    EXPECT_EQ(f.state().lblBath + " " + f.state().lblMoney, "Пока нет -149");
    f.buy("cmdBuyFlat");  // nothing left on this ladder: the click disables the button
    EXPECT_EQ(f["txtSpec"].text, "Нажми на кнопку <Купить новую квартиру и продать старую>");
    EXPECT_FALSE(f["cmdBuyFlat"].enabled);

    f.state().lblKitchen = "Комфортная";
    f.open();  // the next visit opens with the buttons at their tops disabled
    EXPECT_FALSE(f["cmdBuyFlat"].enabled);
    EXPECT_FALSE(f["cmdBuyKitchen"].enabled);
    EXPECT_TRUE(f["cmdBuyBath"].enabled && f["cmdBuyMebel"].enabled);
}

// Each whole ladder bought from a new game costs the sum of its six prices; the mood
// rises 4 per flat and 1 per other step.
TEST(FlatPurchase, EachWholeLadderCostsTheSumOfItsPrices) {
    const std::pair<const char*, int> ladders[] = {
        {"cmdBuyFlat", 20 + 30 + 45 + 60 + 75 + 150},
        {"cmdBuyBath", 5 + 15 + 20 + 35 + 45 + 60},
        {"cmdBuyKitchen", 10 + 20 + 25 + 40 + 50 + 65},
        {"cmdBuyMebel", 15 + 25 + 30 + 40 + 55 + 70},
    };
    Flat f;
    f.state().lblMoney = "10000";
    f.open();
    int money = 10000;
    for (const auto& [button, cost] : ladders) {
        for (int step = 0; step < 8 && f[button].enabled; ++step) f.buy(button);
        EXPECT_EQ(f.state().lblMoney, std::to_string(money -= cost)) << button;
    }
    const GameState& s = f.state();
    EXPECT_EQ(s.lblRoom + s.lblBath + s.lblKitchen + s.lblSMebel, "7Бол.бассейнКомфортнаяОфисная");
    EXPECT_EQ(s.lblHappyness, std::to_string(30 + 6 * 4 + 3 * 6));
}

TEST(FlatPictures, HoverShowsOnlyThatButtonsPictureAndTheBareWindowTheGeneralOne) {
    const std::pair<const char*, Names> steps[] = {
        {"cmdBuyBath", {"imgBath"}},
        {"cmdBuyFlat", {"imgFlat"}},
        {"", {"imgMainFlat", "imgFlat"}},  // the cottage stays as it was, under the general one
        {"cmdBuyMebel", {"imgMebel"}},
        {"", {"imgMainFlat"}},
        {"cmdBuyKitchen", {"imgKitchen"}},
        {"txtSpec", {"imgKitchen"}},  // over the description: nothing changes
    };
    Flat f;
    EXPECT_EQ(f.pictures(), Names{"imgMainFlat"});
    for (const auto& [control, shown] : steps) {
        f.hover(control);
        EXPECT_EQ(f.pictures(), shown) << "after " << control;
    }
    f.hover("");
    EXPECT_EQ(f["txtSpec"].text, "Покупайте и обустраивайте вашу квартиру");
    EXPECT_EQ(f["lblWhat"].text + " " + f["lblM"].text, "------------ 0");
}
