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
    setCar(s, 3);
    setVinchester(s, 4);
    s.BankBalance = s.BaitPacks = s.FishTotal = s.SkipExitConfirm = 7;
    s.HasRod = s.HasTackle = true;

    s.hiddenControls = {"lblSStoim", "lblSCost"};  // a finished course's rows
    ForLoadMain(t.game);

    EXPECT_EQ(s.lblMoney + s.lblStatus + s.lblSWork + s.lblHappyness + s.lblHungry +
                  s.lblEduncation + s.lblEnglish + s.lblRoom + s.lblClothes + s.lblWorkEarn,
              "170ЧайникПока нет3030НачальноеНе знаю1Дряхлая0");
    for (const std::string* f :
         {&s.lblMonitor, &s.lblPrinter, &s.lblSkaner, &s.lblModem, &s.lblComp, &s.lblCDROM,
          &s.lblRAM, &s.lblSoundKarta, &s.lblVideoKarta, &s.lblSMebel, &s.lblKitchen, &s.lblBath,
          &s.lblSystem, &s.lblProgram, &s.lblGraph, &s.lblAntvirus, &s.lblVichod, &s.lblMyWork})
        EXPECT_EQ(*f, "Пока нет");
    for (const std::string* f : {&s.lblSSchool, &s.lblEEnglish, &s.lblCComputer})
        EXPECT_EQ(*f, "Не учусь");
    for (const std::string* f :
         {&s.lblSCost, &s.lblECost, &s.lblCCost, &s.lblCom, &s.lblObras, &s.lblEng, &s.lblVir})
        EXPECT_EQ(*f, "0");
    EXPECT_EQ(s.lblDay + "/" + s.lblMonth + "/" + s.lblYear, "05/09/01");
    EXPECT_EQ(s.lblSpHelp.rfind(" Добро пожаловать в игру \"Бранкор\".", 0), 0u);
    EXPECT_EQ(s.lblCar, "Нет машины");
    EXPECT_EQ(s.lblVinchester, "Пока нет");
    EXPECT_EQ(s.BankBalance + s.CarIndex + s.VinchesterIndex + s.BaitPacks + s.FishTotal +
                  s.SkipExitConfirm + s.HasRod + s.HasTackle,
              0);
    EXPECT_EQ(s.lblHours + s.Caption, "junkjunk");  // left alone: the hour and the caption
    EXPECT_EQ(t.windows.log, std::vector<std::string>{"show frmMain modeless"});
    EXPECT_EQ(s.hiddenControls.size(), 2u);  // hidden until a fresh main window shows them
    createMainWindow(t.game);
    EXPECT_TRUE(s.hiddenControls.empty());
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
