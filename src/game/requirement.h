#pragma once
// One condition on the game state, as jobs and programs state them: a ladder field "X or
// better", a field holding or not holding a text, a 16-bit variable reaching a number.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "framework/ladder.h"
#include "game/gamestate.h"

namespace brankor {

struct Requirement {
    enum class Test {
        OrBetter,  ///< the text field is none of the ladder's rungs below `text`
        Exactly,   ///< the text field is `text`
        Not,       ///< the text field is anything but `text`
        AtLeast,   ///< the variable is `number` or more
        EqualTo,   ///< the variable is `number`
    };
    Test test;
    std::string GameState::*field = nullptr;
    const Ladder* ladder = nullptr;
    std::string_view text;
    std::int16_t GameState::*variable = nullptr;
    int number = 0;

    bool holds(const GameState& state) const;
};

/// Every one of `requirements` holds: a job hires, a program installs.
bool allHold(const GameState& state, std::span<const Requirement> requirements);

/// The text field is none of `ladder`'s rungs below `x`.
inline Requirement orBetter(std::string GameState::*field, const Ladder& ladder,
                            std::string_view x) {
    return {Requirement::Test::OrBetter, field, &ladder, x};
}

}  // namespace brankor
