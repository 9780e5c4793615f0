#pragma once
// The diary's chart as the diary window sees it. The chart is drawn with Qt Charts, which with its
// OpenGL dependencies is the largest library the game uses; it lives in a library of its own
// that is loaded the first time the diary opens, so a game that never opens the diary never maps
// it.
#include <QPoint>

#include "game/diary.h"

class QWidget;

namespace brankor::ui {

class DiaryPlot {
  public:
    virtual ~DiaryPlot() = default;
    /// The chart's view; it owns this plot, so whoever takes it into a layout owns both.
    virtual QWidget* widget() = 0;
    /// Draws the diary's midnights and, after them, the present moment.
    virtual void draw(const Diary& diary, const DiaryPoint& present) = 0;
    /// The plotted day under `position` (in the view's viewport), with `present` set when it is
    /// the present moment; null where no day is plotted.
    virtual const DiaryPoint* dayAt(const QPoint& position, bool& present) = 0;
};

/// A new chart from the chart library, loaded on first use; null when the library is missing.
DiaryPlot* createDiaryPlot();

}  // namespace brankor::ui

/// The chart library's one entry point, looked up by this name.
extern "C" using BrankorCreateDiaryPlot = brankor::ui::DiaryPlot * (*)();
