#include "diarychart.h"

#include <QCategoryAxis>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>

#include "game/lifecycle.h"

namespace brankor::ui {
namespace {

const QColor kMoney(0x2a, 0x9d, 0x8f);
const QColor kBank(0x45, 0x7b, 0x9d);
const QColor kMood(0xe7, 0x6f, 0x51);
const QColor kSatiety(0x8d, 0x5a, 0x97);
const QColor kInk(0x2b, 0x2d, 0x42);
const QColor kBackground(0xfb, 0xf8, 0xf1);

/// A line drawn in `colour`, `width` wide, in dashes of `dash` and gaps of `gap` (both in widths);
/// no dash at all for a solid line.
QPen pen(const QColor& colour, qreal width, qreal dash = 0, qreal gap = 0) {
    QPen pen(colour, width);
    if (dash > 0) {
        pen.setCapStyle(Qt::FlatCap);
        pen.setDashPattern({dash, gap});
    }
    return pen;
}

QColor faint(QColor colour) {
    colour.setAlpha(150);
    return colour;
}

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

}  // namespace

DiaryChart::DiaryChart() {
    setTheme(QChart::ChartThemeLight);
    setBackgroundBrush(kBackground);
    setBackgroundRoundness(0);
    setMargins(QMargins(4, 4, 4, 4));
    legend()->setAlignment(Qt::AlignBottom);
    legend()->setLabelColor(kInk);
    // Each line's own stroke in the legend, dashes and all.
    legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);

    m_days = new QCategoryAxis;
    m_days->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_days->setTitleText(QStringLiteral("День"));
    m_money = new QValueAxis;
    m_money->setTitleText(QStringLiteral("Деньги и счёт, $"));
    m_money->setLabelFormat(QStringLiteral("%.0f"));
    m_bars = new QValueAxis;
    m_bars->setTitleText(QStringLiteral("Настроение и сытость"));
    m_bars->setLabelFormat(QStringLiteral("%.0f"));
    m_nice = new QValueAxis(this);
    for (QAbstractAxis* axis :
         {static_cast<QAbstractAxis*>(m_days), static_cast<QAbstractAxis*>(m_money),
          static_cast<QAbstractAxis*>(m_bars)}) {
        axis->setLabelsColor(kInk);
        axis->setTitleBrush(kInk);
    }
    addAxis(m_days, Qt::AlignBottom);
    addAxis(m_money, Qt::AlignLeft);
    addAxis(m_bars, Qt::AlignRight);

    // Money and the balance, mood and satiety often run together (both bars start at 30 and
    // fall alike): the second of each pair is drawn dashed over a wider solid first, with
    // smaller dots inside the first one's, so both stay in sight.
    m_lines = {addLine(QStringLiteral("Деньги"), pen(kMoney, 3.5), 8, m_money),
               addLine(QStringLiteral("Счёт в банке"), pen(kBank, 2, 3, 1.5), 4, m_money),
               addLine(QStringLiteral("Настроение"), pen(kMood, 3.5), 8, m_bars),
               addLine(QStringLiteral("Сытость"), pen(kSatiety, 2, 1.5, 1.5), 4, m_bars)};
    // Where the game warns, and where it ends: dashes for a warning, dots for death. Hunger's
    // death and boredom's warning share -30, so their names go above and below it at the right
    // end; the other two go above their lines, one at the left end and one in the middle. No
    // two names share a column, so none meets another however a high mood squeezes the axis.
    addDangerLine(QStringLiteral("голод: предупреждение"), kHungerWarning,
                  pen(faint(kSatiety), 1.5, 5, 3), Qt::AlignLeft | Qt::AlignTop);
    addDangerLine(QStringLiteral("голод: смерть"), kHungerDeath, pen(faint(kSatiety), 1.5, 1, 2),
                  Qt::AlignRight | Qt::AlignTop);
    addDangerLine(QStringLiteral("тоска: предупреждение"), kMoodWarning,
                  pen(faint(kMood), 1.5, 5, 3), Qt::AlignRight | Qt::AlignBottom);
    addDangerLine(QStringLiteral("тоска: смерть"), kMoodDeath, pen(faint(kMood), 1.5, 1, 2),
                  Qt::AlignHCenter | Qt::AlignTop);
    connect(this, &QChart::plotAreaChanged, this, &DiaryChart::placeDangerLabels);
}

QLineSeries* DiaryChart::addLine(const QString& name, const QPen& pen, qreal markerSize,
                                 QValueAxis* axis) {
    auto* line = new QLineSeries;
    line->setName(name);
    line->setPen(pen);
    line->setMarkerSize(markerSize);
    addSeries(line);
    line->attachAxis(m_days);
    line->attachAxis(axis);
    return line;
}

void DiaryChart::addDangerLine(const QString& what, int level, const QPen& pen,
                               Qt::Alignment place) {
    // "голод: смерть ниже −30", with a true minus sign.
    const QString name =
        QStringLiteral("%1 ниже %2").arg(what, QString::number(level).replace('-', QChar(0x2212)));
    auto* line = new QLineSeries;
    line->setPen(pen);
    line->setName(name);
    addSeries(line);
    line->attachAxis(m_days);
    line->attachAxis(m_bars);
    for (QLegendMarker* marker : legend()->markers(line)) marker->setVisible(false);

    auto* label = new QGraphicsSimpleTextItem(name, this);
    QColor ink = pen.color();
    ink.setAlpha(255);
    label->setBrush(ink.darker(115));
    QFont font = legend()->font();
    font.setPointSizeF(font.pointSizeF() - 1);
    label->setFont(font);
    label->setZValue(10);  // over the grid and the lines
    auto* backdrop = new QGraphicsRectItem(this);
    QColor veil = kBackground;
    veil.setAlpha(190);
    backdrop->setBrush(veil);
    backdrop->setPen(Qt::NoPen);
    backdrop->setZValue(9);
    m_dangers.append({line, label, backdrop, static_cast<double>(level), place});
}

