#pragma once
// How close hunger and boredom are, as the status panel shows it: a falling value below zero,
// then the life tick's warning zone, where the panel also says how far death is.
#include <string>

#include "game/gamestate.h"

namespace brankor {

enum class DangerLevel {
    Safe,     ///< zero or above
    Falling,  ///< below zero
    Warning,  ///< below the life tick's warning limit
};

struct Danger {
    DangerLevel level = DangerLevel::Safe;
    /// While in the warning zone: "до смерти от голода: 7", the points left above the death
    /// limit; empty otherwise.
    std::string deathLine;
};

Danger hungerDanger(const GameState& state);
Danger moodDanger(const GameState& state);

}  // namespace brankor
