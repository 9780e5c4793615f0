#include "framework/ladder.h"

#include <algorithm>

namespace brankor {

std::optional<std::size_t> Ladder::indexOf(std::string_view text) const {
    const auto it = std::find(m_rungs.begin(), m_rungs.end(), text);
    if (it == m_rungs.end()) return std::nullopt;
    return static_cast<std::size_t>(it - m_rungs.begin());
}

bool Ladder::atLeast(std::string_view text, std::string_view x) const {
    const auto bar = indexOf(x);
    const auto here = indexOf(text);
    if (!bar || !here) return true;
    return *here >= *bar;
}

}  // namespace brankor
