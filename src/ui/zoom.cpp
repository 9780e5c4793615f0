#include "zoom.h"

#include <QApplication>
#include <QFontDatabase>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "gamesettings.h"
#include "windowscale.h"

namespace brankor::ui {
namespace {

const QString kZoomKey = QStringLiteral("view/zoom");
const QString kFallback = QStringLiteral("DejaVu Sans");
/// The font size the forms were laid out for.
constexpr qreal kDesignPoints = 9;

qreal points(const QFont& font) {
    if (font.pointSizeF() > 0) return font.pointSizeF();
    if (font.pixelSize() > 0) return font.pixelSize() * 72.0 / 96.0;
    return kDesignPoints;
}

bool isStep(int percent) {
    return std::find(kZoomSteps.begin(), kZoomSteps.end(), percent) != kZoomSteps.end();
}

}  // namespace

Zoom& Zoom::instance() {
    static Zoom zoom;
    return zoom;
}

void Zoom::start(const QString& styleSheet) {
    if (!m_desktop) m_desktop = QApplication::font();  // before the game sets its own
    m_styleSheet = styleSheet;
    const int remembered = gameSettings()->value(kZoomKey, 100).toInt();
    m_percent = isStep(remembered) ? remembered : 100;
    applyToApplication();
}

qreal Zoom::factor() const {
    const qreal grown = m_desktop ? std::max<qreal>(1, points(*m_desktop) / kDesignPoints) : 1;
    return m_percent / 100.0 * grown;
}

void Zoom::applyToApplication() {
    // The desktop's own font, with DejaVu Sans for the letters it lacks; a font without Cyrillic
    // at all gives way to DejaVu Sans, so Russian words are not drawn in two faces.
    const QFont desktop = m_desktop.value_or(QFont(kFallback));
    QFont font = desktop;
    QStringList families = {desktop.family()};
    if (!QFontDatabase::writingSystems(desktop.family()).contains(QFontDatabase::Cyrillic))
        families.prepend(kFallback);
    if (!families.contains(kFallback)) families.append(kFallback);
    font.setFamilies(families);
    font.setPointSizeF(points(desktop) * m_percent / 100.0);
    QApplication::setFont(font);
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        app->setStyleSheet(scaledStyleSheet(m_styleSheet, factor()));
}

void Zoom::setPercent(int percent) {
    if (!isStep(percent)) return;
    gameSettings()->setValue(kZoomKey, percent);
    if (percent == m_percent) return;
    m_percent = percent;
    applyToApplication();
    emit changed();
}

void Zoom::follow(QWidget& window) {
    scaleWindow(window, factor());
    connect(this, &Zoom::changed, &window, [&window, this] { scaleWindow(window, factor()); });
}

int zoomed(int pixels) {
    return static_cast<int>(std::lround(pixels * Zoom::instance().factor()));
}

}  // namespace brankor::ui
