#include "game/savegame/recordlayout.h"

#include <array>

namespace brankor {
namespace {

constexpr RecordItem text(std::string GameState::*field) {
    return {Slot::Text, field};
}
constexpr RecordItem integer(std::int16_t GameState::*variable) {
    return {Slot::Integer, nullptr, variable};
}
constexpr RecordItem boolean(bool GameState::*variable) {
    return {Slot::Boolean, nullptr, nullptr, variable};
}
constexpr RecordItem kNotice{Slot::Notice};
constexpr RecordItem kMoney{Slot::Money};
constexpr RecordItem kVinchester{Slot::Vinchester};
constexpr RecordItem kCar{Slot::Car};

using S = GameState;
constexpr std::array<RecordItem, 51> kLayout = {
    kNotice,                   // 1
    text(&S::lblStatus),       // 2
    text(&S::lblSWork),        // 3
    text(&S::lblHappyness),    // 4
    text(&S::lblHungry),       // 5
    kMoney,                    // 6
    text(&S::lblEduncation),   // 7
    text(&S::lblEnglish),      // 8
    text(&S::lblMonitor),      // 9
    text(&S::lblPrinter),      // 10
    text(&S::lblSkaner),       // 11
    text(&S::lblModem),        // 12
    text(&S::lblComp),         // 13
    kVinchester,               // 14
    text(&S::lblCDROM),        // 15
    text(&S::lblRAM),          // 16
    text(&S::lblSoundKarta),   // 17
    text(&S::lblVideoKarta),   // 18
    text(&S::lblRoom),         // 19
    text(&S::lblSMebel),       // 20
    text(&S::lblKitchen),      // 21
    text(&S::lblBath),         // 22
    text(&S::lblClothes),      // 23
    text(&S::lblSystem),       // 24
    text(&S::lblProgram),      // 25
    text(&S::lblGraph),        // 26
    text(&S::lblAntvirus),     // 27
    text(&S::lblVichod),       // 28
    text(&S::lblMyWork),       // 29
    text(&S::lblWorkEarn),     // 30
    text(&S::lblSSchool),      // 31
    text(&S::lblSCost),        // 32
    text(&S::lblEEnglish),     // 33
    text(&S::lblECost),        // 34
    text(&S::lblCComputer),    // 35
    text(&S::lblCCost),        // 36
    text(&S::Caption),         // 37
    text(&S::lblCom),          // 38
    text(&S::lblObras),        // 39
    text(&S::lblEng),          // 40
    text(&S::lblVir),          // 41
    text(&S::lblDay),          // 42
    text(&S::lblMonth),        // 43
    text(&S::lblYear),         // 44
    text(&S::lblHours),        // 45
    integer(&S::BankBalance),  // 46
    kCar,                      // 47
    integer(&S::FishTotal),    // 48
    integer(&S::BaitPacks),    // 49
    boolean(&S::HasTackle),    // 50
    boolean(&S::HasRod),       // 51
};

}  // namespace

std::span<const RecordItem> recordLayout() {
    return kLayout;
}

}  // namespace brankor
