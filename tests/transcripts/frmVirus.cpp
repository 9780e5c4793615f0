// The virus window: the life tick that opens it at a counter of 10 and not at 9, only with a
// complete computer; the damage amount at its turning points; each antivirus on both sides of its
// limit; a won fight that only hides the window; the blinking heading.
#include "computer/virus.h"
#include "game/lifecycle.h"
#include "steps.h"

using namespace brankor;
using namespace brankor::transcripts;

namespace {

struct Virus {
    Script& s;
    std::int64_t loadedAt = 0;

    /// The life tick of the main window, the only thing that opens the virus window.
    void lifeTick() {
        const bool fresh = !s.windows.find("frmVirus");
        s.step("life tick of the main window", [&] { brankor::lifeTick(s.game); });
        if (fresh && s.windows.find("frmVirus")) loadedAt = s.clock.ms;
    }
    /// The damage amount `ms` after the window loaded: 10 to 19 once, then 5 to 19 over and
    /// over, a step a millisecond.
    static int damage(std::int64_t ms) { return ms <= 9 ? 10 + int(ms) : 5 + int((ms - 10) % 15); }
    /// Waits until the amount is `amount`, then clicks `button`.
    void clickAt(int amount, const char* button) {
        std::int64_t wait = 0;
        while (damage(s.clock.ms + wait - loadedAt) != amount) ++wait;
        s.clock.ms += wait;
        s.write("> (" + std::to_string(wait) + " ms later: the amount is " +
                std::to_string(amount) + ")");
        clickReading(s, button, {"lblMoney"});
    }
    /// The next virus, met with `antivirus` installed, fought or given in to at `amount`.
    void next(const char* antivirus, int amount, const char* button) {
        s.set("lblAntvirus", antivirus).set("lblVir", "9");
        lifeTick();
        s.watch("frmVirus");
        clickAt(amount, button);
    }
};

}  // namespace

TRANSCRIPT(frmVirus) {
    s.windows.registerPlace<FrmVirus>("frmVirus");
    Virus v{s};
    const char* const parts[] = {"lblComp", "lblMonitor", "lblVinchester", "lblRAM", "lblSystem"};
    s.set("lblHungry", "100").set("lblHappyness", "100");
    s.note("The counter rises only while none of the five parts is missing");
    for (const char* part : parts) s.set(part, "есть");
    for (const char* part : parts) s.set(part, "Пока нет"), v.lifeTick(), s.set(part, "есть");
    s.note("At 9 nothing happens; at 10 the window opens with the count and the counter is reset");
    s.set("lblVir", "8"), v.lifeTick(), v.lifeTick();
    s.watch("frmVirus");
    hoverAll(s).close();
    const auto heading = [&] {
        return dynamic_cast<FrmVirus&>(s.place()).headingWhite() ? "white" : "red";
    };
    s.write(std::string("  (lblTextVirus is ") + heading() + ")");
    for (int blink = 0; blink < 3; ++blink)
        s.tick("Timer1").write(std::string("  lblTextVirus turns ") + heading());
    s.note("No antivirus: the fight is lost; the loss is the amount at the click, 10 at first");
    v.clickAt(10, "cmdLive");

    s.note("Giving in loses the amount: 12, the top 19, then round to 5");
    v.next("Пока нет", 12, "cmdKill");
    v.next("Пока нет", 19, "cmdKill");
    v.next("Пока нет", 5, "cmdKill");
    s.note("Kaspersky beats 5 to 7. A won fight only hides the window: the next virus shows it");
    s.note("with its amount running on, and a counter that was 10 before the tick shows 11");
    v.next("Касперского", 7, "cmdLive");
    s.set("lblVir", "10"), v.lifeTick();
    v.clickAt(8, "cmdLive");
    v.next("Касперского", 5, "cmdLive");
    s.note("IVP 100 loses only to 15");
    v.next("IVP 100", 14, "cmdLive");
    v.next("IVP 100", 15, "cmdLive");
    v.next("IVP 100", 16, "cmdLive");
}
