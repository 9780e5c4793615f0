#include "framework/tickschedule.h"

namespace brankor {

std::int64_t TickSchedule::due(std::int64_t nowMs) const {
    if (nowMs < m_start) return 0;
    const std::int64_t reached = (nowMs - m_start) / m_interval;
    return reached > m_taken ? reached - m_taken : 0;
}

}  // namespace brankor

namespace brankor {

void Ticker::poll(const std::function<std::int64_t()>& now) {
    if (m_running || m_stopped) return;
    m_running = true;
    while (!m_stopped && m_schedule.due(now()) > 0) {
        m_schedule.take();
        if (!m_tick()) m_stopped = true;
    }
    m_running = false;
}

}  // namespace brankor
