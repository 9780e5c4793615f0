// The virus window's fight: which amounts each antivirus beats, and the loss of the amount at
// the click, however long its boxes stay open.
#include <gtest/gtest.h>

#include "computer/virus.h"
#include "fakes/fakes.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

struct Virus : PlaceTest<FrmVirus> {
    explicit Virus(const char* antivirus = "Пока нет") { state().lblAntvirus = antivirus; }
    /// Clicks `button` when the damage amount (10..19 once, then 5..19, a step a ms) is `damage`.
    void clickAt(const char* button, int damage) {
        clock.ms = (damage >= 10 ? damage - 10 : damage + 5);
        click(button);
    }
};

Message loss(int damage) {
    return {"Надо было покупать хороший антивирус.",
            "Вирус уничтожил  " + std::to_string(damage) + "$ с вашего счета."};
}

}  // namespace

// Which amounts each antivirus beats (the window only hides); when it loses, or the player gives
// in, the loss of the amount at the click follows, however long the box stays open.
TEST(VirusFight, EachAntivirusBeatsItsOwnAmounts) {
    const std::tuple<const char*, const char*, const char*, const char*, const char*> cases[] = {
        {"Пока нет", "", "", "Надо было антивирус покупать.", "У вас нет антивируса."},
        {"Касперского", " 5 6 7 ", "Ураааааааааааааааа. Вирус убит.",
         "Надо было покупать хороший антивирус.",
         "К сожалению антивирус Касперского не смог уничтожить этот вирус."},
        {"IVP 100", " 5 6 7 8 9 10 11 12 13 14 16 17 18 19 ", "Ура. Вирус убит.", "Не могу убить!",
         "К сожалению антивирус IVP 100 не смог уничтожить этот вирус."},
    };
    for (const auto& [antivirus, beaten, wonTitle, lostTitle, lostText] : cases) {
        const Message won{wonTitle, "Вам удалось уничтожить вирус", Icon::Information};
        for (int damage = 5; damage <= 19; ++damage) {
            SCOPED_TRACE(std::string(antivirus) + " " + std::to_string(damage));
            const bool beat =
                std::string(beaten).find(" " + std::to_string(damage) + " ") != std::string::npos;
            Virus v(antivirus);
            v.messages.whileOpen = [&](const Message&) { v.clock.ms += 3; };
            v.clickAt("cmdLive", damage);
            EXPECT_EQ(v.messages.shown,
                      (beat ? Boxes{won} : Boxes{{lostTitle, lostText}, loss(damage)}));
            EXPECT_EQ(v.money(), std::to_string(beat ? 170 : 170 - damage));
            EXPECT_EQ(v.windows.log.back(), beat ? "hide frmVirus" : "close frmVirus");
        }
    }
    Virus v;  // accepting loses the amount at once
    v.clickAt("cmdKill", 5);
    EXPECT_EQ(v.messages.shown, Boxes{loss(5)});
    EXPECT_EQ(v.money() + " " + v.windows.log.back(), "165 close frmVirus");
}
