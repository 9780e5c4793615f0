#include "windowscale.h"

#include <QAbstractButton>
#include <QLayout>
#include <QRegularExpression>
#include <QWidget>
#include <cmath>

namespace brankor::ui {
namespace {

// The designed sizes, noted on each widget and layout at the first scaling.
constexpr const char* kNoted = "designNoted";
constexpr const char* kGeometry = "designGeometry";
constexpr const char* kMinimum = "designMinimum";
constexpr const char* kMaximum = "designMaximum";
constexpr const char* kPoints = "designPoints";
constexpr const char* kIcon = "designIcon";
constexpr const char* kStyle = "designStyle";
constexpr const char* kMargins = "designMargins";
constexpr const char* kSpacing = "designSpacing";
constexpr const char* kFactor = "scaledBy";
constexpr const char* kSizedByFont = "sizedByFont";

int scale(int pixels, qreal factor) {
    return static_cast<int>(std::lround(pixels * factor));
}

/// A least or greatest size: "none" (0, or Qt's unbounded size) stays as it is.
QSize scaleBound(QSize size, qreal factor) {
    const auto one = [factor](int length) {
        return length <= 0 || length >= QWIDGETSIZE_MAX ? length : scale(length, factor);
    };
    return {one(size.width()), one(size.height())};
}

/// Edges are scaled rather than sizes, so controls that touched in the design still touch.
QRect scaleRect(QRect rect, qreal factor) {
    const int left = scale(rect.left(), factor);
    const int top = scale(rect.top(), factor);
    return {left, top, scale(rect.left() + rect.width(), factor) - left,
            scale(rect.top() + rect.height(), factor) - top};
}

bool holds(const QLayout& layout, const QWidget& widget) {
    for (int i = 0; i < layout.count(); ++i) {
        QLayoutItem* item = layout.itemAt(i);
        if (item->widget() == &widget) return true;
        if (item->layout() && holds(*item->layout(), widget)) return true;
    }
    return false;
}

/// Placed by hand (by its form or by the game's rules), not by a layout.
bool placedByHand(const QWidget& widget) {
    const QWidget* parent = widget.parentWidget();
    return parent && !widget.isWindow() && !(parent->layout() && holds(*parent->layout(), widget));
}

bool fontSizeSet(const QWidget& widget) {
    return widget.testAttribute(Qt::WA_SetFont) &&
           (widget.font().resolveMask() & QFont::SizeResolved) && widget.font().pointSizeF() > 0;
}

void note(QWidget& widget) {
    widget.setProperty(kNoted, true);
    if (placedByHand(widget)) widget.setProperty(kGeometry, widget.geometry());
    widget.setProperty(kMinimum, widget.minimumSize());
    widget.setProperty(kMaximum, widget.maximumSize());
    if (fontSizeSet(widget)) widget.setProperty(kPoints, widget.font().pointSizeF());
    if (auto* button = qobject_cast<QAbstractButton*>(&widget))
        widget.setProperty(kIcon, button->iconSize());
    if (!widget.styleSheet().isEmpty()) widget.setProperty(kStyle, widget.styleSheet());
}

void scaleWidget(QWidget& widget, qreal factor) {
    if (!widget.property(kNoted).toBool()) note(widget);
    if (const QVariant rect = widget.property(kGeometry); rect.isValid())
        widget.setGeometry(scaleRect(rect.toRect(), factor));
    if (!widget.property(kSizedByFont).toBool()) {
        widget.setMinimumSize(scaleBound(widget.property(kMinimum).toSize(), factor));
        widget.setMaximumSize(scaleBound(widget.property(kMaximum).toSize(), factor));
    }
    if (const QVariant points = widget.property(kPoints); points.isValid()) {
        QFont font = widget.font();
        font.setPointSizeF(points.toReal() * factor);
        widget.setFont(font);
    }
    if (auto* button = qobject_cast<QAbstractButton*>(&widget))
        button->setIconSize(scaleBound(widget.property(kIcon).toSize(), factor));
    if (const QVariant style = widget.property(kStyle); style.isValid())
        widget.setStyleSheet(scaledStyleSheet(style.toString(), factor));
}

void scaleLayout(QLayout& layout, qreal factor) {
    if (!layout.property(kNoted).toBool()) {
        layout.setProperty(kNoted, true);
        const QMargins m = layout.contentsMargins();
        // The four margins kept as (left, top, right, bottom).
        layout.setProperty(kMargins, QRect(m.left(), m.top(), m.right(), m.bottom()));
        layout.setProperty(kSpacing, layout.spacing());
    }
    const QRect m = layout.property(kMargins).toRect();
    layout.setContentsMargins(scale(m.left(), factor), scale(m.top(), factor),
                              scale(m.width(), factor), scale(m.height(), factor));
    if (const int spacing = layout.property(kSpacing).toInt(); spacing >= 0)
        layout.setSpacing(scale(spacing, factor));
}

}  // namespace

void scaleWindow(QWidget& window, qreal factor) {
    const qreal before = scaledBy(window);
    // A window the form or its constructor sized keeps its proportions.
    const bool sized = window.testAttribute(Qt::WA_Resized);
    const QSize size = window.size();
    scaleWidget(window, factor);
    for (QWidget* widget : window.findChildren<QWidget*>())
        if (widget->window() == &window) scaleWidget(*widget, factor);
    for (QLayout* layout : window.findChildren<QLayout*>())
        if (!layout->parentWidget() || layout->parentWidget()->window() == &window)
            scaleLayout(*layout, factor);
    const qreal by = factor / before;
    if (sized && by != 1.0) window.resize(scale(size.width(), by), scale(size.height(), by));
    window.setProperty(kFactor, factor);
}

qreal scaledBy(const QWidget& window) {
    const QVariant factor = window.property(kFactor);
    return factor.isValid() ? factor.toReal() : 1.0;
}

QString scaledStyleSheet(const QString& styleSheet, qreal factor) {
    static const QRegularExpression length(QStringLiteral(R"((\d+(?:\.\d+)?)(px|pt)\b)"));
    QString scaled;
    qsizetype from = 0;
    for (auto it = length.globalMatch(styleSheet); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const double value = match.captured(1).toDouble() * factor;
        const bool pixels = match.captured(2) == QLatin1String("px");
        // Whole pixels (a hairline stays at least one); points to a tenth.
        const double shown = pixels ? std::max(value > 0 ? 1.0 : 0.0, std::round(value))
                                    : std::round(value * 10) / 10;
        scaled += styleSheet.mid(from, match.capturedStart() - from);
        scaled += QString::number(shown) + match.captured(2);
        from = match.capturedEnd();
    }
    return scaled + styleSheet.mid(from);
}

void sizedByFont(QWidget& widget) {
    widget.setProperty(kSizedByFont, true);
}

}  // namespace brankor::ui