QList<QLineSeries*> DiaryChart::dangerLines() const {
    QList<QLineSeries*> lines;
    for (const Danger& danger : m_dangers) lines.append(danger.line);
    return lines;
}

QList<QGraphicsSimpleTextItem*> DiaryChart::dangerLabels() const {
    QList<QGraphicsSimpleTextItem*> labels;
    for (const Danger& danger : m_dangers) labels.append(danger.label);
    return labels;
}

void DiaryChart::placeDangerLabels() {
    constexpr qreal kGap = 3;
    const QRectF area = plotArea();
    for (const Danger& danger : m_dangers) {
        const QSizeF size = danger.label->boundingRect().size();
        const qreal y = mapToPosition({0, danger.level}, danger.line).y();
        const qreal x = danger.place & Qt::AlignLeft    ? area.left() + kGap
                        : danger.place & Qt::AlignRight ? area.right() - kGap - size.width()
                                                        : area.center().x() - size.width() / 2;
        danger.label->setPos(x, danger.place & Qt::AlignTop ? y - size.height() : y + 1);
        danger.backdrop->setRect(
            danger.label->mapRectToParent(danger.label->boundingRect()).adjusted(-2, 1, 2, -1));
    }
}

void DiaryChart::show(const Diary& diary, const DiaryPoint& present) {
    const auto& midnights = diary.midnights();
    // Midnight n of the history sits at day n; the present in the middle of the day after, so
    // it moves only when its numbers change.
    const double now = static_cast<double>(midnights.size()) + 0.5;
    m_shown.assign(midnights.begin(), midnights.end());
    m_shown.push_back(present);

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
    // The danger lines span the days: they change only when a midnight adds one.
    if (end != m_dangersEnd) {
        m_dangersEnd = end;
        for (const Danger& danger : m_dangers)
            danger.line->replace({{0, danger.level}, {end, danger.level}});
    }
    QList<double> money, bars;
    for (const QPointF& p : points[0] + points[1]) money.append(p.y());
    for (const QPointF& p : points[2] + points[3]) bars.append(p.y());
    fit(m_money, money, 0, 100);
    fit(m_bars, bars, -45, 50);
    labelDays(diary, end);
    placeDangerLabels();
}

void DiaryChart::fit(QValueAxis* axis, const QList<double>& values, double floor, double ceiling) {
    double low = floor, high = ceiling;
    for (double v : values) low = std::min(low, v), high = std::max(high, v);
    // An axis given a new range lays out and shapes all its labels again: a game hour in which
    // only the present moment moved inside the old bounds leaves the axis alone.
    const std::pair<double, double> bounds{low, high};
    auto& fitted = axis == m_money ? m_moneyBounds : m_barsBounds;
    if (fitted == bounds) return;
    fitted = bounds;
    // The rounded range is worked out on a spare axis that no chart draws, from the tick count
    // the shown axis has now, as the shown axis would work it out itself; the shown axis takes
    // it only when it differs (money that falls by a dollar seldom moves a rounded bound).
    m_nice->setTickCount(axis->tickCount());
    m_nice->setRange(low, high + (high - low) / 20);  // room for the dots at the top
    m_nice->applyNiceNumbers();
    if (m_nice->min() == axis->min() && m_nice->max() == axis->max() &&
        m_nice->tickCount() == axis->tickCount())
        return;
    axis->setTickCount(m_nice->tickCount());
    axis->setRange(m_nice->min(), m_nice->max());
}

void DiaryChart::labelDays(const Diary& diary, double end) {
    const auto& midnights = diary.midnights();
    // The dates change only with a midnight (or a new history): not every game hour.
    Labelled labelled{midnights.size(), diary.firstDate(),
                      midnights.empty() ? std::string() : midnights.back().date};
    if (labelled == m_labelled) return;
    m_labelled = std::move(labelled);
    for (const QString& label : m_days->categoriesLabels()) m_days->remove(label);
    m_days->setStartValue(0);
    m_days->setRange(0, end);
    const std::size_t days = midnights.size();
    const std::size_t step = std::max<std::size_t>(1, (days + kDayLabels - 1) / kDayLabels);
    const auto label = [this, &midnights](std::size_t day) {
        m_days->append(QString::fromStdString(midnights[day - 1].date), static_cast<double>(day));
    };
    m_days->append(QString::fromStdString(diary.firstDate()), 0);
    // The last midnight always has its date, so today can be read off the axis; a date just
    // before it gives way.
    for (std::size_t day = step; day + step / 2 < days; day += step) label(day);
    if (days > 0) label(days);
}

const DiaryPoint* DiaryChart::dayAt(const QPointF& position, bool& present) {
    if (m_shown.empty() || !plotArea().contains(position)) return nullptr;
    // Midnight n is plotted at day n, the present half a day after the last one.
    const double x = mapToValue(position, m_lines[0]).x();
    const auto midnights = static_cast<long long>(m_shown.size()) - 1;
    long long index = midnights;
    if (midnights > 0 && x < static_cast<double>(midnights) + 0.25)
        index = std::clamp(std::llround(x), 1LL, midnights) - 1;
    present = index == midnights;
    return &m_shown[static_cast<std::size_t>(index)];
}

}  // namespace brankor::ui
