// The lake: a trip without bait, fish clicked up to the mood and satiety steps, the fish at the
// lake's corners, thirty seconds, the results, the go-home button a second later; then a trip
// with bait and the fish total at the top of its 16 bits.
#include "leisure/hobby.h"
#include "leisure/madfish.h"
#include "steps.h"

using namespace brankor;
using namespace brankor::transcripts;

TRANSCRIPT(frmMadFish) {
    s.windows.registerPlace<FrmHobby>("frmHobby");
    s.set("FishTotal", "32759").set("lblHappyness", "30.5").set("lblHungry", "20.9");
    s.open<FrmMadFish>();
    hoverAll(s);
    s.click("picFL").click("picFR");
    s.note("No bait: no pack is taken and one fish jumps, from the lake's top left corner to its");
    s.note("bottom right");
    s.click("cmdStart").click("cmdStart");
    s.draws({0, 0}).tick("tmrForFish").click("picFR");
    s.draws({0.9999999, 0.9999999}).tick("tmrForFish");
    s.note("Four fish bring nothing yet, the fifth one mood, the sixth satiety");
    for (int fish = 0; fish < 6; ++fish) s.click("picFL");
    s.key("picFL", 13).key("picFL", 32).key("picFL", 65);
    s.tick("tmrCTime1s").tick("tmrCTime1s", 28).tick("tmrCTime1s");
    s.note("After thirty seconds the results; the way home opens a second later");
    s.tick("tmrAllTime").click("picFL").click("cmdStart").close();
    s.draws({0.5, 0.5}).tick("tmrForFish");
    s.tick("tmrAllTime").tick("tmrAllTime").close();
    s.watch("frmHobby");

    s.note("With bait: a pack is taken and both fish jump; four fish bring nothing, and the total");
    s.note("stays at 32767");
    s.set("BaitPacks", "3");
    s.open<FrmMadFish>().click("cmdStart");
    s.draws({0.25, 0.5, 0.75, 0.125}).tick("tmrForFish");
    s.click("picFL").click("picFR").click("picFR").click("picFL");
    s.tick("tmrAllTime").tick("tmrAllTime").click("cmdStart");
}
