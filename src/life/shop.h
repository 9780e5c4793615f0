#pragma once
// The shop: meals that raise satiety, the clothes ladder and the car ladder, described on one
// shared offer panel.
#include <span>

#include "framework/ladder.h"
#include "game/gameplace.h"
#include "game/offerpanel.h"

namespace brankor {

/// The garments from the lowest ("Дряхлая") to the best ("Посл.моды"); jobs ask for
/// "X or better" on this ladder.
const Ladder& clothesLadder();

class FrmShop : public GamePlace {
  public:
    explicit FrmShop(Game& game);
    void onLoad() override;
    void onMouseMove(const std::string& control) override;
    void onClick(const std::string& control) override;

  private:
    /// The window's car name and picture show the next car, or the car shop once every car is
    /// bought (then the car button is disabled).
    void showCarOnOffer();
    void buyMeal(int number);
    void buyClothes();
    void buyCar();

    OfferPanel m_panel;
};

}  // namespace brankor
