#pragma once
// The diary's chart: money and the bank balance against the left axis, mood and satiety with
// their danger lines against the right one, over the game's days.
#include <QChart>
#include <QList>

#include "core/game.h"

class QCategoryAxis;
class QLineSeries;
class QValueAxis;

namespace brankor::ui {

class DiaryChart : public QChart {
    Q_OBJECT
  public:
    DiaryChart();

    /// Draws the diary's midnights and, after them, the present moment.
    void show(const Game& game);

    /// The four series, in the legend's order: money, bank balance, mood, satiety.
    QList<QLineSeries*> lines() const { return m_lines; }

  private:
    QLineSeries* addLine(const QString& name, const QColor& colour, QValueAxis* axis);
    void addDangerLine(double level, const QColor& colour);
    void labelDays(const Diary& diary, double end);

    QCategoryAxis* m_days = nullptr;
    QValueAxis* m_money = nullptr;
    QValueAxis* m_bars = nullptr;
    QList<QLineSeries*> m_lines;
    QList<QLineSeries*> m_dangers;
};

}  // namespace brankor::ui
