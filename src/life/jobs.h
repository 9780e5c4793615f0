#pragma once
// The nine jobs of the job market: what each pays and is called, what it asks of the player,
// and the boxes that hire or refuse.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/ladder.h"
#include "game/gamestate.h"
#include "game/requirement.h"

namespace brankor {

struct Job {
    std::string_view button;
    std::string_view caption;      ///< the button's caption
    std::string_view salary;       ///< written into `lblWorkEarn`
    std::string_view name;         ///< written into `lblMyWork` and `lblSWork`
    std::string_view who;          ///< the work window's `lblWWho` after hiring
    std::string_view description;  ///< shown while the button is hovered
    std::string_view hiredTitle;
    std::string_view hiredText;
    /// The refusal box; a job without one (the loader) refuses silently.
    std::string_view refusedTitle;
    std::string_view refusedText;
    /// What follows the name of the lowest car accepted in the refusal text.
    std::string_view refusedEnd;
    std::vector<Requirement> requirements;
    /// Taking this job ends the game (the end window is shown).
    bool endsGame = false;
};

/// The jobs from the loader to the computer president.
std::span<const Job> jobs();

/// The job of a work-window button, or nullptr.
const Job* jobOf(std::string_view button);

/// The text of the job's refusal box: the minimum requirements, ending with the lowest car
/// accepted where the job asks for one.
std::string refusalText(const Job& job);

}  // namespace brankor
