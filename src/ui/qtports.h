#pragma once
// The platform as the rules see it, built on Qt.
#include <QElapsedTimer>
#include <functional>
#include <random>

#include "core/ports.h"

namespace brankor::ui {

class QtMessageBoxes : public MessageBoxes {
  public:
    /// `beforeShow` runs before every box, so the windows show the state the box speaks of.
    explicit QtMessageBoxes(std::function<void()> beforeShow = {})
        : m_beforeShow(std::move(beforeShow)) {}
    Answer show(const Message& message) override;

  private:
    std::function<void()> m_beforeShow;
};

class QtSystemClock : public SystemClock {
  public:
    QtSystemClock() { m_steady.start(); }
    Date today() const override;
    TimeOfDay now() const override;
    std::int64_t milliseconds() const override;

  private:
    QElapsedTimer m_steady;
};

class QtRandom : public Random {
  public:
    QtRandom();
    void randomize() override;
    double rnd() override;

  private:
    std::mt19937 m_engine;
};

class QtFileDialogs : public FileDialogs {
  public:
    std::optional<std::string> choose(FileDialogKind kind) override;
};

}  // namespace brankor::ui
