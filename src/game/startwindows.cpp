#include "game/startwindows.h"

#include "game/menus.h"
#include "game/newgame.h"
#include "game/windownames.h"

namespace brankor {

FrmFirst::FrmFirst(Game& g) : GamePlace(g, window::kFirst, "Бранкор") {
    declare("imgOnFirst", {.picture = "title"});
    declare("lblEMAIL", {.text = "Мой e-mail:"});
    declare("txtEMAIL", {.text = kContactEmail});
    declare("lblURL", {.text = "URL:"});
    declare("Text2", {.text = kContactUrl});
    declare("cmdOK", {.text = "OK"});
    declare("cmdExit", {.text = "Выход"});
    declare("cmdOkAbout", {.text = "OK", .visible = false});
}

void FrmFirst::showAsAbout() {
    m_about = true;
    (*this)["cmdOkAbout"].visible = true;
    (*this)["cmdOK"].visible = false;
    (*this)["cmdExit"].visible = false;
}

void FrmFirst::onClick(const std::string& control) {
    Windows& windows = game.windows();
    if (control == "cmdOK") {
        if (!windows.isOpen(window::kMain)) windows.load(window::kMain);
        ForLoadMain(game);
        close();
    } else if (control == "cmdExit") {
        if (game.ask(kConfirmTitle, kExitQuestion)) windows.quit();
    } else if (control == "cmdOkAbout") {
        close();
    }
}

bool FrmFirst::onQueryClose() {
    if (m_about) return true;
    Windows& windows = game.windows();
    if (windows.isOpen(window::kMain)) {
        windows.show(window::kMain, Modality::Modeless);
        return true;
    }
    if (game.ask(kConfirmTitle, kExitQuestion)) {
        windows.quit();
        return true;
    }
    return false;
}

FrmTheEnd::FrmTheEnd(Game& g) : GamePlace(g, window::kTheEnd, "Поздравляем!") {
    declare("imgTheEnd", {.picture = "theend"});
    declare("lblURL", {.text = "URL:"});
    declare("Text2", {.text = kContactUrl});
    declare("lblEMAIL", {.text = "Мой адрес:"});
    declare("txtEMAIL");
    declare("cmdOK", {.text = "OK"});
}

void FrmTheEnd::onLoad() {
    (*this)["txtEMAIL"].text = kContactEmail;
}

void FrmTheEnd::onClick(const std::string& control) {
    if (control == "cmdOK") close();
}

}  // namespace brankor
