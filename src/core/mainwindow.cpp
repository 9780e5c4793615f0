#include "mainwindow.h"

namespace brankor {

void menuNewGame(Game& game) {
    if (!game.ask(kConfirmTitle, "Вы действительно хотите начать новую игру")) return;
    Windows& windows = game.windows();
    windows.hide("frmMain");
    windows.close("frmInternet");
    windows.close("frmParty");
    windows.show("frmFirst", Modality::Modeless);
}

void menuExit(Game& game) {
    if (game.ask(kConfirmTitle, kExitQuestion)) game.windows().quit();
}

bool queryCloseMain(Game& game) {
    if (game.state.SkipExitConfirm != 0) return true;
    if (game.ask(kConfirmTitle, kExitQuestion)) {
        game.windows().quit();
        return true;
    }
    return false;
}

}  // namespace brankor
