#include "framework/place.h"

#include <stdexcept>

namespace brankor {

Place::Place(Windows& windows, std::string name, std::string caption)
    : m_windows(windows), m_name(std::move(name)), m_caption(std::move(caption)) {}

Control& Place::operator[](const std::string& control) {
    const auto it = m_controls.find(control);
    if (it == m_controls.end()) throw std::out_of_range(m_name + " has no control " + control);
    return it->second;
}

const Control& Place::operator[](const std::string& control) const {
    const auto it = m_controls.find(control);
    if (it == m_controls.end()) throw std::out_of_range(m_name + " has no control " + control);
    return it->second;
}

Timer& Place::timer(const std::string& name) {
    const auto it = m_timers.find(name);
    if (it == m_timers.end()) throw std::out_of_range(m_name + " has no timer " + name);
    return it->second;
}

Control& Place::declare(const std::string& control, Control initial) {
    return m_controls[control] = std::move(initial);
}

void Place::declareTimer(const std::string& name, int interval, bool enabled) {
    m_timers[name] = Timer{interval, enabled};
}

void Place::close() {
    m_windows.close(m_name);
}

}  // namespace brankor
