#pragma once
// Scaling a window built for one size to another: what its form and constructor fixed in pixels
// (places of hand-placed controls, least and greatest sizes, icon sizes, spacing, explicit font
// sizes, lengths in its style sheets) is kept as designed and multiplied by the factor.
#include <QString>

class QWidget;

namespace brankor::ui {

/// Scales `window` and the widgets and layouts that belong to it (not other windows it owns) to
/// `factor` times their designed sizes. The first call notes the designed sizes.
void scaleWindow(QWidget& window, qreal factor);

/// The factor `window` was last scaled by (1 before its first scaling).
qreal scaledBy(const QWidget& window);

/// `styleSheet` with every length in pixels or points multiplied by `factor`.
QString scaledStyleSheet(const QString& styleSheet, qreal factor);

/// Marks a widget that fits its size to its own font: the window's scaling leaves its size alone.
void sizedByFont(QWidget& widget);

}  // namespace brankor::ui
