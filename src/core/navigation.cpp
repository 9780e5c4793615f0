#include "navigation.h"

#include <algorithm>
#include <array>
#include <string>

namespace brankor {
namespace {

constexpr std::array<PlaceButton, 11> kButtons = {{
    {"imgWork", "Работа", "frmWork", Modality::Modal, "place_work"},
    {"imgLearn", "Учеба", "frmStudy", Modality::Modal, "place_learn"},
    {"imgShop", "Магазин", "frmShop", Modality::Modal, "place_shop"},
    {"imgFlat", "Квартира", "frmFlat", Modality::Modal, "place_flat"},
    {"imgComputer", "Компьютер", "frmComputer", Modality::Modal, "place_computer"},
    {"imgPrograms", "Программы", "frmPrograms", Modality::Modeless, "place_programs"},
    {"imgInternet", "Интернет", "frmInternet", Modality::Modal, "place_internet"},
    {"imgHakker", "Хакерство", "frmHakerstvo", Modality::Modal, "place_hacker"},
    {"imgParty", "Развлечения", "frmParty", Modality::Modal, "place_party"},
    {"imgHobby", "Хобби", "frmHobby", Modality::Modal, "place_hobby"},
    {"imgBank", "Банк", "frmBank", Modality::Modal, "place_bank"},
}};

}  // namespace

std::span<const PlaceButton> placeButtons() {
    return kButtons;
}

void openPlace(Game& game, std::string_view button) {
    const auto it = std::find_if(kButtons.begin(), kButtons.end(),
                                 [button](const PlaceButton& b) { return b.button == button; });
    if (it == kButtons.end()) return;
    game.windows().show(std::string(it->window), it->modality);
}

}  // namespace brankor
