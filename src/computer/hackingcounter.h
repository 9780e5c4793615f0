#pragma once
// A counter that a one-millisecond timer would advance, worked out from the time the window has
// been open instead: one step per millisecond, so the value read at a click is as unpredictable
// to the player as a real timer's, while the processor sleeps between clicks. Hacking and the
// virus window draw their chances from such counters.
#include <cstdint>

#include "framework/ports.h"

namespace brankor {

/// Where a counter starts and how it runs: one up per step, and a step that would pass `high`
/// lands on `low` instead.
struct CounterCycle {
    int start;
    int low;
    int high;
};

/// The value of `cycle` after `steps` steps (none for steps of 0 or fewer).
int cycleValue(const CounterCycle& cycle, std::int64_t steps);

class MillisecondCounter {
  public:
    MillisecondCounter(const SystemClock& clock, CounterCycle cycle);
    /// Starts counting from the cycle's start value now (the window has loaded).
    void restart();
    /// The value at this moment.
    int value() const;

  private:
    const SystemClock& m_clock;
    CounterCycle m_cycle;
    std::int64_t m_startedAt = 0;
};

}  // namespace brankor
