// The fishing shop and the departure for the lake, as the player sees them.
#include <gtest/gtest.h>

#include "fakes/fakes.h"
#include "leisure/hobby.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

const Message kNoRodMoney = plain("Нет денег.", "У вас нет денег на удочку.");

/// An open hobby window with `money` in the pocket.
struct Hobby : PlaceTest<FrmHobby> {
    explicit Hobby(const char* money = "170", bool geared = false) {
        state().lblMoney = money;
        state().HasRod = state().HasTackle = geared;
        open();
    }
    std::string box() {
        return (*this)["lblYdochka"].text + "|" + (*this)["lblSnasti"].text + "|" +
               (*this)["lblPrikormka"].text;
    }
    /// The window gave way to the lake.
    bool left() const {
        return !windows.log.empty() && windows.log.front() == "replace frmHobby frmMadFish";
    }
};

}  // namespace

// Rod: needs 30, costs 30. Tackle: needs 30, costs 20. Bait: needs 6, costs 6.
TEST(HobbyShop, EachArticleNeedsItsOwnAmountAndTheBoxRemembersIt) {
    Hobby h("25");
    h.buy("cmdBYdochka");
    h.buy("cmdBSnasti");
    EXPECT_EQ(h.messages.shown,
              (Boxes{kNoRodMoney, plain("Нет денег.", "У вас нет денег на снасти.")}));
    h.messages.shown.clear();
    h.state().lblMoney = "30";
    h.buy("cmdBSnasti");
    h.buy("cmdBYdochka");  // 10 $ left
    EXPECT_EQ(h.messages.shown,
              (Boxes{plain("Вы купили снасти", "Поздравляю! Вы купили снасти."), kNoRodMoney}));
    EXPECT_EQ(h.money() + " " + h.box(), "10 нет удочки|есть снасти|0");
    EXPECT_FALSE(h["cmdBSnasti"].enabled);
    h.state().lblMoney = "6";
    h.buy("cmdBPrikormka");
    EXPECT_EQ(h.lastBox(), plain("Вы купили пакет прикормки", "Вы купили пакет прикормки."));
    EXPECT_EQ(h.money() + " " + h.box(), "0 нет удочки|есть снасти|1");
    h.state().lblMoney = "30";
    h.buy("cmdBYdochka");
    EXPECT_EQ(h.lastBox(), plain("Вы купили удочку", "Поздравляю! Вы купили удочку."));
    h.open();  // the next visit shows the gear and sells it no more
    EXPECT_EQ(h.money() + " " + h.box(), "0 есть удочка|есть снасти|1");
    EXPECT_FALSE(h["cmdBYdochka"].enabled || h["cmdBSnasti"].enabled);
}

TEST(HobbyShop, ThePanelFollowsThePointerAndTheLakeButtonOnlyDescribes) {
    Hobby h;
    auto panel = [&h] { return h["imgF"].picture + " " + h["lblCost"].text; };
    const std::string shop = h["lblHelp"].text;
    EXPECT_EQ(panel(), "fishing_shop 00");
    EXPECT_TRUE(shop.starts_with("Рыбалка - это отличный способ поднять себе настроение"));
    h.hover("cmdBSnasti");
    EXPECT_EQ(panel() + " " + h["lblHelp"].text,
              "fishing_tackle 20 Без снастей вы не сможете ловить. Сейчас у вас нет снастей и вам "
              "надо купить их.");
    h.hover("cmdGoFishing");
    EXPECT_EQ(panel() + " " + h["lblHelp"].text,
              "fishing_tackle 20 Озеро \"MAD FISH\" славится своей неописуемой красотой и своими "
              "рыбами.");
    h.hover("cmdBYdochka");
    EXPECT_EQ(panel(), "fishing_rod 30");
    h.hover("imgF");
    EXPECT_EQ(panel() + " " + h["lblHelp"].text, "fishing_shop 00 " + shop);
}

// BaitPacks is a 16-bit counter: a full box refuses the pack before any money is taken.
TEST(HobbyShop, TheBoxHoldsAtMost32767BaitPacks) {
    Hobby h;
    h.state().BaitPacks = 32766;
    h.buy("cmdBPrikormka");
    h.buy("cmdBPrikormka");
    EXPECT_EQ(h.lastBox(),
              plain("Ящик полон.", "В вашем рыболовном ящике больше нет места для прикормки."));
    EXPECT_EQ(h.money() + " " + h["lblPrikormka"].text, "164 32767");
}

TEST(HobbyTrip, WithoutRodOrTackleThePlayerIsNotReadyAndNothingChanges) {
    for (const auto& [rod, tackle] : {std::pair{false, false}, {true, false}, {false, true}}) {
        Hobby h;
        h.state().HasRod = rod;
        h.state().HasTackle = tackle;
        const GameState before = h.state();
        h.messages.answers = {Answer::Yes};
        h.click("cmdGoFishing");
        EXPECT_EQ(h.messages.shown, Boxes{plain("Не готовы.",
                                                "Вы не готовы к рыбалке. Проверьте, "
                                                "есть ли у вас удочка и снасти.")});
        EXPECT_EQ(h.state(), before);
        EXPECT_TRUE(h.windows.log.empty());
    }
}

// By car petrol costs 5 $, paid from the whole dollars (5.5 $ leave nothing); without a car the
// bus costs 10 $ and its refusal speaks of a taxi. No bait is needed.
TEST(HobbyTrip, PetrolOrABusTicketIsPaidAfterYes) {
    const Message petrol{"Требуется бензин. Хотите ли вы купить бензин?",
                         "Чтобы доехать до озера вам требуется бензин.\r\n\r\nХотите ли вы "
                         "купить бензин (его цена 5$)?",
                         Icon::Question, Buttons::YesNo};
    const Message bus{"Требуется машина. Хотите ли вы поехать на автобусе?",
                      "До озера \"MAD FISH\" пешком не дойдешь. Без машины вам не удастся "
                      "добраться до него. Но вы можете сесть на автобус, заплатив за билет  10$ "
                      "и доехать до озера, либо купить собственную машину в магазине.\r\n\r\n"
                      "Хотите ли вы поехать на автобусе?",
                      Icon::Question, Buttons::YesNo};
    const Message noPetrol = plain("Нет денег.", "У вас нет денег на бензин.");
    const Message noTicket = plain("Нет денег.", "У вас нет денег на такси.");
    const std::tuple<int, const char*, Answer, const char*, Boxes> cases[] = {
        {3, "170", Answer::No, "170", {petrol}},
        {3, "4", Answer::Yes, "4", {petrol, noPetrol}},
        {1, "5", Answer::Yes, "0", {petrol}},
        {1, "5.5", Answer::Yes, "0", {petrol}},
        {1, "12.75", Answer::Yes, "7", {petrol}},
        {0, "170", Answer::No, "170", {bus}},
        {0, "9.5", Answer::Yes, "9.5", {bus, noTicket}},
        {0, "10.5", Answer::Yes, "0.5", {bus}},
    };
    for (const auto& [car, money, answer, after, boxes] : cases) {
        Hobby h(money, true);
        h.state().CarIndex = static_cast<std::int16_t>(car);
        h.messages.answers = {answer};
        h.click("cmdGoFishing");
        EXPECT_EQ(h.messages.shown, boxes) << car << " " << money;
        EXPECT_EQ(h.money(), after) << car << " " << money;
        EXPECT_EQ(h.left(), answer == Answer::Yes && boxes.size() == 1) << car << " " << money;
    }
}
