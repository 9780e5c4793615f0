// The end window: what it shows when the player becomes computer president, and its "OK".
#include "game/startwindows.h"
#include "transcript.h"

using namespace brankor;

TRANSCRIPT(frmTheEnd) {
    s.set("lblMyWork", "ком.през.").set("lblWorkEarn", "70");
    s.open<FrmTheEnd>();
    s.hover("").hover("cmdOK").click("imgTheEnd").click("cmdOK");
}
