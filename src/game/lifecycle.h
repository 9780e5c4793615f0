#pragma once
// The main window's two timers: the clock (one game hour) and the life tick (twelve hours).
#include "game/game.h"

namespace brankor {

inline constexpr int kClockInterval = 1500;
inline constexpr int kLifeTickInterval = 18000;

/// Satiety below kHungerWarning brings the life tick's warning, below kHungerDeath death; the
/// same for mood.
inline constexpr int kHungerWarning = -20;
inline constexpr int kHungerDeath = -30;
inline constexpr int kMoodWarning = -30;
inline constexpr int kMoodDeath = -40;

/// A whole computer gathers a virus a life tick; at this many one breaks out.
inline constexpr int kVirusOutbreak = 10;

/// One tick of `tmrTime`: the hour, and at midnight interest, salary, the next day and the
/// recovery save.
void clockTick(Game& game);

/// One tick of `Timer1`: decay, death or warning, course fees and progress, promotions, and
/// the virus counter. Returns false when the player died on this tick.
bool lifeTick(Game& game);

/// The player's death: the recovery save is removed, the main window goes without a question,
/// every place window first, and the start-up window comes back.
void die(Game& game);

/// Interest is one dollar a day for every full twenty on the bank account.
inline constexpr int kDollarsPerInterest = 20;

/// The bank's daily interest on `balance`, kept inside the 16-bit range.
std::int16_t withInterest(std::int16_t balance);

}  // namespace brankor
