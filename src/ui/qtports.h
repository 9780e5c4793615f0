#pragma once
// The platform as the rules see it, built on Qt.
#include <QElapsedTimer>
#include <functional>
#include <random>

#include "dialogparent.h"
#include "framework/ports.h"

namespace brankor::ui {

/// Real message boxes with the game's own Russian buttons ("OK", "Да", "Нет"), whatever
/// translations the system has.
class QtMessageBoxes : public MessageBoxes {
  public:
    /// `beforeShow` runs before every box, so the windows show the state the box speaks of;
    /// `parents` chooses whom each box belongs to.
    QtMessageBoxes(DialogParents& parents, std::function<void()> beforeShow = {})
        : m_parents(parents), m_beforeShow(std::move(beforeShow)) {}
    Answer show(const Message& message) override;

  private:
    DialogParents& m_parents;
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
    explicit QtFileDialogs(DialogParents& parents) : m_parents(parents) {}
    std::optional<std::string> choose(FileDialogKind kind) override;

  private:
    DialogParents& m_parents;
};

}  // namespace brankor::ui
