#include "art.h"

#include <QFile>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace brankor::ui {
namespace {

QString path(const QString& name) {
    return QStringLiteral(":/art/%1.svg").arg(name);
}

}  // namespace

bool hasArt(const QString& name) {
    return !name.isEmpty() && QFile::exists(path(name));
}

QSize artSize(const QString& name) {
    QSvgRenderer renderer(path(name));
    return renderer.isValid() ? renderer.defaultSize() : QSize();
}

QPixmap artPixmap(const QString& name, QSize size, qreal devicePixelRatio) {
    const QString key = QStringLiteral("art:%1:%2x%3@%4")
                            .arg(name)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(devicePixelRatio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) return pixmap;
    QSvgRenderer renderer(path(name));
    if (!renderer.isValid() || size.isEmpty()) return {};
    pixmap = QPixmap(size * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.setAspectRatioMode(Qt::KeepAspectRatio);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QIcon artIcon(const QString& name) {
    QIcon icon;
    const QSize natural = artSize(name);
    if (natural.isEmpty()) return icon;
    for (const qreal dpr : {1.0, 2.0}) icon.addPixmap(artPixmap(name, natural, dpr));
    return icon;
}

}  // namespace brankor::ui
