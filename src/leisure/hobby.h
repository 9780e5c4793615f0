#pragma once
// The hobby window: a fishing shop (rod, tackle, bait packs) with the player's tackle box, and
// the departure for the lake "MAD FISH" by own car or by bus.
#include <string>

#include "game/gameplace.h"
#include "game/offerpanel.h"

namespace brankor {

/// One article of the fishing shop: the rod, the tackle or a bait pack.
struct FishingGoods;

class FrmHobby : public GamePlace {
  public:
    explicit FrmHobby(Game& game);
    void onLoad() override;
    void onMouseMove(const std::string& control) override;
    void onClick(const std::string& control) override;

  private:
    /// The tackle box shows what is owned; the buttons of owned articles are disabled.
    void showTackleBox();
    void buy(const FishingGoods& goods);
    void goFishing();
    /// Pays for the journey (petrol or a bus ticket) once the player agrees; false when the
    /// player declines or cannot pay, and then nothing has changed.
    bool payForTrip();

    OfferPanel m_panel;
};

}  // namespace brankor
