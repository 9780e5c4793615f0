#pragma once
// Game time that can stand still: the time played is the time elapsed less every stretch spent
// paused, so a pause neither loses ticks nor lets them pile up to be caught up on afterwards.
#include <cstdint>

namespace brankor {

class PauseClock {
  public:
    /// Stops the time played at `nowMs` (elapsed time); pausing twice changes nothing.
    void pause(std::int64_t nowMs);
    /// Lets the time played go on from where it stood; resuming when running changes nothing.
    void resume(std::int64_t nowMs);
    bool paused() const { return m_paused; }
    /// The time played by `nowMs`: standing still while paused.
    std::int64_t played(std::int64_t nowMs) const {
        return (m_paused ? m_since : nowMs) - m_pausedTotal;
    }

  private:
    bool m_paused = false;
    std::int64_t m_since = 0;
    std::int64_t m_pausedTotal = 0;
};

}  // namespace brankor
