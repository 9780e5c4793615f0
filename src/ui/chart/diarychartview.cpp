#include "diarychartview.h"

#include <QChartView>

#include "diarychart.h"

namespace brankor::ui {

DiaryChartView::DiaryChartView() : m_view(new QChartView), m_chart(new DiaryChart) {
    setParent(m_view);
    m_view->setChart(m_chart);
    m_view->setRenderHint(QPainter::Antialiasing);
}

QWidget* DiaryChartView::widget() {
    return m_view;
}

void DiaryChartView::draw(const Diary& diary, const DiaryPoint& present) {
    m_chart->show(diary, present);
}

const DiaryPoint* DiaryChartView::dayAt(const QPoint& position, bool& present) {
    return m_chart->dayAt(m_chart->mapFromScene(m_view->mapToScene(position)), present);
}

}  // namespace brankor::ui

extern "C" Q_DECL_EXPORT brankor::ui::DiaryPlot* brankorCreateDiaryPlot() {
    return new brankor::ui::DiaryChartView;
}
