// The lake "MAD FISH": the fish, the clicks, the 30 seconds and what the catch brings home.
#include <gtest/gtest.h>

#include "fakes/fakes.h"
#include "leisure/madfish.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// An open lake whose timers run on the fake steady clock: a timer fires each time its interval
/// has passed since it was last (re)armed, as the window's real timers do.
struct Lake : PlaceTest<FrmMadFish> {
    explicit Lake(std::int16_t baitPacks = 0) {
        state().BaitPacks = baitPacks;
        open();
    }
    void advance(std::int64_t ms) {
        for (std::int64_t i = 0; i < ms; ++i) {
            for (const auto& [name, timer] : place->timers()) {
                Armed& armed = m_armed[name];
                if (armed.interval != timer.interval || armed.enabled != timer.enabled)
                    armed = {clock.ms, timer.interval, timer.enabled};
            }
            ++clock.ms;
            for (const auto& [name, timer] : place->timers()) {
                Armed& armed = m_armed[name];
                if (timer.enabled && clock.ms - armed.since >= timer.interval) {
                    armed.since = clock.ms;
                    place->onTimer(name);
                }
            }
        }
    }
    Twips at(const char* fish) { return *(*this)[fish].geometry; }
    std::string results() {
        return (*this)["lblCatch"].text + "/" + (*this)["lblH"].text + "/" + (*this)["lblSit"].text;
    }

  private:
    struct Armed {
        std::int64_t since = 0;
        int interval = 0;
        bool enabled = false;
    };
    std::map<std::string, Armed> m_armed;
};

constexpr Twips kOffView = {-1500, -1500, 1050, 435};

}  // namespace

// The fish land anywhere in the lake: top from 740 to 5029, left from 425 to 6079, the top drawn
// first, after a reseed on every jump.
TEST(MadFishLake, WithoutBaitOnlyTheFirstFishJumps) {
    Lake lake(0);
    lake.click("cmdStart");
    EXPECT_EQ(lake.state().BaitPacks, 0);
    lake.random.values = {0.0, 0.0, 0.9999999, 0.9999999, 0.5, 0.5};
    lake.advance(600);
    EXPECT_EQ(lake.at("picFL"), (Twips{425, 740, 1050, 435}));
    lake.advance(600);
    EXPECT_EQ(lake.at("picFL"), (Twips{6079, 5029, 1050, 435}));
    EXPECT_EQ(lake.at("picFR"), kOffView);
    EXPECT_EQ(lake.random.reseeds, 2);
    lake.click("picFR");  // off the lake: it cannot be caught
    EXPECT_EQ(lake.results(), "0/0/0");
}

TEST(MadFishLake, ABaitPackIsTakenAndBringsTheSecondFish) {
    Lake lake(3);
    EXPECT_TRUE(lake["lblHelp"].text.starts_with("Добро пожаловать на озеро \"MAD FISH\"."));
    lake.click("cmdStart");
    EXPECT_EQ(lake.state().BaitPacks, 2);
    EXPECT_FALSE(lake["lblHelp"].visible);
    EXPECT_FALSE(lake["cmdStart"].visible);
    lake.random.values = {0.5, 0.25, 0.0, 0.9999999};
    lake.advance(600);
    EXPECT_EQ(lake.at("picFL"), (Twips{1838, 2885, 1050, 435}));
    EXPECT_EQ(lake.at("picFR"), (Twips{6079, 740, 1050, 435}));
    lake.click("picFR");
    lake.click("picFL");
    EXPECT_EQ(lake.results(), "2/0/0");
}

// Every click counts, the same fish three times included; a fish off the lake or hidden after
// the end counts nothing.
TEST(MadFishLake, EveryClickOnAFishOnTheLakeCounts) {
    Lake lake;
    lake.click("picFL");  // still waiting off the lake
    lake.click("cmdStart");
    lake.advance(600);
    for (int i = 0; i < 3; ++i) lake.click("picFL");
    EXPECT_EQ(lake.results(), "3/0/0");
    for (int i = 0; i < 3; ++i) lake.place->onKey("picFL", i == 0 ? 13 : 32);  // Enter, Space
    EXPECT_EQ(lake.results(), "6/1/1");
    lake.place->onKey("picFL", 65);
    lake.advance(30000);
    lake.click("picFL");
    EXPECT_EQ(lake.results(), "6/1/1");
    EXPECT_EQ(lake.state().FishTotal, 6);
}

