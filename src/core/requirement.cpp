#include "requirement.h"

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

}  // namespace brankor
