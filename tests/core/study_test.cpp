// The study window: enrolling and leaving by the button captions, the money test, captions at
// load, the hover panel, and a course the clock finishes while the window is open.
#include <gtest/gtest.h>

#include "core/lifecycle.h"
#include "fakes/fakes.h"
#include "life/study.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

constexpr const char* kSchoolEnrol = "Ходить в вечернюю школу";
constexpr const char* kSchoolLeave = "Закончить ходить в школу";
constexpr const char* kEnglishEnrol = "Ходить на курсы англ.яз.";
constexpr const char* kEnglishLeave = "Закончить ходить на курсы англ.яз.";
constexpr const char* kEnglishDone = "Вы уже выучились англ.языку.";
constexpr const char* kCompEnrol = "Ходить на компьютерные курсы";
constexpr const char* kCompLeave = "Закончить ходить на компьютерные курсы";
constexpr const char* kCompDone = "Вы уже выучились на ком. курсах.";

struct StudyTest : ::testing::Test {
    TestGame g;
    GameState& s = g.state();
    std::unique_ptr<FrmStudy> study;

    FrmStudy& open() {
        study = std::make_unique<FrmStudy>(g.game);
        study->onLoad();
        return *study;
    }
    std::string caption(const char* button) { return (*study)[button].text; }
};

}  // namespace

TEST_F(StudyTest, NoMoneyRefusesEveryCourseButAnEnrolledOneCanStillBeLeft) {
    s.lblSCost = "6";
    s.lblSSchool = "Веч.школа";
    s.lblMoney = "0";
    open();
    ASSERT_EQ(caption("cmdSchool"), kSchoolLeave);

    study->onClick("cmdEnglish");
    study->onClick("cmdComp");
    s.lblMoney = "-5";
    study->onClick("cmdEnglish");
    ASSERT_EQ(g.messages.shown.size(), 3u);
    EXPECT_EQ(g.messages.shown[0],
              (Message{"Внимание", "У вас, не хватает денег на обучение англ. языку"}));
    EXPECT_EQ(g.messages.shown[1],
              (Message{"Внимание", "У вас, не хватает денег на обучение комп. курсам"}));
    EXPECT_EQ(caption("cmdEnglish"), kEnglishEnrol);
    EXPECT_EQ(caption("cmdComp"), kCompEnrol);
    EXPECT_EQ(s.lblECost, "0");
    EXPECT_EQ(s.lblEEnglish, "Не учусь");
    EXPECT_EQ(s.lblCCost, "0");

    study->onClick("cmdSchool");
    EXPECT_EQ(caption("cmdSchool"), kSchoolEnrol);
    EXPECT_EQ(s.lblSSchool, "Не учусь");
    EXPECT_EQ(s.lblSCost, "0");
    EXPECT_EQ(g.messages.shown.size(), 3u);

    study->onClick("cmdSchool");
    EXPECT_EQ(g.messages.shown.back(),
              (Message{"Внимание", "У вас, не хватает денег на обучение в школе"}));
    EXPECT_EQ(caption("cmdSchool"), kSchoolEnrol);
}

TEST_F(StudyTest, EnrolLeaveAndEnrolAgainInOneVisitThenTheClockCharges) {
    open();
    study->onClick("cmdComp");
    EXPECT_EQ(caption("cmdComp"), kCompLeave);
    EXPECT_EQ(s.lblCComputer, "Курсы");
    EXPECT_EQ(s.lblCCost, "8");
    study->onClick("cmdComp");
    EXPECT_EQ(caption("cmdComp"), kCompEnrol);
    EXPECT_EQ(s.lblCComputer, "Не учусь");
    EXPECT_EQ(s.lblCCost, "0");
    study->onClick("cmdComp");
    EXPECT_EQ(caption("cmdComp"), kCompLeave);
    EXPECT_EQ(s.lblCCost, "8");

    study->onClick("cmdSchool");
    EXPECT_EQ(s.lblSSchool, "Веч.школа");
    EXPECT_EQ(s.lblSCost, "6");
    EXPECT_TRUE(g.messages.shown.empty());
    EXPECT_EQ(s.lblMoney, "170");  // enrolling costs nothing at once

    lifeTick(g.game);
    EXPECT_EQ(s.lblMoney, "163");
    EXPECT_EQ(s.lblCom, "1");
    EXPECT_EQ(s.lblObras, "1");

    // The next visit shows both courses as enrolled.
    open();
    EXPECT_EQ(caption("cmdSchool"), kSchoolLeave);
    EXPECT_EQ(caption("cmdEnglish"), kEnglishEnrol);
    EXPECT_EQ(caption("cmdComp"), kCompLeave);
}

TEST_F(StudyTest, FinishedCoursesShowDisabledWhateverTheirFee) {
    s.lblEng = "OK";
    s.lblECost = "0";
    s.lblEEnglish = "Вы выучили англ. яз.";
    s.lblSCost = "6";
    open();
    EXPECT_EQ(caption("cmdEnglish"), kEnglishDone);
    EXPECT_FALSE((*study)["cmdEnglish"].enabled);
    EXPECT_EQ(caption("cmdSchool"), kSchoolLeave);
    EXPECT_TRUE((*study)["cmdSchool"].enabled);
    EXPECT_EQ(caption("cmdComp"), kCompEnrol);
    EXPECT_TRUE((*study)["cmdComp"].enabled);

    s.lblCom = "OK";
    s.lblCCost = "8";
    open();
    EXPECT_EQ(caption("cmdComp"), kCompDone);
    EXPECT_FALSE((*study)["cmdComp"].enabled);
}

TEST_F(StudyTest, ACourseFinishedDuringTheVisitIsNeitherLeftNorEnteredAgain) {
    s.lblEnglish = "7 уровень";
    s.lblEng = "61";
    s.lblECost = "8";
    s.lblEEnglish = "Курсы";
    open();
    ASSERT_EQ(caption("cmdEnglish"), kEnglishLeave);

    lifeTick(g.game);  // the last rung: the course is over
    ASSERT_EQ(s.lblEng, "OK");
    EXPECT_EQ(caption("cmdEnglish"), kEnglishLeave);  // the caption waits for a click or load
    const std::size_t boxes = g.messages.shown.size();
    const std::string money = s.lblMoney;

    study->onClick("cmdEnglish");
    EXPECT_EQ(caption("cmdEnglish"), kEnglishDone);
    EXPECT_FALSE((*study)["cmdEnglish"].enabled);
    EXPECT_EQ(s.lblEEnglish, "Вы выучили англ. яз.");
    EXPECT_EQ(s.lblECost, "0");
    EXPECT_EQ(g.messages.shown.size(), boxes);

    lifeTick(g.game);
    EXPECT_EQ(s.lblMoney, money);  // no more fees for English
}

TEST_F(StudyTest, HoverShowsNameAndDailyPriceAndTheBareWindowClearsThem) {
    open();
    EXPECT_EQ(caption("lblWhat"), "------------");
    EXPECT_EQ(caption("lblCost"), "0");
    const std::tuple<const char*, const char*, const char*> hovers[] = {
        {"cmdSchool", "Вечерняя школа", "6"},
        {"cmdEnglish", "Курсы", "8"},
        {"cmdComp", "Ком.курсы", "8"},
    };
    for (const auto& [button, what, cost] : hovers) {
        study->onMouseMove(button);
        EXPECT_EQ(caption("lblWhat"), what) << button;
        EXPECT_EQ(caption("lblCost"), cost) << button;
        study->onMouseMove("");
        EXPECT_EQ(caption("lblWhat"), "------------");
        EXPECT_EQ(caption("lblCost"), "00");
    }
}
