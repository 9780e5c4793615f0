#include "game/gamestate.h"

#include <algorithm>

namespace brankor {
namespace {

#define BRANKOR_FIELD(name)     \
    Field {                     \
#name, &GameState::name \
    }
constexpr std::array kFields = {
    BRANKOR_FIELD(lblMoney),      BRANKOR_FIELD(lblStatus),    BRANKOR_FIELD(lblSWork),
    BRANKOR_FIELD(lblHappyness),  BRANKOR_FIELD(lblHungry),    BRANKOR_FIELD(lblEduncation),
    BRANKOR_FIELD(lblEnglish),    BRANKOR_FIELD(lblCom),       BRANKOR_FIELD(lblEng),
    BRANKOR_FIELD(lblObras),      BRANKOR_FIELD(lblClothes),   BRANKOR_FIELD(lblCar),
    BRANKOR_FIELD(lblRoom),       BRANKOR_FIELD(lblSMebel),    BRANKOR_FIELD(lblKitchen),
    BRANKOR_FIELD(lblBath),       BRANKOR_FIELD(lblMonitor),   BRANKOR_FIELD(lblPrinter),
    BRANKOR_FIELD(lblSkaner),     BRANKOR_FIELD(lblModem),     BRANKOR_FIELD(lblComp),
    BRANKOR_FIELD(lblVinchester), BRANKOR_FIELD(lblCDROM),     BRANKOR_FIELD(lblVideoKarta),
    BRANKOR_FIELD(lblSoundKarta), BRANKOR_FIELD(lblRAM),       BRANKOR_FIELD(lblSystem),
    BRANKOR_FIELD(lblProgram),    BRANKOR_FIELD(lblGraph),     BRANKOR_FIELD(lblAntvirus),
    BRANKOR_FIELD(lblVichod),     BRANKOR_FIELD(lblMyWork),    BRANKOR_FIELD(lblWorkEarn),
    BRANKOR_FIELD(lblSSchool),    BRANKOR_FIELD(lblSCost),     BRANKOR_FIELD(lblEEnglish),
    BRANKOR_FIELD(lblECost),      BRANKOR_FIELD(lblCComputer), BRANKOR_FIELD(lblCCost),
    BRANKOR_FIELD(lblDay),        BRANKOR_FIELD(lblMonth),     BRANKOR_FIELD(lblYear),
    BRANKOR_FIELD(lblHours),      BRANKOR_FIELD(lblVir),       BRANKOR_FIELD(lblSpHelp),
    BRANKOR_FIELD(Caption),
};
#undef BRANKOR_FIELD

}  // namespace

std::span<const Field> fields() {
    return kFields;
}

std::string* fieldByName(GameState& state, std::string_view name) {
    const auto it = std::find_if(kFields.begin(), kFields.end(),
                                 [name](const Field& f) { return f.name == name; });
    return it == kFields.end() ? nullptr : &(state.*(it->member));
}

void setCar(GameState& state, std::int16_t index) {
    state.CarIndex = index;
    state.lblCar = std::string(CarNames.at(static_cast<std::size_t>(index)));
}

void setVinchester(GameState& state, std::int16_t index) {
    state.VinchesterIndex = index;
    state.lblVinchester = std::string(VinchesterNames.at(static_cast<std::size_t>(index)));
}

}  // namespace brankor
