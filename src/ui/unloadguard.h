#pragma once
// Keeps a window alive while one of its handlers is running. A handler that waits on a message
// box runs a nested event loop; a death or a close that happens inside it must not delete the
// window (and the box, its child) under the handler's feet. The window goes once the outermost
// of its running handlers has returned.
#include <QObject>

namespace brankor::ui {

class UnloadGuard {
  public:
    explicit UnloadGuard(QObject& window) : m_window(window) {}
    UnloadGuard(const UnloadGuard&) = delete;
    UnloadGuard& operator=(const UnloadGuard&) = delete;

    /// Marks a handler as running for its lifetime.
    class Handling {
      public:
        explicit Handling(UnloadGuard& guard) : m_guard(guard) { ++m_guard.m_handlers; }
        ~Handling() {
            if (--m_guard.m_handlers == 0 && m_guard.m_unloading) m_guard.m_window.deleteLater();
        }
        Handling(const Handling&) = delete;
        Handling& operator=(const Handling&) = delete;

      private:
        UnloadGuard& m_guard;
    };

    /// Deletes the window now (at the next turn of the event loop) or, while a handler runs,
    /// once the last one has returned.
    void unload() {
        if (m_unloading) return;
        m_unloading = true;
        if (m_handlers == 0) m_window.deleteLater();
    }
    bool unloading() const { return m_unloading; }

  private:
    QObject& m_window;
    int m_handlers = 0;
    bool m_unloading = false;
};

}  // namespace brankor::ui
