#pragma once
// The hardware shop: the computer assembled part by part, each component a rung at a time from
// one offer panel; the hard disk climbs its own table and is paid for only in whole dollars.
#include <string>

#include "computershop.h"
#include "game/ladders.h"

namespace brankor {

class FrmComputer : public ComputerShop {
  public:
    explicit FrmComputer(Game& game);
    void onLoad() override;
    void onMouseMove(const std::string& control) override;
    void onClick(const std::string& control) override;

  private:
    void offerDisk();
    void buyDisk();
    void buyComponent(const Component& component);
    /// Sound and video cards: no money test, but the processor must be good enough.
    void buyCard(const Component& component);
};

}  // namespace brankor
