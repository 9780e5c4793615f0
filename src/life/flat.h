#pragma once
// The flat: four ladders of home improvements (the flat itself, bathroom, kitchen, furniture),
// each bought a rung at a time from an offer panel, each lifting the mood.
#include <span>
#include <string>

#include "game/gameplace.h"
#include "game/gamestate.h"
#include "game/offerpanel.h"

namespace brankor {

/// One ladder of the flat and the button that climbs it.
struct HomeLadder {
    std::string_view button;
    std::string GameState::*field;
    std::span<const OfferRung> offers;
    int moodGain;
    std::string_view picture;  ///< the picture control shown while the button is hovered
};

/// The four ladders: flat, bathroom, kitchen, furniture.
std::span<const HomeLadder> homeLadders();

class FrmFlat : public GamePlace {
  public:
    explicit FrmFlat(Game& game);
    void onLoad() override;
    void onMouseMove(const std::string& control) override;
    void onClick(const std::string& control) override;

  private:
    void buy(const HomeLadder& ladder);

    OfferPanel m_panel;
};

}  // namespace brankor
