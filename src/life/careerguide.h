#pragma once
// The career guide: the nine jobs with every requirement the job market checks, what each asks,
// what the player has now and whether it is met. It reads the job market's own table, so the
// guide and the hiring rule can never disagree.
#include <string>
#include <vector>

#include "game/gamestate.h"
#include "jobs.h"

namespace brankor {

struct GuideCell {
    std::string what;      ///< "Образование", "Машина", ...
    std::string required;  ///< "Среднее или лучше"
    std::string have;      ///< what the status panel shows for it now
    bool met = false;
    /// What a screen reader says: "Образование: требуется Среднее или лучше / у вас Неучусь,
    /// не выполнено".
    std::string spoken() const;
};

struct GuideRow {
    const Job* job = nullptr;
    std::vector<GuideCell> cells;  ///< in the job market's order; none for the loader
    bool current = false;          ///< the player's job now
    bool qualifies = false;        ///< every cell is met: the job market hires
    bool next = false;             ///< the next job up that the player does not yet qualify for
    bool operator==(const GuideRow& other) const;
};

/// One row per job, from the loader to the computer president.
std::vector<GuideRow> careerGuide(const GameState& state);

bool operator==(const GuideCell& a, const GuideCell& b);

}  // namespace brankor
