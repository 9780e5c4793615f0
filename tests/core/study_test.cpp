// The study window: enrolling and leaving by the button captions, the money test, captions at
// load, and a course the clock finishes while the window is open.
#include <gtest/gtest.h>

#include "core/lifecycle.h"
#include "fakes/fakes.h"
#include "life/study.h"

using namespace brankor;
using namespace brankor::testing;

using Study = PlaceTest<FrmStudy>;
constexpr const char* kEnglishDone = "Вы уже выучились англ.языку.";

TEST(Study, WithoutMoneyEveryCourseRefusesWithItsOwnTextButLeavingStillWorks) {
    Study g;
    g.state().lblSCost = "6";
    g.state().lblSSchool = "Веч.школа";
    g.state().lblMoney = "0";
    g.open();
    g.click("cmdSchool");
    EXPECT_EQ(g.state().lblSSchool + " " + g.state().lblSCost, "Не учусь 0");
    const std::tuple<const char*, const char*, const char*> refusals[] = {
        {"cmdSchool", "0", "У вас, не хватает денег на обучение в школе"},
        {"cmdEnglish", "-5", "У вас, не хватает денег на обучение англ. языку"},
        {"cmdComp", "0", "У вас, не хватает денег на обучение комп. курсам"},
    };
    for (const auto& [button, money, refusal] : refusals) {
        g.state().lblMoney = money;
        g.click(button);
        EXPECT_EQ(g.lastBox(), (Message{"Внимание", refusal}));
    }
    EXPECT_EQ(g.state().lblSCost + g.state().lblECost + g.state().lblCCost, "000");
}

TEST(Study, EnrolLeaveAndEnrolAgainInOneVisitThenTheClockTeaches) {
    Study g;
    g.click("cmdSchool");
    g.click("cmdEnglish");
    for (int click = 0; click < 3; ++click) g.click("cmdComp");
    EXPECT_EQ(g.state().lblCComputer + " " + g.state().lblCCost, "Курсы 8");
    EXPECT_EQ(g.state().lblSCost + " " + g.state().lblECost, "6 8");  // the price per game day
    lifeTick(g.game);
    EXPECT_EQ(g.state().lblCom, "1");
    g.open();  // the next visit shows the course as enrolled
    EXPECT_EQ(g["cmdComp"].text, "Закончить ходить на компьютерные курсы");
}

// A finished course shows so, disabled, even when its fee says enrolled; the others keep theirs.
TEST(Study, FinishedCoursesShowDisabledAndTheOthersKeepTheirCaptions) {
    Study g;
    g.state().lblEng = g.state().lblCom = "OK";
    g.state().lblCCost = "8";
    g.state().lblSCost = "6";
    g.open();
    EXPECT_EQ(g["cmdSchool"].text, "Закончить ходить в школу");
    EXPECT_TRUE(g["cmdSchool"].enabled);
    EXPECT_EQ(g["cmdEnglish"].text, kEnglishDone);
    EXPECT_FALSE(g["cmdEnglish"].enabled);
    EXPECT_EQ(g["cmdComp"].text, "Вы уже выучились на ком. курсах.");
}

TEST(Study, ACourseFinishedDuringTheVisitIsNeitherLeftNorEnteredAgain) {
    Study g;
    g.state().lblEnglish = "7 уровень";
    g.state().lblEng = "61";
    g.state().lblECost = "8";
    g.state().lblEEnglish = "Курсы";
    g.open();
    lifeTick(g.game);  // the last rung: the course is over
    const std::size_t boxes = g.messages.shown.size();
    g.click("cmdEnglish");
    EXPECT_EQ(g["cmdEnglish"].text, kEnglishDone);
    EXPECT_FALSE(g["cmdEnglish"].enabled);
    EXPECT_EQ(g.state().lblEEnglish + " " + g.state().lblECost, "Вы выучили англ. яз. 0");
    EXPECT_EQ(g.messages.shown.size(), boxes);
}
