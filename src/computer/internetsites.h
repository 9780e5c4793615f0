#pragma once
// The provider's two sites. Every simulated hour on a site costs money, with no lower bound;
// leaving a site brings the provider window back, freshly loaded.
#include <string>

#include "game/gameplace.h"

namespace brankor {

/// The site addresses the provider's buttons name.
inline constexpr const char* kJokesAddress = "www.anekdot.brk";
inline constexpr const char* kComputerAddress = "www.kompyuter.brk";

/// What both sites share: the hours counter with its charge and the way back to the provider.
class InternetSite : public GamePlace {
  public:
    void onClick(const std::string& control) override;
    void onTimer(const std::string& timer) override;

  protected:
    InternetSite(Game& game, std::string name, std::string caption);
    /// Said as the player leaves, before the provider comes back.
    virtual void sayGoodbye() {}
};

/// The jokes site: three blocks of jokes, one shown at a time, and the computer's clock.
class FrmInterAnek : public InternetSite {
  public:
    explicit FrmInterAnek(Game& game);
    void onLoad() override;
    void onClick(const std::string& control) override;
    void onMouseDown(const std::string& control) override;
    void onTimer(const std::string& timer) override;

  private:
    void sayGoodbye() override;
    void showTime();
};

/// The computer site: one article about computers.
class FrmInterComp : public InternetSite {
  public:
    explicit FrmInterComp(Game& game);
};

}  // namespace brankor
