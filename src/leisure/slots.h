#pragma once
// The slot machine: packs of five spins bought for money and a little mood; three reels of
// three symbols each, paid by a table of nine combinations.
#include <array>
#include <span>
#include <string>

#include "core/place.h"

namespace brankor {

/// One row of the pay table: the symbols of the three reels and what they pay, in dollars.
struct SlotPrize {
    std::array<int, 3> reels;
    int win;
};

/// The pay table, rows in the order they are tested.
std::span<const SlotPrize> slotPrizes();

class FrmRuletka2 : public Place {
  public:
    static constexpr int kSymbols = 3;

    explicit FrmRuletka2(Game& game);
    void onLoad() override;
    void onClick(const std::string& control) override;
    /// The close box leaves as the back button does.
    bool onQueryClose() override;

  private:
    void buySpins();
    void spin();
    /// Writes the spins left; with none left, spinning gives way to buying.
    void setSpinsLeft(double spins);
    void sayHowMuchYouWon(int winAmount);
    void showMoney();
};

}  // namespace brankor
