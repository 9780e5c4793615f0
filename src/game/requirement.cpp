#include "game/requirement.h"

#include <algorithm>

namespace brankor {

bool Requirement::holds(const GameState& state) const {
    switch (test) {
        case Test::OrBetter:
            return ladder->atLeast(state.*field, text);
        case Test::Exactly:
            return state.*field == text;
        case Test::Not:
            return state.*field != text;
        case Test::AtLeast:
            return state.*variable >= number;
        case Test::EqualTo:
            return state.*variable == number;
    }
    return false;
}

bool allHold(const GameState& state, std::span<const Requirement> requirements) {
    return std::all_of(requirements.begin(), requirements.end(),
                       [&state](const Requirement& r) { return r.holds(state); });
}

}  // namespace brankor
