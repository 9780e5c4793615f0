// Hacking: the task counter before and after its first step, every task taken, and each task
// carried out with its capture counter at 3 or beside it; fines into debt after their box.
#include "computer/hacking.h"
#include "steps.h"

using namespace brankor;
using namespace brankor::transcripts;

namespace {

/// What a counter stepped once a millisecond shows `ms` after the window opened: 0, then 1 up to
/// `top`, then round from 2 to `top` again.
int counter(std::int64_t ms, int top) {
    return ms <= top ? static_cast<int>(ms) : 2 + static_cast<int>((ms - top - 1) % (top - 1));
}

/// Waits until the easy capture counter (2 to 5) shows `easy` and the hard one (2 to 4) shows
/// `hard`; -1 for either that may show anything.
void waitFor(Script& s, int easy, int hard) {
    const auto shows = [](std::int64_t ms, int top, int value) {
        return value < 0 || counter(ms, top) == value;
    };
    std::int64_t wait = 1;
    while (!shows(s.clock.ms + wait, 5, easy) || !shows(s.clock.ms + wait, 4, hard)) ++wait;
    s.later(wait);
}

/// Waits until the task counter shows `task`.
void waitForTask(Script& s, int task) {
    std::int64_t wait = 1;
    while (counter(s.clock.ms + wait, 9) != task) ++wait;
    s.later(wait);
}

}  // namespace

TRANSCRIPT(frmHakerstvo) {
    s.open<FrmHakerstvo>();
    hoverAll(s);
    s.click("cmdMake");
    s.note("A task taken before the counter's first step, and between its first and second");
    s.click("cmdTakeSad").later(1).click("cmdTakeSad");
    s.note(
        "Each task carried out with its capture counter at 3, or beside it; easy tasks (up to 4)");
    s.note("watch the counter of 2 to 5, hard ones the counter of 2 to 4");
    const int cases[][3] = {{1, 2, -1}, {2, 3, -1}, {2, 5, -1}, {3, 4, -1}, {4, 3, -1},
                            {4, 2, 3},  {5, 3, 2},  {5, -1, 3}, {6, -1, 4}, {7, -1, 2},
                            {8, -1, 4}, {9, -1, 2}, {9, -1, 3}};
    for (const auto& [task, easy, hard] : cases) {
        if (task == 2 && easy == 3) s.set("lblMoney", "3");
        if (task > 1) waitForTask(s, task), s.click("cmdTakeSad");
        waitFor(s, easy, hard);
        clickReading(s, "cmdMake", {"lblMoney", "lblHappyness"});
    }
    s.note("A task taken again before it is carried out replaces the first; then leaving");
    s.later(1'000'000'000).click("cmdTakeSad").later(1).click("cmdTakeSad").click("cmdGoOut");
}
