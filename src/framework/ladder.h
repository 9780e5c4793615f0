#pragma once
// Ordered lists of the exact texts a field can take, climbed one rung at a time.
#include <optional>
#include <span>
#include <string_view>

namespace brankor {

class Ladder {
  public:
    constexpr Ladder(std::span<const std::string_view> rungs) : m_rungs(rungs) {}

    std::size_t size() const { return m_rungs.size(); }
    std::string_view operator[](std::size_t i) const { return m_rungs[i]; }

    /// Position of `text` on the ladder (exact, case-sensitive), if it is a rung.
    std::optional<std::size_t> indexOf(std::string_view text) const;
    bool contains(std::string_view text) const { return indexOf(text).has_value(); }

    /// "X or better": `text` is none of the rungs below `x`. A text on no rung passes.
    bool atLeast(std::string_view text, std::string_view x) const;

  private:
    std::span<const std::string_view> m_rungs;
};

}  // namespace brankor
