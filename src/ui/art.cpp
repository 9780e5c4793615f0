#include "art.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QStyleOption>
#include <QSvgRenderer>

namespace brankor::ui {
namespace {

QString path(const QString& name) {
    return QStringLiteral(":/art/%1.svg").arg(name);
}

/// An icon drawn from its picture at whatever size and resolution it is shown at, so that it
/// stays crisp at every zoom; disabled, it is greyed as the style greys icons.
class ArtIconEngine : public QIconEngine {
  public:
    explicit ArtIconEngine(QString name) : m_name(std::move(name)) {}
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        return draw(size, mode, 1.0);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const QSize size = fitted(rect.size());
        const QPoint at = rect.topLeft() + QPoint((rect.width() - size.width()) / 2,
                                                  (rect.height() - size.height()) / 2);
        painter->drawPixmap(at, draw(size, mode, painter->device()->devicePixelRatioF()));
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return fitted(size); }
    QIconEngine* clone() const override { return new ArtIconEngine(m_name); }
    QString key() const override { return QStringLiteral("brankor-art"); }

  private:
    QPixmap draw(QSize size, QIcon::Mode mode, qreal ratio) const {
        QPixmap drawn = artPixmap(m_name, fitted(size), ratio);
        if (mode != QIcon::Disabled || drawn.isNull()) return drawn;
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        return QApplication::style()->generatedIconPixmap(QIcon::Disabled, drawn, &option);
    }
    /// The picture's shape at most `size` big.
    QSize fitted(QSize size) const {
        if (m_natural.isEmpty()) m_natural = artSize(m_name);
        return m_natural.isEmpty() ? size : m_natural.scaled(size, Qt::KeepAspectRatio);
    }

    QString m_name;
    mutable QSize m_natural;
};

}  // namespace

bool hasArt(const QString& name) {
    return !name.isEmpty() && QFile::exists(path(name));
}

QSize artSize(const QString& name) {
    // A picture's size never changes, and reading it parses the whole file (the arcade's
    // paddle asks each time it shrinks): parse each picture once.
    static QHash<QString, QSize> sizes;
    auto known = sizes.constFind(name);
    if (known != sizes.constEnd()) return *known;
    QSvgRenderer renderer(path(name));
    return *sizes.insert(name, renderer.isValid() ? renderer.defaultSize() : QSize());
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
    if (artSize(name).isEmpty()) return {};
    return QIcon(new ArtIconEngine(name));
}

}  // namespace brankor::ui
