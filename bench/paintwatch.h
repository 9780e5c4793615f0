#pragma once
// Calls back once, right after a window (or anything in it) has first been painted.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "processstats.h"

namespace brankor::bench {

class PaintWatch : public QObject {
  public:
    /// Watches every widget of the program for the first paint of a window that `matches`.
    PaintWatch(std::function<bool(QWidget& window)> matches, std::function<void()> painted)
        : m_matches(std::move(matches)), m_painted(std::move(painted)) {
        qApp->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_seen && watched->isWidgetType()) {
            QWidget* window = static_cast<QWidget*>(watched)->window();
            if (window && m_matches(*window)) {
                m_seen = true;
                qApp->removeEventFilter(this);
                // The filter runs before the paint itself: report once it has been drawn.
                QTimer::singleShot(0, this, [this] { m_painted(); });
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<bool(QWidget&)> m_matches;
    std::function<void()> m_painted;
    bool m_seen = false;
};

/// Counts what the program draws from its creation on.
class PaintCount : public QObject {
  public:
    PaintCount() { qApp->installEventFilter(this); }
    Drawn drawn;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType()) return false;
        if (event->type() == QEvent::Paint)
            ++drawn.paints;
        else if (event->type() == QEvent::UpdateRequest &&
                 static_cast<QWidget*>(watched)->isWindow())
            ++drawn.windows;
        else if (event->type() == QEvent::LayoutRequest)
            ++drawn.layouts;
        return false;
    }
};

}  // namespace brankor::bench
