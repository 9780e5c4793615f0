#pragma once
// The internet provider: connect once for a fee, then go out to one of its two sites. A site
// takes the provider's place while it is open, and leaving it brings the provider back.
#include "game/gameplace.h"

namespace brankor {

class FrmInternet : public GamePlace {
  public:
    explicit FrmInternet(Game& game);
    void onLoad() override;
    void onClick(const std::string& control) override;

  private:
    void connect();
    /// The connect button says it is done and the way out is open.
    void showConnected();
};

}  // namespace brankor
