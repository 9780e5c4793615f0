#include "framework/pauseclock.h"

namespace brankor {

void PauseClock::pause(std::int64_t nowMs) {
    if (m_paused) return;
    m_paused = true;
    m_since = nowMs;
}

void PauseClock::resume(std::int64_t nowMs) {
    if (!m_paused) return;
    m_paused = false;
    if (nowMs > m_since) m_pausedTotal += nowMs - m_since;
}

}  // namespace brankor
