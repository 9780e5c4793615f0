#include "slots.h"

#include <array>
#include <string_view>

#include "framework/number.h"
#include "game/windownames.h"
#include "partymoney.h"

namespace brankor {
namespace {

/// One row of the pay table: the symbols of the three reels and what they pay, in dollars.
struct SlotPrize {
    std::array<int, 3> reels;
    int win;
};

constexpr std::array<SlotPrize, 9> kPrizes = {{
    {{1, 1, 0}, 1},
    {{2, 2, 0}, 2},
    {{0, 0, 1}, 3},
    {{2, 2, 1}, 4},
    {{0, 0, 2}, 5},
    {{1, 1, 2}, 6},
    {{0, 0, 0}, 10},
    {{1, 1, 1}, 15},
    {{2, 2, 2}, 20},
}};

/// The symbols on the reels (cherries, apple, hamburger) and in the pay table.
constexpr std::array<std::string_view, FrmRuletka2::kSymbols> kReelPictures = {
    "reel_cherries", "reel_apple", "reel_hamburger"};
constexpr std::array<std::string_view, FrmRuletka2::kSymbols> kTablePictures = {
    "reel_cherries_small", "reel_apple_small", "reel_hamburger_small"};

constexpr std::array<const char*, 3> kReels = {"imgPict1", "imgPict2", "imgPict3"};

constexpr int kPackSpins = 5;
constexpr int kPackPrice = 9;
constexpr int kPackMood = -4;

/// The controls of a row of the pay table: its three pictures and its win.
std::string tablePicture(std::size_t row, std::size_t reel) {
    return "imgS_" + std::to_string(row * kReels.size() + reel);
}
std::string tableWin(std::size_t row) {
    return "lblWin1_" + std::to_string(row);
}

std::string_view picture(std::span<const std::string_view, FrmRuletka2::kSymbols> pictures,
                         int symbol) {
    return pictures[static_cast<std::size_t>(symbol)];
}

}  // namespace

FrmRuletka2::FrmRuletka2(Game& g) : GamePlace(g, window::kRuletka2, "Рулетка 2") {
    declare("lblVrash", {.text = "0"});
    declare("lblYMoney", {.text = "0"});
    for (const char* reel : kReels) declare(reel);
    for (std::size_t row = 0; row < kPrizes.size(); ++row) {
        for (std::size_t reel = 0; reel < kReels.size(); ++reel) declare(tablePicture(row, reel));
        declare(tableWin(row), {.text = writeNumber(kPrizes[row].win)});
    }
    declare("cmdBVrash", {.text = "Купить 5 вращений за 9$"});
    declare("cmdStart", {.text = "Вращать", .enabled = false});
    declare("cmdBack", {.text = "<< Назад"});
}

void FrmRuletka2::onLoad() {
    showMoney();
    for (std::size_t row = 0; row < kPrizes.size(); ++row)
        for (std::size_t reel = 0; reel < kReels.size(); ++reel)
            (*this)[tablePicture(row, reel)].picture =
                picture(kTablePictures, kPrizes[row].reels[reel]);
}

void FrmRuletka2::onClick(const std::string& control) {
    if (control == "cmdBVrash" && (*this)["cmdBVrash"].enabled) {
        buySpins();
    } else if (control == "cmdStart" && (*this)["cmdStart"].enabled) {
        spin();
    } else if (control == "cmdBack") {
        game.windows().replace(name(), window::kParty);
    }
}

bool FrmRuletka2::onQueryClose() {
    game.windows().replace(name(), window::kParty);
    return false;  // the replacement closes the window
}

void FrmRuletka2::buySpins() {
    // No money test: a pack may be bought into debt.
    setSpinsLeft(kPackSpins);
    addNumber(state().lblMoney, -kPackPrice);
    addNumber(state().lblHappyness, kPackMood);
    game.remember(DiaryEventKind::Lost, "Рулетка 2: куплено " + writeNumber(kPackSpins) +
                                            " вращений за " + writeNumber(kPackPrice) + " $");
    showMoney();
    (*this)["cmdBVrash"].enabled = false;
}

void FrmRuletka2::spin() {
    Random& random = game.random();
    random.randomize();
    setSpinsLeft(readNumber((*this)["lblVrash"].text) - 1);
    std::array<int, 3> reels{};
    for (int& symbol : reels) symbol = draw(random, kSymbols);
    for (std::size_t reel = 0; reel < kReels.size(); ++reel)
        (*this)[kReels[reel]].picture = picture(kReelPictures, reels[reel]);
    for (const SlotPrize& prize : kPrizes)
        if (prize.reels == reels) sayHowMuchYouWon(prize.win);
}

void FrmRuletka2::setSpinsLeft(double spins) {
    (*this)["lblVrash"].text = writeNumber(spins);
    const bool left = spins > 0;
    (*this)["cmdStart"].enabled = left;
    if (!left) (*this)["cmdBVrash"].enabled = true;
}

void FrmRuletka2::sayHowMuchYouWon(int winAmount) {
    game.tell("You WON!", "Вы выиграли " + casinoAmount(winAmount) + " $");
    addNumber(state().lblMoney, winAmount);
    game.remember(DiaryEventKind::Won, "Рулетка 2: выигрыш " + writeNumber(winAmount) + " $");
    showMoney();
}

void FrmRuletka2::showMoney() {
    (*this)["lblYMoney"].text = state().lblMoney;
}

}  // namespace brankor
