#pragma once
// The roulette: the player bets on a number from 0 to 13, starts a counter that runs out of
// sight, stops it to see its number and then settles: three times the stake and much mood for
// a hit, the stake and a little mood for a miss.
#include <cstdint>
#include <optional>

#include "game/gameplace.h"

namespace brankor {

/// The counter that changes every 10 ms while it runs hidden. Nobody sees it run, so it is not
/// advanced tick by tick: when it stops, the number it would show is drawn once, as its last
/// tick would have drawn it. A counter stopped before its first tick still shows what it showed.
class RouletteCounter {
  public:
    static constexpr int kTickMs = 10;
    /// The counter shows 0 to kNumbers - 1.
    static constexpr int kNumbers = 13;

    void start(std::int64_t nowMs) { m_startedAt = nowMs; }
    bool running() const { return m_startedAt.has_value(); }
    /// Stops the counter; the number it shows now, or nothing when it never ticked.
    std::optional<int> stop(std::int64_t nowMs, Random& random);

  private:
    std::optional<std::int64_t> m_startedAt;
};

class FrmRuletka : public GamePlace {
  public:
    explicit FrmRuletka(Game& game);
    /// Only digits and backspace may be typed into the two boxes.
    bool onKeyPress(const std::string& control, char32_t character) override;
    /// Text that reached a box another way (pasted from the menu, dropped) keeps only its
    /// digits, up to the box's length.
    void onChange(const std::string& control) override;
    void onClick(const std::string& control) override;
    /// The close box leaves as the back button does, and is refused when that is.
    bool onQueryClose() override;

  private:
    void start();
    /// The first press of the stop button stops the counter, the second settles the bet.
    void stopOrSettle();
    void settle();
    void stop();
    void leave();
    /// Enables or disables the start button and the two boxes together.
    void enableBetting(bool enabled);

    RouletteCounter m_counter;
};

}  // namespace brankor
