// The shop's car counter with a damaged car index. The shop and the flat as a player meets them
// are walked in tests/transcripts/frmShop.txt and frmFlat.txt.
#include <gtest/gtest.h>

#include "fakes/fakes.h"
#include "life/shop.h"

using namespace brankor;
using namespace brankor::testing;

// A saved game with a car index past the table offers no car rather than reading past it.
TEST(ShopCars, ADamagedCarIndexOffersNothing) {
    PlaceTest<FrmShop> s;
    s.state().CarIndex = 9;
    s.open();
    s.buy("cmdCar");
    EXPECT_FALSE(s["cmdCar"].enabled);
    EXPECT_EQ(s.state().CarIndex, 9);
}
