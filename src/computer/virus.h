#pragma once
// The virus window: opened by the life tick when the virus counter is full. The player accepts
// the loss of the damage amount or fights with the installed antivirus; a won fight only hides
// the window, so the next virus meets the same one with its counter still running.
#include <cstdint>
#include <string>

#include "game/gameplace.h"
#include "hackingcounter.h"

namespace brankor {

/// "Вирус уничтожил  12$ с вашего счета.": the amount as a signed number whose plus sign is a
/// blank.
std::string virusLossText(int damage);

class FrmVirus : public GamePlace {
  public:
    explicit FrmVirus(Game& game);
    void onLoad() override;
    void onClick(const std::string& control) override;
    void onTimer(const std::string& timer) override;
    /// Only the player's choice closes the window.
    bool onQueryClose() override { return false; }

    /// The blinking heading's colour at present: white, or else red.
    bool headingWhite() const { return m_blink; }

  private:
    void fight(std::int16_t damage);
    void lose(std::int16_t damage);

    /// The damage amount D: 10 to 19 once, then 5 to 19 over and over.
    MillisecondCounter m_damage;
    bool m_blink = false;
};

}  // namespace brankor
