#pragma once
// The order and meaning of the 51 items of a saved game.
#include <cstdint>
#include <span>
#include <string>

#include "game/gamestate.h"

namespace brankor {

/// What an item of the record holds.
enum class Slot {
    Notice,      ///< the fixed notice, a text
    Text,        ///< a text field of the main window
    Money,       ///< `lblMoney` in the digit-letter code, a text
    Integer,     ///< a 16-bit module variable
    Vinchester,  ///< `VinchesterIndex`, an integer; `lblVinchester` follows it
    Car,         ///< `CarIndex`, an integer; `lblCar` follows it
    Boolean,     ///< a boolean module variable
};

struct RecordItem {
    Slot slot;
    std::string GameState::*text = nullptr;     ///< for Slot::Text
    std::int16_t GameState::*number = nullptr;  ///< for Slot::Integer
    bool GameState::*flag = nullptr;            ///< for Slot::Boolean
};

/// The record's items in the order of the file.
std::span<const RecordItem> recordLayout();

}  // namespace brankor
