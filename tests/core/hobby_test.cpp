// The fishing shop and the departure for the lake, as the player sees them.
#include <gtest/gtest.h>

#include "fakes/fakes.h"
#include "leisure/hobby.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

using Boxes = std::vector<Message>;

Message plain(const char* title, const char* text) {
    return {title, text, Icon::None};
}

/// An open hobby window with `money` in the pocket.
struct Hobby : PlaceTest<FrmHobby> {
    explicit Hobby(const char* money = "170") {
        state().lblMoney = money;
        open();
    }
    std::string money() { return state().lblMoney; }
    std::string panel() { return (*this)["imgF"].picture + " " + (*this)["lblCost"].text; }
    bool trip() const {
        return !windows.log.empty() && windows.log.front() == "replace frmHobby frmMadFish";
    }
};

const char* const kShopText =
    "Рыбалка - это отличный способ поднять себе настроение, утолить голод (рыбою, которую вы "
    "поймали) и просто хорошо и весело отдохнуть. Рыбачьте и вы не пожалеете.";

}  // namespace

// Rod: needs 30, costs 30. Tackle: needs 30, costs 20. Bait: needs 6, costs 6.
TEST(HobbyShop, EachArticleNeedsItsOwnAmountAndTheBoxShowsWhatIsOwned) {
    Hobby h("25");
    EXPECT_EQ(h["lblYdochka"].text + "|" + h["lblSnasti"].text + "|" + h["lblPrikormka"].text,
              "нет удочки|нет снастей|0");
    h.buy("cmdBYdochka");
    h.buy("cmdBSnasti");
    EXPECT_EQ(h.messages.shown, (Boxes{plain("Нет денег.", "У вас нет денег на удочку."),
                                       plain("Нет денег.", "У вас нет денег на снасти.")}));
    EXPECT_EQ(h.money(), "25");

    h.messages.shown.clear();
    h.state().lblMoney = "30";
    h.buy("cmdBSnasti");
    h.buy("cmdBYdochka");  // 10 $ left: not enough for the rod
    EXPECT_EQ(h.messages.shown, (Boxes{plain("Вы купили снасти", "Поздравляю! Вы купили снасти."),
                                       plain("Нет денег.", "У вас нет денег на удочку.")}));
    EXPECT_EQ(h.money() + " " + h["lblSnasti"].text, "10 есть снасти");
    EXPECT_TRUE(h.state().HasTackle);
    EXPECT_FALSE(h["cmdBSnasti"].enabled);
    EXPECT_FALSE(h.state().HasRod);

    h.state().lblMoney = "6";
    h.buy("cmdBPrikormka");
    EXPECT_EQ(h.lastBox(), plain("Вы купили пакет прикормки", "Вы купили пакет прикормки."));
    EXPECT_EQ(h.money() + " " + h["lblPrikormka"].text, "0 1");

    h.state().lblMoney = "30";
    h.buy("cmdBYdochka");
    EXPECT_EQ(h.lastBox(), plain("Вы купили удочку", "Поздравляю! Вы купили удочку."));
    EXPECT_EQ(h.money(), "0");
    h.open();  // the next visit remembers the gear
    EXPECT_EQ(h["lblYdochka"].text + "|" + h["lblSnasti"].text + "|" + h["lblPrikormka"].text,
              "есть удочка|есть снасти|1");
    EXPECT_FALSE(h["cmdBYdochka"].enabled);
    EXPECT_FALSE(h["cmdBSnasti"].enabled);
}

TEST(HobbyShop, ThePanelFollowsThePointerAndTheLakeButtonOnlyDescribes) {
    Hobby h;
    EXPECT_EQ(h.panel(), "fishing_shop 00");
    EXPECT_EQ(h["lblHelp"].text, kShopText);
    h.hover("cmdBYdochka");
    EXPECT_EQ(h.panel(), "fishing_rod 30");
    h.hover("cmdBSnasti");
    EXPECT_EQ(h.panel(), "fishing_tackle 20");
    EXPECT_EQ(h["lblHelp"].text,
              "Без снастей вы не сможете ловить. Сейчас у вас нет снастей и "
              "вам надо купить их.");
    h.hover("cmdBPrikormka");
    EXPECT_EQ(h.panel(), "fishing_bait 6");
    h.hover("cmdGoFishing");
    EXPECT_EQ(h.panel(), "fishing_bait 6");
    EXPECT_EQ(h["lblHelp"].text,
              "Озеро \"MAD FISH\" славится своей неописуемой красотой и своими рыбами.");
    h.hover("imgF");
    EXPECT_EQ(h.panel(), "fishing_shop 00");
    EXPECT_EQ(h["lblHelp"].text, kShopText);
    h.hover("cmdBack");  // the back button leaves the panel alone
    EXPECT_EQ(h["lblHelp"].text, kShopText);
}

