#pragma once
// The diary's chart: money and the bank balance against the left axis, mood and satiety with
// their danger lines against the right one, over the game's days. Lines that run together stay
// apart by their dashes and dots; each danger line carries its name; the pointer over the plot
// is told the day under it and its numbers.
#include <QChart>
#include <QList>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "game/diary.h"

class QCategoryAxis;
class QGraphicsRectItem;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QValueAxis;

namespace brankor::ui {

class DiaryChart : public QChart {
    Q_OBJECT
  public:
    DiaryChart();

    /// Draws the diary's midnights and, after them, the present moment.
    void show(const Diary& diary, const DiaryPoint& present);

    /// The four series, in the legend's order: money, bank balance, mood, satiety.
    QList<QLineSeries*> lines() const { return m_lines; }
    /// The dashed lines where the game warns and where it ends: hunger's warning and death, then
    /// boredom's.
    QList<QLineSeries*> dangerLines() const;
    /// The names written beside them, in the same order.
    QList<QGraphicsSimpleTextItem*> dangerLabels() const;

    /// The plotted day nearest to `position` (in the chart's coordinates), with `present` set
    /// when it is the present moment; null outside the plot.
    const DiaryPoint* dayAt(const QPointF& position, bool& present);

  private:
    QLineSeries* addLine(const QString& name, const QPen& pen, qreal markerSize, QValueAxis* axis);
    /// The line at `level` where `what` happens ("голод: смерть"), with its name at `place`.
    void addDangerLine(const QString& what, int level, const QPen& pen, Qt::Alignment place);
    void placeDangerLabels();
    void labelDays(const Diary& diary, double end);
    /// Makes `axis` show `floor`..`ceiling` and everything in `values`.
    void fit(QValueAxis* axis, const QList<double>& values, double floor, double ceiling);

    QCategoryAxis* m_days = nullptr;
    QValueAxis* m_money = nullptr;
    QValueAxis* m_bars = nullptr;
    /// Where fit() rounds a range, off the chart.
    QValueAxis* m_nice = nullptr;
    QList<QLineSeries*> m_lines;
    struct Danger {
        QLineSeries* line;
        QGraphicsSimpleTextItem* label;
        QGraphicsRectItem* backdrop;  ///< keeps the name legible where a line runs under it
        double level;
        Qt::Alignment place;  ///< where the name sits: left or right end, above or below
    };
    QList<Danger> m_dangers;
    /// Where the danger lines end now.
    double m_dangersEnd = -1;
    /// What the axes were last fitted to and labelled with, so an unchanged axis is left alone.
    std::optional<std::pair<double, double>> m_moneyBounds, m_barsBounds;
    struct Labelled {
        std::size_t days = 0;
        std::string first, last;
        bool operator==(const Labelled&) const = default;
    };
    std::optional<Labelled> m_labelled;
    /// What the last show() plotted: the midnights, then the present moment.
    std::vector<DiaryPoint> m_shown;
};

}  // namespace brankor::ui
