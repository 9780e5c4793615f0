// The lake "MAD FISH": the fish, the clicks, the 30 seconds and what the catch brings home.
#include <gtest/gtest.h>

#include "fakes/fakes.h"
#include "leisure/madfish.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// An open lake whose timers run on the fake steady clock: a timer fires each time its interval
/// has passed since it was last started or given a new interval, as the window's real timers do.
struct Lake : PlaceTest<FrmMadFish> {
    explicit Lake(std::int16_t baitPacks = 0) {
        state().BaitPacks = baitPacks;
        open();
    }
    void advance(std::int64_t ms) {
        for (const std::int64_t end = clock.ms + ms; clock.ms < end;) {
            for (const auto& [name, timer] : place->timers()) {
                Timer& seen = m_seen[name];
                if (seen.interval != timer.interval || seen.enabled != timer.enabled) {
                    seen = timer;
                    m_since[name] = clock.ms;
                }
            }
            ++clock.ms;
            for (const auto& [name, timer] : place->timers()) {
                if (!timer.enabled || clock.ms - m_since[name] < timer.interval) continue;
                m_since[name] = clock.ms;
                place->onTimer(name);
            }
        }
    }
    Twips at(const char* fish) { return *(*this)[fish].geometry; }
    std::string results() {
        return (*this)["lblCatch"].text + "/" + (*this)["lblH"].text + "/" + (*this)["lblSit"].text;
    }

  private:
    std::map<std::string, Timer> m_seen;
    std::map<std::string, std::int64_t> m_since;
};

constexpr Twips kOffView = {-1500, -1500, 1050, 435};

}  // namespace

// The fish land anywhere in the lake, top from 740 to 5029 and left from 425 to 6079, the top
// drawn first after a reseed. The second fish comes only with a bait pack, and takes one.
TEST(MadFishLake, ABaitPackBringsTheSecondFish) {
    Lake lake(0);
    lake.click("cmdStart");
    lake.random.values = {0.0, 0.0, 0.9999999, 0.9999999};
    lake.advance(1200);
    EXPECT_EQ(lake.at("picFL"), (Twips{6079, 5029, 1050, 435}));
    EXPECT_EQ(lake.at("picFR"), kOffView);
    EXPECT_EQ(lake.state().BaitPacks, 0);
    lake.click("picFR");  // off the lake: it cannot be caught

    Lake baited(3);
    baited.click("cmdStart");
    EXPECT_EQ(baited.state().BaitPacks, 2);
    baited.random.values = {0.5, 0.25, 0.0, 0.9999999};
    baited.advance(600);
    EXPECT_EQ(baited.at("picFL"), (Twips{1838, 2885, 1050, 435}));
    EXPECT_EQ(baited.at("picFR"), (Twips{6079, 740, 1050, 435}));
    baited.click("picFR");
    EXPECT_EQ(lake.results() + " " + baited.results(), "0/0/0 1/0/0");
    EXPECT_EQ(lake.random.reseeds + baited.random.reseeds, 3);
}

// A catch of n fish, every click counting (all on the same fish here): mood + n div 5, satiety
// + n div 6, fish total + n, which stops at 32767 rather than wrapping. Mood and satiety are
// first cut to whole numbers.
TEST(MadFishLake, TheCatchBringsItsGainsHome) {
    const std::tuple<int, std::int16_t, const char*, const char*, std::int16_t> cases[] = {
        {0, 0, "0/0/0", "30/30", 0},           {3, 7, "3/0/0", "30/30", 10},
        {4, 0, "4/0/0", "30/30", 4},           {5, 0, "5/1/0", "31/30", 5},
        {6, 0, "6/1/1", "31/31", 6},           {29, 0, "29/5/4", "35/34", 29},
        {29, 32760, "29/5/4", "35/34", 32767},
    };
    for (const auto& [fish, total, results, moodSatiety, totalAfter] : cases) {
        Lake lake;
        lake.state().FishTotal = total;
        lake.state().lblHappyness = "30.5";
        lake.state().lblHungry = "30.9";
        lake.click("picFL");  // still off the lake
        lake.click("cmdStart");
        lake.advance(600);
        for (int i = 0; i < fish; ++i) lake.click("picFL");
        lake.advance(29400);
        lake.click("picFL");  // hidden once the time is over
        EXPECT_EQ(lake.results(), results);
        EXPECT_EQ(lake.state().lblHappyness + "/" + lake.state().lblHungry, moodSatiety) << fish;
        EXPECT_EQ(lake.state().FishTotal, totalAfter) << fish;
        EXPECT_EQ(
            lake["lblHelp"].text,
            "Вам удалось поймать рыб: " + lake["lblCatch"].text +
                "\r\nУ вас улучшилось настроение на: " + lake["lblH"].text +
                "\r\nСъев пойманную рыбу, сытость у вас увеличилась на: " + lake["lblSit"].text);
    }
}

// Thirty seconds of fishing, the results, one more second with the go-home button disabled, then
// home to the hobby window. The fish timer runs on behind the results.
TEST(MadFishLake, TheTripRunsThirtySecondsAndTheWayHomeOpensASecondLater) {
    Lake lake(1);
    EXPECT_EQ(lake["cmdStart"].text, "НАЧАТЬ");
    lake.advance(5000);  // nothing runs before the start
    lake.click("cmdStart");
    EXPECT_FALSE(lake["lblHelp"].visible || lake["cmdStart"].visible);
    lake.advance(29999);
    EXPECT_EQ(lake["lbl1s"].text, "29");
    lake.place->onKey("picFR", 13);  // Enter and Space catch the fish that has the focus
    lake.place->onKey("picFL", 32);
    lake.place->onKey("picFL", 65);
    EXPECT_EQ(lake.results(), "2/0/0");
    lake.advance(1);
    EXPECT_EQ(lake["cmdStart"].text + " " + lake["lbl1s"].text, "Поехать домой 29");
    EXPECT_TRUE(lake["cmdStart"].visible && lake["lblHelp"].visible);
    EXPECT_FALSE(lake["cmdStart"].enabled || lake["picFL"].visible || lake["picFR"].visible);
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
    lake.click("cmdStart");
    EXPECT_EQ(lake.windows.log.front(), "replace frmMadFish frmHobby");
}
