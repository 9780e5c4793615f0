#include "hackingcounter.h"

namespace brankor {

int cycleValue(const CounterCycle& cycle, std::int64_t steps) {
    if (steps <= 0) return cycle.start;
    const std::int64_t straight = cycle.start + steps;
    if (straight <= cycle.high) return static_cast<int>(straight);
    // The first step past the top lands on `low`; from there the cycle repeats.
    const std::int64_t length = cycle.high - cycle.low + 1;
    return static_cast<int>(cycle.low + (straight - cycle.high - 1) % length);
}

MillisecondCounter::MillisecondCounter(const SystemClock& clock, CounterCycle cycle)
    : m_clock(clock), m_cycle(cycle), m_startedAt(clock.milliseconds()) {}

void MillisecondCounter::restart() {
    m_startedAt = m_clock.milliseconds();
}

int MillisecondCounter::value() const {
    return cycleValue(m_cycle, m_clock.milliseconds() - m_startedAt);
}

}  // namespace brankor
