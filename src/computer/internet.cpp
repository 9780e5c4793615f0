#include "internet.h"

#include <array>

#include "framework/number.h"
#include "game/windownames.h"
#include "internetsites.h"

namespace brankor {
namespace {

constexpr int kConnectionFee = 30;
constexpr const char* kConnected = "Есть";

/// A modem and the smallest computer that goes online.
bool mayConnect(const GameState& s) {
    for (const std::string* part :
         {&s.lblModem, &s.lblComp, &s.lblMonitor, &s.lblVinchester, &s.lblCDROM, &s.lblRAM})
        if (*part == kNothingOwned) return false;
    return true;
}

/// The site buttons and the windows they open.
struct SiteLink {
    const char* button;
    const char* window;
};
constexpr std::array<SiteLink, 2> kSites = {{
    {"cmdAnek", window::kInterAnek},
    {"Command5", window::kInterComp},
}};

}  // namespace

FrmInternet::FrmInternet(Game& g) : GamePlace(g, window::kInternet, "Инет") {
    declare("Label1", {.text = "Добро пожаловать к самому лучшему провайдеру"});
    declare("Label2",
            {.text = "Здесь вы можете подключиться к интернету за 2$ в час. Мы предлагаем вам "
                     "самые лучшие страницы мира. Самая знаменитая страница анекдотов  и "
                     "страница о компьютере. Подключайтесь, не пожалеете. При первом "
                     "подключении необходимо заплатить 30$."});
    declare("cmdPodkl", {.text = "Подключение"});
    declare("cmdWalk", {.text = "Выход в интернет"});
    declare("picPages", {.visible = false});
    declare("cmdAnek", {.text = std::string("Анекдот (") + kJokesAddress + ")"});
    declare("Command5", {.text = std::string("Компьютер  (") + kComputerAddress + ")"});
    declare("cmdBack", {.text = "<< Назад"});
    declare("imgProvider", {.picture = "place_internet"});
}

void FrmInternet::onLoad() {
    if (state().lblVichod != kNothingOwned) {
        showConnected();
    } else {
        (*this)["cmdPodkl"].enabled = true;
        (*this)["cmdWalk"].enabled = false;
    }
}

void FrmInternet::showConnected() {
    (*this)["cmdPodkl"].text = "Вы подключились к интернету.";
    (*this)["cmdPodkl"].enabled = false;
    (*this)["cmdWalk"].enabled = true;
}

void FrmInternet::onClick(const std::string& control) {
    if (control == "cmdPodkl") connect();
    if (control == "cmdWalk") (*this)["picPages"].visible = true;
    if (control == "cmdBack") close();
    for (const SiteLink& site : kSites)
        if (control == site.button) game.windows().replace(name(), site.window);
}

void FrmInternet::connect() {
    if (!mayConnect(state())) {
        game.tell("Подключение не  произошло.",
                  "Вы не можете подключиться к интернету без модема. И у вас должен быть, как "
                  "минимум, процессор 486; монитор; винчестер 500Mb; CD-ROM; RAM-8Mb.",
                  Icon::None);
        return;
    }
    game.tell("Подключение произошло.", "Вы подключились к интернету за 5$ в час.", Icon::None);
    addNumber(state().lblMoney, -kConnectionFee);
    state().lblVichod = kConnected;
    game.remember(DiaryEventKind::Connected, "Подключился к интернету");
    showConnected();
}

}  // namespace brankor
