// The study window: each course refused at 0 $ and taken at 0.5 $, left again (also with no money),
// taken once more; the captions a visit starts with for enrolled and for completed courses.
#include "life/study.h"
#include "transcript.h"

using namespace brankor;

TRANSCRIPT(frmStudy) {
    s.open<FrmStudy>();
    s.hover("");
    for (const char* button : {"cmdSchool", "cmdEnglish", "cmdComp"}) {
        s.note(std::string("The course of ") + button);
        s.set("lblMoney", "0").buy(button);
        s.set("lblMoney", "0.5").click(button);
        s.set("lblMoney", "0").click(button);
        s.set("lblMoney", "-5").click(button);
        s.set("lblMoney", "170").click(button);
        s.hover("");
    }
    s.note("A visit while enrolled in all three");
    s.open<FrmStudy>();
    s.note("A visit with English completed; the fee field does not matter once a course is done");
    s.set("lblEng", "OK").set("lblSCost", "0");
    s.open<FrmStudy>();
    s.buy("cmdEnglish");
    s.note("Every course completed");
    s.set("lblObras", "OK").set("lblCom", "OK");
    s.open<FrmStudy>();
    s.note("The clock completes the computer course during a visit");
    s.set("lblCom", "60").set("lblCCost", "8").open<FrmStudy>();
    s.set("lblCom", "OK").set("lblCCost", "0").click("cmdComp").click("cmdBack");
}
