#pragma once
// The study window: enrols the player in, or takes them out of, the evening school, the English
// course and the computer course. The clock charges the fees and climbs the ladders.
#include "game/gameplace.h"

namespace brankor {

class FrmStudy : public GamePlace {
  public:
    explicit FrmStudy(Game& game);
    /// Captions from the game state: enrolled courses first, completed ones last.
    void onLoad() override;
    /// A course button enrols, leaves, or (completed) does nothing; `cmdBack` closes.
    void onClick(const std::string& control) override;
    /// A course button shows its name and price per day; the bare window clears them.
    void onMouseMove(const std::string& control) override;
};

}  // namespace brankor
