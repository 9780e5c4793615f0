#include "game/danger.h"

#include "framework/number.h"
#include "game/lifecycle.h"

namespace brankor {
namespace {

Danger dangerOf(const std::string& field, int warning, int death, const char* line) {
    const double value = readNumber(field);
    if (value >= 0) return {};
    if (value >= warning) return {DangerLevel::Falling, {}};
    return {DangerLevel::Warning, std::string(line) + writeNumber(value - death)};
}

}  // namespace

Danger hungerDanger(const GameState& state) {
    return dangerOf(state.lblHungry, kHungerWarning, kHungerDeath, "до смерти от голода: ");
}

Danger moodDanger(const GameState& state) {
    return dangerOf(state.lblHappyness, kMoodWarning, kMoodDeath, "до смерти от тоски: ");
}

}  // namespace brankor
