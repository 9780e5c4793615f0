// The leisure window: the two outings, the hover texts and the casino's game buttons.
#include <gtest/gtest.h>

#include "fakes/fakes.h"
#include "leisure/party.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

const char* const kTooHappy = "Вы уже распухли от радости";

using Party = PlaceTest<FrmParty>;

}  // namespace

// Money above 0 pays for an outing even into debt; a mood above 150 refuses it with the
// outing's own title; the money test comes first. The window's mood follows every attempt.
TEST(PartyOutings, MoneyThenMoodDecideAndTheWindowShowsTheMoodAfter) {
    const std::tuple<const char*, const char*, const char*, const char*, Boxes> cases[] = {
        {"cmdDisco", "0", "20", "0 20", {kNoMoney}},
        {"cmdDisco", "1", "20", "-7 29", {}},
        {"cmdVech", "170", "150", "165 155", {}},
        {"cmdDisco", "170", "150", "162 159", {}},
        {"cmdDisco", "170", "150.5", "170 150.5", {{"Не хочу идти на дискотеку!", kTooHappy}}},
        {"cmdVech", "170", "151", "170 151", {{"Не хочу идти на вечеринку!", kTooHappy}}},
        {"cmdVech", "-3", "200", "-3 200", {kNoMoney}},
    };
    for (const auto& [outing, money, mood, after, boxes] : cases) {
        Party p("170", "0");
        p.state().lblMoney = money;  // changed by the clock while the window is open
        p.state().lblHappyness = mood;
        p.buy(outing);
        EXPECT_EQ(p.moneyAndMood(), after) << outing << " " << money << " " << mood;
        EXPECT_EQ(p.messages.shown, boxes) << outing << " " << money << " " << mood;
        EXPECT_EQ(p["lblHappyness"].text, p.state().lblHappyness);
    }
}

TEST(PartyHover, EachControlFillsItsOwnPartOfThePanel) {
    Party p("170", "40");
    EXPECT_EQ(p["lblHappyness"].text, "40");
    const auto panel = [&p] {
        return p["lblCost"].text + "|" + p["lblIncrease"].text + "|" + p["txtSpec"].text;
    };
    p.hover("cmdKasino");
    EXPECT_EQ(panel(),
              "||Здесь вы сможете заработать деньги. Поиграть в игровые автоматы "
              "поднять себе настроение  и т.д.");
    p.hover("cmdDisco");  // an outing leaves the description as it was
    EXPECT_EQ(panel(),
              "8|9|Здесь вы сможете заработать деньги. Поиграть в игровые автоматы "
              "поднять себе настроение  и т.д.");
    p.hover("cmdVech");
    p.hover("cmdBack");
    EXPECT_EQ(panel(), "5|5|Уйти");
    p.hover("cmdRuletka2");
    EXPECT_EQ(panel(), "5|5|Здесь вы сможете заработать деньги и поднять себе настроение.");
    p.hover("");
    EXPECT_EQ(panel(), "||РАЗВЛЕЧЕНИЯ РАЗВЛЕЧЕНИЯ РАЗВЛЕЧЕНИЯ");
}

// The casino reveals the three games; each gives way to its game, and the window the game
// brings back shows them hidden again.
TEST(PartyCasino, TheGamesAppearAndEachReplacesTheWindowThatComesBackClosed) {
    const std::pair<const char*, const char*> games[] = {
        {"cmdRuletka", "frmRuletka"}, {"cmdRuletka2", "frmRuletka2"}, {"cmdAr", "frmAr"}};
    for (const auto& [button, window] : games) {
        Party p("170", "40");
        EXPECT_FALSE(p[button].visible);
        p.click(button);  // hidden: leads nowhere
        EXPECT_TRUE(p.windows.log.empty());
        p.click("cmdKasino");
        EXPECT_TRUE(p["cmdRuletka"].visible && p["cmdRuletka2"].visible && p["cmdAr"].visible);
        EXPECT_EQ(p.moneyAndMood(), "170 40");
        p.click(button);
        EXPECT_EQ(p.windows.log.front(), std::string("replace frmParty ") + window);
        p.open();
        EXPECT_FALSE(p["cmdRuletka"].visible || p["cmdRuletka2"].visible || p["cmdAr"].visible);
    }
    Party p("170", "40");
    p.click("cmdBack");
    EXPECT_EQ(p.windows.log, std::vector<std::string>{"close frmParty"});
}
