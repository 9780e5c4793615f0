#pragma once
// The diary's chart in a view: what the chart library hands the diary window.
#include <QObject>

#include "../diaryplot.h"

class QChartView;

namespace brankor::ui {

class DiaryChart;

/// Lives as a child of its view, so it goes with the view.
class DiaryChartView : public QObject, public DiaryPlot {
  public:
    DiaryChartView();

    QWidget* widget() override;
    void draw(const Diary& diary, const DiaryPoint& present) override;
    const DiaryPoint* dayAt(const QPoint& position, bool& present) override;

  private:
    QChartView* m_view;
    DiaryChart* m_chart;
};

}  // namespace brankor::ui
