#pragma once
// The game's pictures: SVG files compiled in under :/art/, drawn crisply at any scale.
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace brankor::ui {

/// Whether a picture of that name exists.
bool hasArt(const QString& name);
/// The picture drawn at `size` logical pixels for a screen of `devicePixelRatio`.
QPixmap artPixmap(const QString& name, QSize size, qreal devicePixelRatio);
/// The picture's natural size in logical pixels.
QSize artSize(const QString& name);
QIcon artIcon(const QString& name);

}  // namespace brankor::ui
