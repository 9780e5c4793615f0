// The shop: meals at both money and satiety limits, the clothes ladder rung by rung, the car
// ladder at each price and a dollar short, and a visit with everything bought.
#include "life/shop.h"
#include "transcript.h"

using namespace brankor;

TRANSCRIPT(frmShop) {
    s.open<FrmShop>();
    s.hover("");
    s.note("Meals: any money above 0 buys, even into debt; satiety above 100 refuses");
    for (const char* meal : {"cmdBuyBrakfast", "cmdBuyDinner", "cmdBuySupper"}) s.buy(meal);
    s.set("lblMoney", "0").click("cmdBuyDinner");
    s.set("lblMoney", "1").click("cmdBuyDinner");
    s.set("lblMoney", "170").set("lblHungry", "101").buy("cmdBuyBrakfast");
    s.set("lblHungry", "100").click("cmdBuyBrakfast");
    s.click("cmdBuySupper");
    s.hover("");

    s.note("Clothes: a click buys what the panel shows; the pointer moves the offer up");
    s.set("lblMoney", "0").buy("cmdBuyClothes");
    s.set("lblMoney", "1").click("cmdBuyClothes");
    s.click("cmdBuyClothes");  // the same garment again, paid again
    s.set("lblMoney", "200");
    for (int rung = 0; rung < 7; ++rung) s.buy("cmdBuyClothes");
    s.click("cmdBuyClothes");          // the last garment again: the panel still offers it
    s.hover("").buy("cmdBuyClothes");  // nothing on offer: the click disables the button

    s.note("Cars: the whole money must cover the next car's price");
    s.set("lblMoney", "29").buy("cmdCar");
    s.set("lblMoney", "30").click("cmdCar");
    s.hover("");  // the bare window shows the car now owned
    for (const char* money : {"59.9", "60", "69", "70", "79", "80", "199", "200"})
        s.set("lblMoney", money).buy("cmdCar");
    s.hover("cmdCar").hover("");

    s.note("A visit with the last garment and the last car: both buttons are off from the start");
    s.open<FrmShop>();
    s.hover("cmdBuyClothes").click("cmdBack");
}