// BaitPacks is a 16-bit counter: a full box refuses the pack before any money is taken.
TEST(HobbyShop, TheBoxHoldsAtMost32767BaitPacks) {
    Hobby h;
    h.state().BaitPacks = 32766;
    h.buy("cmdBPrikormka");
    EXPECT_EQ(h.state().BaitPacks, 32767);
    EXPECT_EQ(h.money(), "164");
    h.buy("cmdBPrikormka");
    EXPECT_EQ(h.lastBox(),
              plain("Ящик полон.", "В вашем рыболовном ящике больше нет места для прикормки."));
    EXPECT_EQ(h.state().BaitPacks, 32767);
    EXPECT_EQ(h.money() + " " + h["lblPrikormka"].text, "164 32767");
}

TEST(HobbyTrip, WithoutRodOrTackleThePlayerIsNotReadyAndNothingChanges) {
    for (const auto& [rod, tackle] : {std::pair{false, false}, {true, false}, {false, true}}) {
        Hobby h;
        h.state().HasRod = rod;
        h.state().HasTackle = tackle;
        h.state().CarIndex = 1;
        const GameState before = h.state();
        h.messages.answers = {Answer::Yes};
        h.click("cmdGoFishing");
        EXPECT_EQ(h.messages.shown, Boxes{plain("Не готовы.",
                                                "Вы не готовы к рыбалке. Проверьте, есть ли у вас "
                                                "удочка и снасти.")});
        EXPECT_EQ(h.state(), before);
        EXPECT_TRUE(h.windows.log.empty());
    }
}

// By car the player buys petrol for 5 $, paid from the whole dollars; 5.5 $ leave nothing.
TEST(HobbyTrip, ByCarPetrolCostsFiveWholeDollars) {
    const Message question{"Требуется бензин. Хотите ли вы купить бензин?",
                           "Чтобы доехать до озера вам требуется бензин.\r\n\r\nХотите ли вы "
                           "купить бензин (его цена 5$)?",
                           Icon::Question, Buttons::YesNo};
    const std::tuple<const char*, Answer, const char*, bool> cases[] = {
        {"170", Answer::No, "170", false},    {"4", Answer::Yes, "4", false},
        {"4.99", Answer::Yes, "4.99", false}, {"5", Answer::Yes, "0", true},
        {"5.5", Answer::Yes, "0", true},      {"12.75", Answer::Yes, "7", true},
    };
    for (const auto& [money, answer, after, leaves] : cases) {
        Hobby h(money);
        h.state().HasRod = h.state().HasTackle = true;
        h.state().CarIndex = 3;
        h.messages.answers = {answer};
        h.click("cmdGoFishing");
        EXPECT_EQ(h.messages.shown.front(), question);
        EXPECT_EQ(h.money(), after) << money;
        EXPECT_EQ(h.trip(), leaves) << money;
        if (answer == Answer::Yes && !leaves) {
            EXPECT_EQ(h.lastBox(), plain("Нет денег.", "У вас нет денег на бензин."));
        } else {
            EXPECT_EQ(h.messages.shown.size(), 1u) << money;
        }
    }
}

// Without a car the bus takes the player for 10 $; the refusal speaks of a taxi. Bait is not
// needed.
TEST(HobbyTrip, WithoutACarTheBusCostsTen) {
    const Message question{"Требуется машина. Хотите ли вы поехать на автобусе?",
                           "До озера \"MAD FISH\" пешком не дойдешь. Без машины вам не удастся "
                           "добраться до него. Но вы можете сесть на автобус, заплатив за билет  "
                           "10$ и доехать до озера, либо купить собственную машину в магазине."
                           "\r\n\r\nХотите ли вы поехать на автобусе?",
                           Icon::Question, Buttons::YesNo};
    const std::tuple<const char*, Answer, const char*, bool> cases[] = {
        {"170", Answer::No, "170", false},
        {"9.5", Answer::Yes, "9.5", false},
        {"10", Answer::Yes, "0", true},
        {"10.5", Answer::Yes, "0.5", true},
    };
    for (const auto& [money, answer, after, leaves] : cases) {
        Hobby h(money);
        h.state().HasRod = h.state().HasTackle = true;
        ASSERT_EQ(h.state().BaitPacks, 0);
        h.messages.answers = {answer};
        h.click("cmdGoFishing");
        EXPECT_EQ(h.messages.shown.front(), question);
        EXPECT_EQ(h.money(), after) << money;
        EXPECT_EQ(h.trip(), leaves) << money;
        if (money == std::string("9.5")) {
            EXPECT_EQ(h.lastBox(), plain("Нет денег.", "У вас нет денег на такси."));
        }
    }
}
