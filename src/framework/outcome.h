#pragma once
// A value, or the reason there is none. The saved-game code reports every failure this way so
// the menu can show the reason to the player.
#include <optional>
#include <string>
#include <utility>

namespace brankor {

/// The reason an operation failed: a short Russian description shown to the player.
struct Failure {
    std::string reason;
};

template <class T>
class Outcome {
  public:
    Outcome(T value) : m_value(std::move(value)) {}
    Outcome(Failure failure) : m_reason(std::move(failure.reason)) {}

    explicit operator bool() const { return m_value.has_value(); }
    const T& value() const { return *m_value; }
    T& value() { return *m_value; }
    const std::string& reason() const { return m_reason; }

  private:
    std::optional<T> m_value;
    std::string m_reason;
};

}  // namespace brankor
