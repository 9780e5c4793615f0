#include "diarychart.h"

#include <QCategoryAxis>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>
#include <algorithm>
#include <array>

namespace brankor::ui {
namespace {

const QColor kMoney(0x2a, 0x9d, 0x8f);
const QColor kBank(0x45, 0x7b, 0x9d);
const QColor kMood(0xe7, 0x6f, 0x51);
const QColor kSatiety(0x8d, 0x5a, 0x97);
const QColor kInk(0x2b, 0x2d, 0x42);

/// At most this many dates under the chart, so they stay readable.
constexpr int kDayLabels = 8;
/// About as many points as a line has pixels; a longer history is thinned.
constexpr qsizetype kMostPoints = 600;

/// A long history drawn as the lowest and the highest value of each run of days, in the order
/// they came, so no peak or dip is lost and a redraw stays cheap.
QList<QPointF> thinned(const QList<QPointF>& all) {
    if (all.size() <= kMostPoints) return all;
    const qsizetype run = (all.size() + kMostPoints / 2 - 1) / (kMostPoints / 2);
    const auto byValue = [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); };
    QList<QPointF> out;
    for (qsizetype from = 0; from < all.size(); from += run) {
        const auto begin = all.begin() + from;
        auto [low, high] =
            std::minmax_element(begin, begin + std::min(run, all.size() - from), byValue);
        if (high < low) std::swap(low, high);
        out.append(*low);
        if (high != low) out.append(*high);
    }
    return out;
}

/// A value axis that always shows `floor`..`ceiling` and everything in `values`.
void fit(QValueAxis* axis, const QList<double>& values, double floor, double ceiling) {
    double low = floor, high = ceiling;
    for (double v : values) low = std::min(low, v), high = std::max(high, v);
    axis->setRange(low, high + (high - low) / 20);  // room for the dots at the top
    axis->applyNiceNumbers();
}

}  // namespace

DiaryChart::DiaryChart() {
    setTheme(QChart::ChartThemeLight);
    setBackgroundBrush(QColor(0xfb, 0xf8, 0xf1));
    setBackgroundRoundness(0);
    setMargins(QMargins(4, 4, 4, 4));
    legend()->setAlignment(Qt::AlignBottom);
    legend()->setLabelColor(kInk);

    m_days = new QCategoryAxis;
    m_days->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_days->setTitleText(QStringLiteral("День"));
    m_money = new QValueAxis;
    m_money->setTitleText(QStringLiteral("Деньги и счёт, $"));
    m_money->setLabelFormat(QStringLiteral("%.0f"));
    m_bars = new QValueAxis;
    m_bars->setTitleText(QStringLiteral("Настроение и сытость"));
    m_bars->setLabelFormat(QStringLiteral("%.0f"));
    for (QAbstractAxis* axis :
         {static_cast<QAbstractAxis*>(m_days), static_cast<QAbstractAxis*>(m_money),
          static_cast<QAbstractAxis*>(m_bars)}) {
        axis->setLabelsColor(kInk);
        axis->setTitleBrush(kInk);
    }
    addAxis(m_days, Qt::AlignBottom);
    addAxis(m_money, Qt::AlignLeft);
    addAxis(m_bars, Qt::AlignRight);

    m_lines = {addLine(QStringLiteral("Деньги"), kMoney, m_money),
               addLine(QStringLiteral("Счёт в банке"), kBank, m_money),
               addLine(QStringLiteral("Настроение"), kMood, m_bars),
               addLine(QStringLiteral("Сытость"), kSatiety, m_bars)};
    // Where the game warns, and where it ends.
    addDangerLine(-20, kSatiety);
    addDangerLine(-30, kSatiety);
    addDangerLine(-30, kMood);
    addDangerLine(-40, kMood);
}

QLineSeries* DiaryChart::addLine(const QString& name, const QColor& colour, QValueAxis* axis) {
    auto* line = new QLineSeries;
    line->setName(name);
    line->setPen(QPen(colour, 2.5));
    addSeries(line);
    line->attachAxis(m_days);
    line->attachAxis(axis);
    return line;
}

void DiaryChart::addDangerLine(double level, const QColor& colour) {
    auto* line = new QLineSeries;
    QColor faint = colour;
    faint.setAlpha(110);
    line->setPen(QPen(faint, 1.2, Qt::DashLine));
    line->setName(QStringLiteral("%1 %2").arg(level));
    line->setProperty("level", level);
    addSeries(line);
    line->attachAxis(m_days);
    line->attachAxis(m_bars);
    for (QLegendMarker* marker : legend()->markers(line)) marker->setVisible(false);
    m_dangers.append(line);
}

void DiaryChart::show(const Game& game) {
    const Diary& diary = game.diary;
    const auto& midnights = diary.midnights();
    // Midnight n of the history sits at day n; the present in the middle of the day after, so
    // it moves only when its numbers change.
    const double now = static_cast<double>(midnights.size()) + 0.5;
    const DiaryPoint present = Diary::pointOf(game.state);

    std::array<QList<QPointF>, 4> points;
    for (auto& list : points) list.reserve(static_cast<qsizetype>(midnights.size()) + 1);
    const auto add = [&points](double x, const DiaryPoint& p) {
        points[0].append({x, p.money});
        points[1].append({x, static_cast<double>(p.bankBalance)});
        points[2].append({x, p.mood});
        points[3].append({x, p.satiety});
    };
    for (std::size_t i = 0; i < midnights.size(); ++i)
        add(static_cast<double>(i + 1), midnights[i]);
    for (auto& line : points) line = thinned(line);
    add(now, present);
    // A lone point is drawn as a dot, so the first day already shows something.
    const bool few = points[0].size() < 40;
    for (std::size_t i = 0; i < points.size(); ++i) {
        m_lines[static_cast<qsizetype>(i)]->setPointsVisible(few);
        m_lines[static_cast<qsizetype>(i)]->replace(points[i]);
    }

    const double end = now + 0.5;  // the whole of today
    for (QLineSeries* danger : m_dangers) {
        const double level = danger->property("level").toDouble();
        danger->replace({{0, level}, {end, level}});
    }
    QList<double> money, bars;
    for (const QPointF& p : points[0] + points[1]) money.append(p.y());
    for (const QPointF& p : points[2] + points[3]) bars.append(p.y());
    fit(m_money, money, 0, 100);
    fit(m_bars, bars, -45, 50);
    labelDays(diary, end);
}

void DiaryChart::labelDays(const Diary& diary, double end) {
    const auto& midnights = diary.midnights();
    for (const QString& label : m_days->categoriesLabels()) m_days->remove(label);
    m_days->setStartValue(0);
    m_days->setRange(0, end);
    const std::size_t step =
        std::max<std::size_t>(1, (midnights.size() + kDayLabels - 1) / kDayLabels);
    m_days->append(QString::fromStdString(diary.firstDate()), 0);
    for (std::size_t day = step; day <= midnights.size(); day += step)
        m_days->append(QString::fromStdString(midnights[day - 1].date), static_cast<double>(day));
}

}  // namespace brankor::ui
