#pragma once
// The lake "MAD FISH": a 30-second game in which the player clicks fish that jump about the lake
// every 600 ms. The catch lifts mood and satiety and counts towards the game's fish total.
#include <string>

#include "game/gameplace.h"

namespace brankor {

/// What a catch of `fish` fish brings home.
struct CatchGains {
    int mood;
    int satiety;
};
CatchGains gainsOf(long long fish);

class FrmMadFish : public GamePlace {
  public:
    explicit FrmMadFish(Game& game);
    void onLoad() override;
    void onClick(const std::string& control) override;
    /// Enter or Space on a fish that has the focus catches it, as a click would.
    void onKey(const std::string& control, Key key) override;
    void onTimer(const std::string& timer) override;
    /// The lake is left only by going home; the close box then does the same.
    bool onQueryClose() override;

  private:
    void start();
    void moveFish();
    /// A new place for `fish` inside the lake, drawn for the top first, then for the left.
    void jump(const std::string& fish);
    /// A click on a fish that is on the lake counts one more fish.
    void catchFish(const std::string& fish);
    void endFishing();
    void releaseGoHome();
    void goHome();
    bool readyToGoHome();

    bool m_tripOver = false;
    bool m_baitUsed = false;
};

}  // namespace brankor
