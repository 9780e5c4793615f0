#pragma once
// The hobby window: a fishing shop (rod, tackle, bait packs) with the player's tackle box, and
// the departure for the lake "MAD FISH" by own car or by bus.
#include <span>
#include <string>
#include <string_view>

#include "core/gamestate.h"
#include "core/offerpanel.h"
#include "core/place.h"

namespace brankor {

/// One article of the fishing shop. The rod and the tackle are owned once (`owned` names the
/// flag); bait packs are counted in `BaitPacks`.
struct FishingGoods {
    std::string_view button;
    int required;  ///< money the player must hold to buy
    int price;     ///< money taken
    std::string_view picture;
    std::string_view description;
    std::string_view boughtTitle;
    std::string_view boughtText;
    std::string_view refusal;
    bool GameState::*owned;  ///< nullptr for bait packs
    std::string_view boxLabel;
    std::string_view ownedText;  ///< the tackle-box line once owned
};

/// The rod, the tackle and the bait pack.
std::span<const FishingGoods> fishingGoods();

class FrmHobby : public Place {
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
