#pragma once
// The bank: the player moves whole dollars between the pocket and the account, which earns
// interest every midnight.
#include <cstdint>
#include <string>

#include "game/gameplace.h"

namespace brankor {

/// Shows the balance and tomorrow's interest in the bank window's `lblYHave` and `lblInc`.
class FrmBank : public GamePlace {
  public:
    explicit FrmBank(Game& game);
    void onLoad() override;
    void onChange(const std::string& control) override;
    void onClick(const std::string& control) override;
    void onGameChanged() override;

  private:
    void showBalance();
    /// Checks the amount typed into `box`; a bad one is refused and emptied. Enables `button`
    /// only while the box holds an amount the bank accepts.
    bool checkAmount(const std::string& box, const std::string& button);
    void deposit();
    void withdraw();
    /// Empties the amount box once its order is carried out or refused.
    void clearAmount(const std::string& box, const std::string& button);
};

}  // namespace brankor
