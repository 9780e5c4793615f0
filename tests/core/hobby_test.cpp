// Fishing: the shop and the departure for the lake, then the lake "MAD FISH" with its fish,
// its clicks, its 30 seconds and what the catch brings home.
#include <gtest/gtest.h>

#include "fakes/fakes.h"
#include "leisure/hobby.h"
#include "leisure/madfish.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

using Hobby = PlaceTest<FrmHobby>;

/// A lake whose timers fire on the fake clock each time their interval has passed since they were
/// last started or given a new interval.
struct Lake : PlaceTest<FrmMadFish> {
    using PlaceTest::PlaceTest;
    void advance(std::int64_t ms) {
        for (const std::int64_t end = clock.ms + ms; clock.ms < end;) {
            for (const auto& [name, t] : place->timers())
                if (m_lastSeen[name].first != std::pair(t.interval, t.enabled))
                    m_lastSeen[name] = {{t.interval, t.enabled}, clock.ms};
            ++clock.ms;
            for (const auto& [name, t] : place->timers())
                if (std::int64_t& since = m_lastSeen[name].second;
                    t.enabled && clock.ms - since >= t.interval) {
                    since = clock.ms;
                    place->onTimer(name);
                }
        }
    }

    std::map<std::string, std::pair<std::pair<int, bool>, std::int64_t>> m_lastSeen;  ///< and when
};

}  // namespace

// Rod: needs and costs 30. Tackle: needs 30, costs 20. Bait: needs and costs 6, up to the
// 32767 a 16-bit box counts. No trip without rod and tackle.
TEST(HobbyShop, EachArticleNeedsItsOwnAmountAndTheBoxRemembersIt) {
    const Message noRodMoney = plain("Нет денег.", "У вас нет денег на удочку.");
    Hobby h("25");
    const auto box = [&h] {
        return h.money() + " " + h["lblYdochka"].text + "|" + h["lblSnasti"].text + "|" +
               h["lblPrikormka"].text;
    };
    h.buy("cmdBYdochka");
    h.buy("cmdBSnasti");
    h.state().lblMoney = "30";
    h.buy("cmdBSnasti");
    h.buy("cmdBYdochka");
    h.click("cmdGoFishing");
    EXPECT_EQ(box(), "10 нет удочки|есть снасти|0");
    h.state().lblMoney = "6";
    h.buy("cmdBPrikormka");
    h.state().lblMoney = "30";
    h.buy("cmdBYdochka");
    h.state().BaitPacks = 32767;
    h.buy("cmdBPrikormka");
    EXPECT_EQ(
        h.messages.shown,
        (Boxes{noRodMoney, plain("Нет денег.", "У вас нет денег на снасти."),
               plain("Вы купили снасти", "Поздравляю! Вы купили снасти."), noRodMoney,
               plain("Не готовы.",
                     "Вы не готовы к рыбалке. Проверьте, есть ли у вас удочка и снасти."),
               plain("Вы купили пакет прикормки", "Вы купили пакет прикормки."),
               plain("Вы купили удочку", "Поздравляю! Вы купили удочку."),
               plain("Ящик полон.", "В вашем рыболовном ящике больше нет места для прикормки.")}));
    h.open();  // the next visit shows the gear and sells it no more
    EXPECT_EQ(box(), "0 есть удочка|есть снасти|32767");
}

// Petrol costs 5 $ from the whole dollars; the bus 10 $, and its refusal speaks of a taxi. The
// trip starts exactly when it has been paid for; no bait is needed.
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
    const std::tuple<int, const char*, Answer, const char*, Boxes> cases[] = {
        {3, "4", Answer::Yes, "4", {petrol, plain("Нет денег.", "У вас нет денег на бензин.")}},
        {1, "5", Answer::Yes, "0", {petrol}},
        {1, "5.5", Answer::Yes, "0", {petrol}},
        {0, "170", Answer::No, "170", {bus}},
        {0, "9.5", Answer::Yes, "9.5", {bus, plain("Нет денег.", "У вас нет денег на такси.")}},
        {0, "10.5", Answer::Yes, "0.5", {bus}},
    };
    for (const auto& [car, money, answer, after, boxes] : cases) {
        Hobby h(money);
        h.state().HasRod = h.state().HasTackle = true;
        h.state().CarIndex = static_cast<std::int16_t>(car);
        h.messages.answers = {answer};
        h.click("cmdGoFishing");
        EXPECT_EQ(h.messages.shown, boxes) << car << " " << money;
        EXPECT_EQ(h.money(), after) << car << " " << money;
        EXPECT_EQ(h.windows.log.empty() ? "" : h.windows.log[0],
                  h.money() != money ? "replace frmHobby frmMadFish" : "");
    }
}

TEST(MadFishLake, FiveFishBringOneMoodAndSixOneSatiety) {
    std::string gains;
    for (const int fish : {4, 5, 6, 29})
        gains +=
            std::to_string(gainsOf(fish).mood) + "/" + std::to_string(gainsOf(fish).satiety) + " ";
    EXPECT_EQ(gains, "0/0 1/0 1/1 5/4 ");
}

// Fish land at top 740..5029, left 425..6079; bait brings the second. After 30 s the results,
// a second later the way home; the fish total stops at 32767 rather than wrapping.
TEST(MadFishLake, ATripFromTheStartToTheWayHome) {
    Lake lake("170", "30.5");
    lake.state().BaitPacks = 3;
    lake.state().FishTotal = 32766;
    lake.state().lblHungry = "30.9";
    lake.click("picFL");  // still off the lake
    lake.click("cmdStart");
    lake.random.values = {0.5, 0.25, 0.0, 0.9999999, 0.9999999, 0.9999999};
    lake.advance(600);
    EXPECT_EQ(*lake["picFL"].geometry, (Twips{1838, 2885, 1050, 435}));
    EXPECT_EQ(*lake["picFR"].geometry, (Twips{6079, 740, 1050, 435}));
    lake.advance(600);
    EXPECT_EQ(*lake["picFL"].geometry, (Twips{6079, 5029, 1050, 435}));
    lake.advance(28799);
    lake.click("picFR");
    lake.place->onKey("picFR", 13);  // Enter and Space catch the fish that has the focus
    lake.place->onKey("picFL", 32);
    lake.advance(1);
    EXPECT_EQ(lake["lblHelp"].text,
              "Вам удалось поймать рыб: 3\r\nУ вас улучшилось настроение на: "
              "0\r\nСъев пойманную рыбу, сытость у вас увеличилась на: 0");
    EXPECT_EQ(lake["cmdStart"].text + " " + lake.state().lblHappyness + "/" +
                  lake.state().lblHungry + " " + std::to_string(lake.state().BaitPacks) + " " +
                  std::to_string(lake.state().FishTotal),
              "Поехать домой 30/30 2 32767");
    EXPECT_FALSE(lake["cmdStart"].enabled || lake["picFL"].visible || lake["picFR"].visible);
    EXPECT_FALSE(lake.place->onQueryClose());  // no way out but the button
    lake.click("cmdStart");
    lake.advance(999);
    EXPECT_FALSE(lake["cmdStart"].enabled);
    lake.advance(1);
    EXPECT_EQ(lake["lbl1s"].text, "30");
    EXPECT_TRUE(lake.windows.log.empty());
    lake.click("cmdStart");
    EXPECT_EQ(lake.windows.log.at(0), "replace frmMadFish frmHobby");
}
