#include "game/newgame.h"

#include "framework/number.h"
#include "game/windownames.h"

namespace brankor {

const char* const kWelcomeText =
    " Добро пожаловать в игру \"Бранкор\". Ешьте, учитесь, работайте и станьте компьютерным "
    "президентом!";

void ForLoadMain(Game& game) {
    GameState& s = game.state;
    s.lblMoney = "170";
    s.lblStatus = "Чайник";
    s.lblSWork = "Пока нет";
    s.lblHappyness = "30";
    s.lblHungry = "30";
    s.lblEduncation = "Начальное";
    s.lblEnglish = "Не знаю";
    for (std::string* part :
         {&s.lblMonitor, &s.lblPrinter, &s.lblSkaner, &s.lblModem, &s.lblComp, &s.lblVinchester,
          &s.lblCDROM, &s.lblRAM, &s.lblSoundKarta, &s.lblVideoKarta})
        *part = kNothingOwned;
    s.lblRoom = "1";
    s.lblSMebel = s.lblKitchen = s.lblBath = kNothingOwned;
    s.lblClothes = "Дряхлая";
    for (std::string* owned :
         {&s.lblSystem, &s.lblProgram, &s.lblGraph, &s.lblAntvirus, &s.lblVichod, &s.lblMyWork})
        *owned = kNothingOwned;
    s.lblWorkEarn = "0";
    s.lblSSchool = "Не учусь";
    s.lblSCost = "0";
    s.lblEEnglish = "Не учусь";
    s.lblECost = "0";
    s.lblCComputer = "Не учусь";
    s.lblCCost = "0";
    s.lblCom = s.lblObras = s.lblEng = s.lblVir = "0";

    s.BankBalance = 0;

    const Date today = game.clock().today();
    s.lblDay = twoDigits(today.day);
    s.lblMonth = twoDigits(today.month);
    s.lblYear = twoDigits(today.year);

    s.lblSpHelp = kWelcomeText;
    game.windows().show(window::kMain, Modality::Modeless);
    s.SkipExitConfirm = 0;

    setCar(s, 0);
    setVinchester(s, 0);

    s.HasRod = false;
    s.HasTackle = false;
    s.BaitPacks = 0;
    s.FishTotal = 0;
    game.diary.start(s);
}

void createMainWindow(Game& game) {
    game.state = GameState{};
    ForLoadMain(game);
}

}  // namespace brankor
