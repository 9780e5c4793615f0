#include "party.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "framework/findrow.h"
#include "framework/number.h"
#include "game/offerpanel.h"
#include "game/windownames.h"

namespace brankor {
namespace {

/// A paid outing: its price in dollars, the mood it adds, and the title of the refusal shown
/// when the player is already in too good a mood.
struct Outing {
    std::string_view button;
    std::string_view caption;
    int price;
    int gain;
    std::string_view tooHappyTitle;
};

constexpr std::array<Outing, 2> kOutings = {{
    {"cmdDisco", "Сходить на дискотеку", 8, 9, "Не хочу идти на дискотеку!"},
    {"cmdVech", "Сходить на вечеринку", 5, 5, "Не хочу идти на вечеринку!"},
}};

/// Above this mood the player refuses to go out.
constexpr double kMoodLimit = 150;

/// The casino's games and the windows they open in place of this one.
struct CasinoGame {
    std::string_view button;
    std::string_view caption;
    std::string_view window;
};

constexpr std::array<CasinoGame, 3> kGames = {{
    {"cmdRuletka", "Рулетка", window::kRuletka},
    {"cmdRuletka2", "Рулетка 2", window::kRuletka2},
    {"cmdAr", "Игровой автомат \"Арканоид\"", window::kAr},
}};

constexpr std::string_view kCasinoText =
    "Здесь вы сможете заработать деньги. Поиграть в игровые автоматы поднять себе настроение  и "
    "т.д.";
constexpr std::string_view kGameText =
    "Здесь вы сможете заработать деньги и поднять себе настроение.";
constexpr std::string_view kBackText = "Уйти";
constexpr std::string_view kBareWindowText = "РАЗВЛЕЧЕНИЯ РАЗВЛЕЧЕНИЯ РАЗВЛЕЧЕНИЯ";

/// An outing is paid for with any money above 0, even into debt, unless the mood is too high.
void goOut(Game& game, const Outing& outing) {
    if (refuseWithoutMoney(game)) return;
    GameState& s = game.state;
    if (readNumber(s.lblHappyness) > kMoodLimit) {
        game.tell(std::string(outing.tooHappyTitle), "Вы уже распухли от радости");
        return;
    }
    addNumber(s.lblMoney, -outing.price);
    addNumber(s.lblHappyness, outing.gain);
}

template <class Row, std::size_t N>
const Row* rowOf(const std::array<Row, N>& table, const std::string& button) {
    return findRow(table, &Row::button, button);
}

}  // namespace

FrmParty::FrmParty(Game& g) : GamePlace(g, window::kParty, "(((-: Развлечения :-)))") {
    for (const Outing& outing : kOutings)
        declare(std::string(outing.button), {.text = std::string(outing.caption)});
    declare("cmdKasino", {.text = "Зайти в казино"});
    for (const CasinoGame& casino : kGames)
        declare(std::string(casino.button),
                {.text = std::string(casino.caption), .visible = false});
    declare("cmdBack", {.text = "<< Назад"});
    declare("lblHappyness", {.text = "00"});
    declare("lblCost", {.text = "00"});
    declare("lblIncrease", {.text = "00"});
    declare("txtSpec");
    declare("imgParty", {.picture = "place_party"});
}

void FrmParty::onLoad() {
    showMood();
}

void FrmParty::showMood() {
    (*this)["lblHappyness"].text = state().lblHappyness;
}

void FrmParty::onMouseMove(const std::string& control) {
    Control& description = (*this)["txtSpec"];
    if (const Outing* outing = rowOf(kOutings, control)) {
        (*this)["lblCost"].text = writeNumber(outing->price);
        (*this)["lblIncrease"].text = writeNumber(outing->gain);
        return;
    }
    if (rowOf(kGames, control)) {
        description.text = kGameText;
    } else if (control == "cmdBack") {
        description.text = kBackText;
    } else if (control == "cmdKasino" || control.empty()) {
        description.text = control.empty() ? kBareWindowText : kCasinoText;
        (*this)["lblCost"].text.clear();
        (*this)["lblIncrease"].text.clear();
    }
}

void FrmParty::onClick(const std::string& control) {
    if (const Outing* outing = rowOf(kOutings, control)) {
        goOut(game, *outing);
        showMood();
    } else if (const CasinoGame* casinoGame = rowOf(kGames, control)) {
        // Only an open casino's buttons lead to a game.
        if ((*this)[control].visible)
            game.windows().replace(name(), std::string(casinoGame->window));
    } else if (control == "cmdKasino") {
        for (const CasinoGame& casino : kGames) (*this)[std::string(casino.button)].visible = true;
    } else if (control == "cmdBack") {
        close();
    }
}

}  // namespace brankor
