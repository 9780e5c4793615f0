// A new game: what the start-up window's "OK" leaves on the status panel.
#include <gtest/gtest.h>

#include "core/newgame.h"
#include "core/startwindows.h"
#include "fakes/fakes.h"

using namespace brankor;
using namespace brankor::testing;

TEST(NewGame, WritesEveryFieldAndVariable) {
    TestGame t;
    t.clock.date = {2001, 9, 5};
    GameState& s = t.state();
    for (const Field& f : fields()) s.*(f.member) = "junk";
    s.BankBalance = 500;
    s.CarIndex = 3;
    s.VinchesterIndex = 4;
    s.HasRod = s.HasTackle = true;
    s.BaitPacks = 7;
    s.FishTotal = 12;
    s.SkipExitConfirm = 1;

    ForLoadMain(t.game);

    EXPECT_EQ(s.lblMoney, "170");
    EXPECT_EQ(s.lblStatus, "Чайник");
    EXPECT_EQ(s.lblSWork, "Пока нет");
    EXPECT_EQ(s.lblHappyness, "30");
    EXPECT_EQ(s.lblHungry, "30");
    EXPECT_EQ(s.lblEduncation, "Начальное");
    EXPECT_EQ(s.lblEnglish, "Не знаю");
    for (const std::string* f :
         {&s.lblMonitor, &s.lblPrinter, &s.lblSkaner, &s.lblModem, &s.lblComp, &s.lblCDROM,
          &s.lblRAM, &s.lblSoundKarta, &s.lblVideoKarta, &s.lblSMebel, &s.lblKitchen, &s.lblBath,
          &s.lblSystem, &s.lblProgram, &s.lblGraph, &s.lblAntvirus, &s.lblVichod, &s.lblMyWork})
        EXPECT_EQ(*f, "Пока нет");
    EXPECT_EQ(s.lblRoom, "1");
    EXPECT_EQ(s.lblClothes, "Дряхлая");
    EXPECT_EQ(s.lblWorkEarn, "0");
    for (const std::string* f : {&s.lblSSchool, &s.lblEEnglish, &s.lblCComputer})
        EXPECT_EQ(*f, "Не учусь");
    for (const std::string* f :
         {&s.lblSCost, &s.lblECost, &s.lblCCost, &s.lblCom, &s.lblObras, &s.lblEng, &s.lblVir})
        EXPECT_EQ(*f, "0");
    EXPECT_EQ(s.lblDay, "05");
    EXPECT_EQ(s.lblMonth, "09");
    EXPECT_EQ(s.lblYear, "01");
    EXPECT_EQ(s.lblSpHelp.rfind(" Добро пожаловать в игру \"Бранкор\".", 0), 0u);
    EXPECT_EQ(s.lblCar, "Нет машины");
    EXPECT_EQ(s.lblVinchester, "Пока нет");
    EXPECT_EQ(s.BankBalance, 0);
    EXPECT_EQ(s.CarIndex, 0);
    EXPECT_EQ(s.VinchesterIndex, 0);
    EXPECT_FALSE(s.HasRod);
    EXPECT_FALSE(s.HasTackle);
    EXPECT_EQ(s.BaitPacks, 0);
    EXPECT_EQ(s.FishTotal, 0);
    EXPECT_EQ(s.SkipExitConfirm, 0);
    // Left alone: the hour and the caption.
    EXPECT_EQ(s.lblHours, "junk");
    EXPECT_EQ(s.Caption, "junk");
    EXPECT_EQ(t.windows.log, std::vector<std::string>{"show frmMain modeless"});
}

TEST(NewGame, KeepsFinishedStudyRowsHiddenButAFreshWindowShowsThem) {
    TestGame t;
    t.state().hiddenControls = {"lblSStoim", "lblSCost"};
    t.state().lblHours = "17";
    ForLoadMain(t.game);
    EXPECT_EQ(t.state().hiddenControls.size(), 2u);
    EXPECT_EQ(t.state().lblHours, "17");

    createMainWindow(t.game);
    EXPECT_TRUE(t.state().hiddenControls.empty());
    EXPECT_EQ(t.state().lblHours, "1");
    EXPECT_EQ(t.state().lblSSchool, "Не учусь");  // never the window-creation "Неучусь"
    EXPECT_EQ(t.state().lblMyWork, "Пока нет");   // never "Безработный"
}

TEST(NewGame, CarAndHardDiskFieldsFollowTheirIndex) {
    TestGame t;
    setCar(t.state(), 5);
    setVinchester(t.state(), 9);
    EXPECT_EQ(t.state().lblCar, "Mercedes");
    EXPECT_EQ(t.state().lblVinchester, "90 Gb");
    ForLoadMain(t.game);
    EXPECT_EQ(t.state().lblCar, "Нет машины");
    EXPECT_EQ(t.state().lblVinchester, "Пока нет");
}

TEST(StartupWindow, OkCreatesTheMainWindowWhenThereIsNone) {
    TestGame t;
    t.windows.visible.erase("frmMain");
    FrmFirst first(t.game);
    first.onClick("cmdOK");
    EXPECT_EQ(t.windows.log.front(), "load frmMain");
    EXPECT_EQ(t.windows.log.back(), "close frmFirst");
}

TEST(StartupWindow, ExitAsksAndOnlyYesLeaves) {
    TestGame t;
    FrmFirst first(t.game);
    t.messages.answers = {Answer::No};
    first.onClick("cmdExit");
    EXPECT_FALSE(t.windows.quitCalled);
    const Message& asked = t.messages.shown.back();
    EXPECT_EQ(asked, (Message{"Подтвердите", "Вы действительно хотите выйти?", Icon::Question,
                              Buttons::YesNo}));
    t.messages.answers = {Answer::Yes};
    first.onClick("cmdExit");
    EXPECT_TRUE(t.windows.quitCalled);
}

TEST(StartupWindow, AboutBoxShowsOnlyItsOwnOk) {
    TestGame t;
    FrmFirst about(t.game);
    about.showAsAbout();
    EXPECT_TRUE(about["cmdOkAbout"].visible);
    EXPECT_FALSE(about["cmdOK"].visible);
    EXPECT_FALSE(about["cmdExit"].visible);
    EXPECT_TRUE(about.onQueryClose());
    FrmFirst next(t.game);
    EXPECT_FALSE(next["cmdOkAbout"].visible);
    EXPECT_TRUE(next["cmdOK"].visible);
}

TEST(StartupWindow, CloseBoxReturnsToAWaitingGameOrAsksToLeave) {
    TestGame t;
    t.windows.visible["frmMain"] = false;  // new game pending: main window hidden
    FrmFirst first(t.game);
    EXPECT_TRUE(first.onQueryClose());
    EXPECT_TRUE(t.windows.visible["frmMain"]);
    EXPECT_TRUE(t.messages.shown.empty());

    t.windows.visible.erase("frmMain");  // after a death: no game behind the window
    t.messages.answers = {Answer::No};
    EXPECT_FALSE(first.onQueryClose());
    EXPECT_FALSE(t.windows.quitCalled);
}
