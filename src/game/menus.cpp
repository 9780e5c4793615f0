#include "game/menus.h"
#include "game/windownames.h"

namespace brankor {

void menuNewGame(Game& game) {
    if (!game.ask(kConfirmTitle, "Вы действительно хотите начать новую игру")) return;
    Windows& windows = game.windows();
    windows.hide(window::kMain);
    windows.close(window::kInternet);
    windows.close(window::kParty);
    windows.show(window::kFirst, Modality::Modeless);
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