// A catch of n fish: mood + n div 5, satiety + n div 6, fish total + n; mood and satiety are
// first cut to whole numbers.
TEST(MadFishLake, TheCatchBringsItsGainsHome) {
    const std::tuple<int, const char*, const char*, const char*> cases[] = {
        {0, "30/30", "0/0/0", "0"}, {4, "30/30", "4/0/0", "4"},    {5, "31/30", "5/1/0", "5"},
        {6, "31/31", "6/1/1", "6"}, {29, "35/34", "29/5/4", "29"},
    };
    for (const auto& [fish, moodSatiety, results, total] : cases) {
        Lake lake;
        lake.state().lblHappyness = "30.5";
        lake.state().lblHungry = "30.9";
        lake.click("cmdStart");
        lake.advance(600);
        for (int i = 0; i < fish; ++i) lake.click("picFL");
        lake.advance(29400);
        EXPECT_EQ(lake.state().lblHappyness + "/" + lake.state().lblHungry, moodSatiety) << fish;
        EXPECT_EQ(lake.results(), results);
        EXPECT_EQ(std::to_string(lake.state().FishTotal), total);
        const auto [caught, mood, satiety] =
            std::tuple{lake["lblCatch"].text, lake["lblH"].text, lake["lblSit"].text};
        EXPECT_EQ(lake["lblHelp"].text, "Вам удалось поймать рыб: " + caught +
                                            "\r\nУ вас улучшилось настроение на: " + mood +
                                            "\r\nСъев пойманную рыбу, сытость у вас "
                                            "увеличилась на: " +
                                            satiety);
    }
}

// FishTotal is a 16-bit counter: it stops at 32767 rather than wrapping.
TEST(MadFishLake, TheFishTotalStopsAt32767) {
    Lake lake;
    lake.state().FishTotal = 32760;
    lake.click("cmdStart");
    lake.advance(600);
    for (int i = 0; i < 29; ++i) lake.click("picFL");
    lake.advance(29400);
    EXPECT_EQ(lake.state().FishTotal, 32767);
    EXPECT_EQ(lake.results(), "29/5/4");
    EXPECT_EQ(lake.state().lblHappyness, "35");
}

// Thirty seconds of fishing, the results, one more second with the go-home button disabled, then
// home to the hobby window. The fish timer runs on behind the results.
TEST(MadFishLake, TheTripRunsThirtySecondsAndTheWayHomeOpensASecondLater) {
    Lake lake(1);
    EXPECT_EQ(lake["cmdStart"].text, "НАЧАТЬ");
    lake.advance(5000);  // nothing runs before the start
    EXPECT_EQ(lake["lbl1s"].text, "0");
    lake.click("cmdStart");
    lake.advance(29999);
    EXPECT_EQ(lake["lbl1s"].text, "29");
    EXPECT_TRUE(lake["picFL"].visible);
    EXPECT_FALSE(lake["cmdStart"].visible);
    lake.advance(1);
    EXPECT_EQ(lake["cmdStart"].text + " " + lake["lbl1s"].text, "Поехать домой 29");
    EXPECT_TRUE(lake["cmdStart"].visible);
    EXPECT_FALSE(lake["cmdStart"].enabled);
    EXPECT_FALSE(lake["picFL"].visible || lake["picFR"].visible);
    EXPECT_TRUE(lake["lblHelp"].visible);
    EXPECT_FALSE(lake.place->onQueryClose());  // no way out but the button
    lake.click("cmdStart");
    lake.advance(999);
    EXPECT_FALSE(lake["cmdStart"].enabled);
    EXPECT_TRUE(lake.windows.log.empty());
    lake.advance(1);
    EXPECT_TRUE(lake["cmdStart"].enabled);
    EXPECT_EQ(lake["lbl1s"].text, "30");
    const int reseeds = lake.random.reseeds;
    lake.advance(1200);
    EXPECT_EQ(lake.random.reseeds, reseeds + 2);
    EXPECT_EQ(lake["lbl1s"].text, "30");
    lake.click("cmdStart");
    EXPECT_EQ(lake.windows.log.front(), "replace frmMadFish frmHobby");
}
