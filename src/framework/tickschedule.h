#pragma once
// A repeating timer that never drifts: ticks are due at start + n * interval, however late
// each one was handled.
#include <cstdint>

namespace brankor {

class TickSchedule {
  public:
    TickSchedule(std::int64_t intervalMs, std::int64_t startMs)
        : m_interval(intervalMs), m_start(startMs) {}

    /// Ticks that have come due by `nowMs` and were not yet taken.
    std::int64_t due(std::int64_t nowMs) const;
    /// Marks one due tick as handled.
    void take() { ++m_taken; }
    /// When the next tick not yet taken is (or was) due.
    std::int64_t nextAt() const { return m_start + (m_taken + 1) * m_interval; }
    std::int64_t taken() const { return m_taken; }
    std::int64_t interval() const { return m_interval; }

  private:
    std::int64_t m_interval;
    std::int64_t m_start;
    std::int64_t m_taken = 0;
};

}  // namespace brankor

#include <functional>

namespace brankor {

/// Runs the due ticks of a schedule one after another. A tick that is still running (waiting
/// on a message box) is never entered again: ticks that come due meanwhile wait and run, in
/// order, when it returns. A tick returning false stops the ticker for good.
class Ticker {
  public:
    Ticker(std::int64_t intervalMs, std::int64_t startMs, std::function<bool()> tick)
        : m_schedule(intervalMs, startMs), m_tick(std::move(tick)) {}

    /// Runs every tick due by `now()`; `now` is asked again after each tick.
    void poll(const std::function<std::int64_t()>& now);
    /// When the next tick is due.
    std::int64_t nextAt() const { return m_schedule.nextAt(); }
    std::int64_t ticks() const { return m_schedule.taken(); }
    bool running() const { return m_running; }
    bool stopped() const { return m_stopped; }
    void stop() { m_stopped = true; }

  private:
    TickSchedule m_schedule;
    std::function<bool()> m_tick;
    bool m_running = false;
    bool m_stopped = false;
};

}  // namespace brankor
