#include "arcadefield.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "art.h"
#include "leisure/arcadeboard.h"
#include "placedialog.h"

namespace brankor::ui {
namespace {

constexpr int kTwipsPerPixel = 15;
/// Room around the paddle's picture for its outline.
constexpr int kPaddleMargin = 2;
const QColor kOutline(0x2b, 0x2d, 0x42);
const QColor kSky(0xe9, 0xf3, 0xfb);
const QColor kFloor(0xcf, 0xdd, 0xea);

}  // namespace

ArcadeField::ArcadeField(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(arcade::kFieldWidth / kTwipsPerPixel, arcade::kFieldHeight / kTwipsPerPixel);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QSize ArcadeField::sizeHint() const {
    return minimumSize();
}

int ArcadeField::heightForWidth(int width) const {
    return width * arcade::kFieldHeight / arcade::kFieldWidth;
}

const Place* ArcadeField::place() {
    if (!m_dialog) {
        m_dialog = qobject_cast<PlaceDialog*>(window());
        if (m_dialog) connect(m_dialog, &PlaceDialog::handled, this, &ArcadeField::refresh);
    }
    return m_dialog ? &m_dialog->place() : nullptr;
}

void ArcadeField::showEvent(QShowEvent* event) {
    place();
    QWidget::showEvent(event);
}

void ArcadeField::resizeEvent(QResizeEvent* event) {
    m_ball = sprite("P1");
    m_paddle = sprite("C1");
    QWidget::resizeEvent(event);
}

void ArcadeField::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void ArcadeField::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

QRectF ArcadeField::fieldRect() const {
    const qreal scale =
        std::min(width() / qreal(arcade::kFieldWidth), height() / qreal(arcade::kFieldHeight));
    const QSizeF size(arcade::kFieldWidth * scale, arcade::kFieldHeight * scale);
    return QRectF(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

ArcadeField::Sprite ArcadeField::sprite(const char* control) {
    const Place* rules = place();
    if (!rules || !rules->has(control)) return {};
    const Control& c = (*rules)[control];
    if (!c.geometry || !c.visible) return {};
    const QRectF field = fieldRect();
    const qreal scale = field.width() / arcade::kFieldWidth;
    // Whole pixels keep the pictures sharp; the field clips whatever lies beyond its edges.
    const QRectF at(field.left() + c.geometry->left * scale, field.top() + c.geometry->top * scale,
                    c.geometry->width * scale, c.geometry->height * scale);
    return {at.toRect(), QString::fromStdString(c.picture)};
}

void ArcadeField::refresh() {
    const Sprite ball = sprite("P1");
    const Sprite paddle = sprite("C1");
    QRegion dirty;
    if (ball != m_ball)
        dirty += m_ball.rect.adjusted(-2, -2, 2, 2) | ball.rect.adjusted(-2, -2, 2, 2);
    if (paddle != m_paddle)
        dirty += m_paddle.rect.adjusted(-2, -2, 2, 2) | paddle.rect.adjusted(-2, -2, 2, 2);
    m_ball = ball;
    m_paddle = paddle;
    if (!dirty.isEmpty()) update(dirty);
}

void ArcadeField::paintEvent(QPaintEvent* event) {
    // A tick dirties only where the ball and the paddle were and are: paint only what lies there.
    const QRegion& dirty = event->region();
    QPainter painter(this);
    painter.setClipRegion(dirty);
    painter.fillRect(rect(), window()->palette().window());  // around the field: the window
    const QRectF field = fieldRect();
    painter.fillRect(field, kSky);
    // The strip below the floor line, where a missed ball is lost.
    const qreal scale = field.width() / arcade::kFieldWidth;
    painter.fillRect(QRectF(field.left(), field.top() + arcade::kFloorLine * scale, field.width(),
                            field.height() - arcade::kFloorLine * scale),
                     kFloor);
    painter.save();
    painter.setClipRect(field, Qt::IntersectClip);
    m_paddle = sprite("C1");
    m_ball = sprite("P1");
    if (dirty.intersects(m_paddle.rect.adjusted(-1, -1, 1, 1))) paintPaddle(painter, m_paddle);
    if (dirty.intersects(m_ball.rect)) painter.drawPixmap(m_ball.rect.topLeft(), ballPixmap());
    painter.restore();
    const QRectF inside = field.adjusted(6, 6, -6, -6);
    if (!inside.contains(dirty.boundingRect())) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(kOutline, 2));
        painter.drawRect(field.adjusted(1, 1, -1, -1));
        if (hasFocus()) {
            painter.setPen(QPen(palette().highlight(), 2, Qt::DashLine));
            painter.drawRect(field.adjusted(4, 4, -4, -4));
        }
    }
}

const QPixmap& ArcadeField::ballPixmap() {
    const qreal ratio = devicePixelRatioF();
    if (m_ballPixmap.isNull() || m_ballArt != m_ball.picture ||
        m_ballPixmap.deviceIndependentSize().toSize() != m_ball.rect.size() ||
        m_ballPixmap.devicePixelRatio() != ratio) {
        m_ballArt = m_ball.picture;
        m_ballPixmap = artPixmap(m_ball.picture, m_ball.rect.size(), ratio);
    }
    return m_ballPixmap;
}

void ArcadeField::paintPaddle(QPainter& painter, const Sprite& paddle) {
    if (paddle.rect.isEmpty()) return;
    painter.drawPixmap(paddle.rect.topLeft() - QPoint(kPaddleMargin, kPaddleMargin),
                       paddlePixmap(paddle));
}

const QPixmap& ArcadeField::paddlePixmap(const Sprite& paddle) {
    // Drawn once for each picture and size, not at every tick: the paddle only moves.
    const qreal ratio = devicePixelRatioF();
    if (!m_paddlePixmap.isNull() && m_paddleArt == paddle.picture &&
        m_paddleSize == paddle.rect.size() && m_paddlePixmap.devicePixelRatio() == ratio)
        return m_paddlePixmap;
    m_paddleArt = paddle.picture;
    m_paddleSize = paddle.rect.size();
    // The outline reaches a pixel beyond the paddle: the picture has a margin for it.
    const QRect rect(QPoint(kPaddleMargin, kPaddleMargin), paddle.rect.size());
    m_paddlePixmap = QPixmap((paddle.rect.size() + QSize(2, 2) * kPaddleMargin) * ratio);
    m_paddlePixmap.setDevicePixelRatio(ratio);
    m_paddlePixmap.fill(Qt::transparent);
    QPainter painter(&m_paddlePixmap);
    // The paddle's pattern repeats along it, so a shrinking paddle keeps its pattern's shape.
    const QSize tile = artSize(paddle.picture);
    QPainterPath shape;
    const qreal radius = rect.height() / 3.0;
    shape.addRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!tile.isEmpty()) {
        const int height = rect.height();
        const int width = std::max(1, tile.width() * height / tile.height());
        QBrush pattern(artPixmap(paddle.picture, QSize(width, height), ratio));
        pattern.setTransform(QTransform::fromTranslate(rect.left(), rect.top()));
        painter.fillPath(shape, pattern);
    }
    painter.setPen(QPen(kOutline, 2));
    painter.drawPath(shape);
    return m_paddlePixmap;
}

}  // namespace brankor::ui
