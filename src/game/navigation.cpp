#include "game/navigation.h"

#include <algorithm>
#include <array>
#include <string>

#include "framework/findrow.h"
#include "framework/number.h"
#include "game/ladders.h"
#include "game/windownames.h"

namespace brankor {
namespace {

constexpr std::array<PlaceButton, 11> kButtons = {{
    {"imgWork", "Работа", window::kWork, Modality::Modal, "place_work"},
    {"imgLearn", "Учеба", window::kStudy, Modality::Modal, "place_learn"},
    {"imgShop", "Магазин", window::kShop, Modality::Modal, "place_shop"},
    {"imgFlat", "Квартира", window::kFlat, Modality::Modal, "place_flat"},
    {"imgComputer", "Компьютер", window::kComputer, Modality::Modal, "place_computer"},
    {"imgPrograms", "Программы", window::kPrograms, Modality::Modeless, "place_programs"},
    {"imgInternet", "Интернет", window::kInternet, Modality::Modal, "place_internet"},
    {"imgHakker", "Хакерство", window::kHakerstvo, Modality::Modal, "place_hacker"},
    {"imgParty", "Развлечения", window::kParty, Modality::Modal, "place_party"},
    {"imgHobby", "Хобби", window::kHobby, Modality::Modal, "place_hobby"},
    {"imgBank", "Банк", window::kBank, Modality::Modal, "place_bank"},
}};

// The lowest status admitted to hacking.
constexpr std::string_view kHackerStatus = "Хакер";

constexpr int kTaxiFare = 10;
// One trip in fifteen ends in an accident: the draw from 1 to 15 that lands on this number.
constexpr int kTaxiTrips = 15;
constexpr int kAccidentTrip = 6;

constexpr const char* kCrLf = "\r\n";

struct Effects {
    int money;
    int mood;
    int hunger;
};

constexpr Effects kAccident = {-30, -10, -6};

struct LawsuitOutcome {
    const char* title;
    const char* text;
    Effects effects;
};

// The three verdicts, drawn with equal chances.
constexpr std::array<LawsuitOutcome, 3> kVerdicts = {{
    {"Дело выиграно", "Поздравляю! Вы выиграли дело и получаете компенсацию 25$.", {25, 7, -2}},
    {"Дело проиграно",
     "К сожалению, вы проиграли дело и вам пришлось заплатить штраф 15$ за беспокойство суда.",
     {-15, -5, -5}},
    {"Дело не выиграно, но и не проиграно.",
     "Вам не удалось ничего доказать, но и таксист ничего не доказал. Вам выплатили небольшую "
     "компенсацию 10$.",
     {10, 2, -3}},
}};

void apply(GameState& s, const Effects& e) {
    addNumber(s.lblMoney, e.money);
    addNumber(s.lblHappyness, e.mood);
    addNumber(s.lblHungry, e.hunger);
}

std::string taxiQuestion() {
    const std::string fare = std::to_string(kTaxiFare);
    return "Банк - это отличный способ сохранения и накопления денег. К сожалению, банк "
           "находится далеко от вашего дома и без машины вам не удастся доехать до него. Но вы "
           "можете взять такси за " +
           fare + "$ и доехать до банка, либо купить собственную машину в магазине." + kCrLf +
           kCrLf + "Хотите ли вы взять такси за " + fare + "$ и доехать до банка?";
}

std::string lawsuitQuestion() {
    return std::string("Ваш адвокат предлагает вам подать в суд на таксиста.") + kCrLf +
           "Если вы выиграете на суде, то сможете получить компенсацию за ущерб." + kCrLf +
           "Если же вы проиграете, то, возможно, вам придется заплатить штраф за беспокойство "
           "суда." +
           kCrLf + kCrLf + " Желаете ли вы подать в суд на таксиста?";
}

// The taxi crashed on the way: the player pays for treatment and may sue the driver.
void taxiAccident(Game& game) {
    game.tell(":-(((",
              "Случилось несчастье. Таксист попал в аварию, и вы сильно пострадали. На лечение "
              "пришлось потратить большие деньги: 30$.",
              Icon::None);
    apply(game.state, kAccident);
    if (!game.ask("Суд?", lawsuitQuestion())) return;
    const LawsuitOutcome& verdict = kVerdicts[static_cast<std::size_t>(
        draw(game.random(), static_cast<int>(kVerdicts.size())))];
    game.tell(verdict.title, verdict.text, Icon::None);
    apply(game.state, verdict.effects);
}

// Only a hacker or better may open the hacking window.
bool mayHack(Game& game) {
    if (statusLadder().atLeast(game.state.lblStatus, kHackerStatus)) return true;
    game.tell("Вы должны быть хакер.", "Ваш статус должен быть хакер.", Icon::None);
    return false;
}

// Without a car the player goes by taxi: a fare, and now and then an accident on the way.
bool travelToBank(Game& game) {
    if (game.state.CarIndex != 0) return true;
    if (!game.ask("Требуется машина. Хотите ли вы взять такси?", taxiQuestion())) return false;
    if (readNumber(game.state.lblMoney) < kTaxiFare) {
        game.tell("Нет денег.", "У вас нет денег на такси.", Icon::None);
        return false;
    }
    game.random().randomize();
    if (draw(game.random(), kTaxiTrips) + 1 == kAccidentTrip) taxiAccident(game);
    addNumber(game.state.lblMoney, -kTaxiFare);
    return true;
}

}  // namespace

std::span<const PlaceButton> placeButtons() {
    return kButtons;
}

void openPlace(Game& game, std::string_view button) {
    const PlaceButton* it = findRow(kButtons, &PlaceButton::button, button);
    if (!it) return;
    if (it->button == "imgHakker" && !mayHack(game)) return;
    if (it->button == "imgBank" && !travelToBank(game)) return;
    game.windows().show(std::string(it->window), it->modality);
}

}  // namespace brankor
