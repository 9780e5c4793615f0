#pragma once
// The leisure window: two paid outings that raise mood, and the casino, whose three game
// buttons open the mini-games in this window's place.
#include "game/gameplace.h"

namespace brankor {

class FrmParty : public GamePlace {
  public:
    explicit FrmParty(Game& game);
    void onLoad() override;
    /// Fills the price and mood labels or the description box for the control under the pointer.
    void onMouseMove(const std::string& control) override;
    void onClick(const std::string& control) override;

  private:
    /// Copies the player's mood into the window's own mood label.
    void showMood();
};

}  // namespace brankor
