#pragma once
// The slot machine: packs of five spins bought for money and a little mood; three reels of
// three symbols each, paid by a table of nine combinations.
#include <string>

#include "game/gameplace.h"

namespace brankor {

class FrmRuletka2 : public GamePlace {
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
