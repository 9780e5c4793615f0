#pragma once
// The arcade's playing field: paints the ball and the paddle from their twips geometry, scaled
// to the widget's size and drawn at the screen's own resolution. After each handler of its
// window it repaints only where the ball or the paddle was or now is.
#include <QPixmap>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

namespace brankor {
class Place;
}

namespace brankor::ui {

class PlaceDialog;

class ArcadeField : public QWidget {
    Q_OBJECT
  public:
    explicit ArcadeField(QWidget* parent = nullptr);
    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    /// What is drawn of one moving control: where (in widget pixels) and with which picture.
    struct Sprite {
        QRect rect;
        QString picture;
        bool operator==(const Sprite&) const = default;
    };

    /// The window's place, found the first time it is needed.
    const Place* place();
    /// The field's rectangle in widget pixels: the largest of the field's shape that fits.
    QRectF fieldRect() const;
    Sprite sprite(const char* control);
    /// Repaints what moved since the last paint.
    void refresh();
    void paintPaddle(class QPainter& painter, const Sprite& paddle);
    /// The paddle's picture with its outline, made again only when the picture or size changes.
    const QPixmap& paddlePixmap(const Sprite& paddle);
    /// The ball's picture at its drawn size, made again only when the picture or size changes.
    const QPixmap& ballPixmap();

    QPointer<PlaceDialog> m_dialog;
    Sprite m_ball;
    Sprite m_paddle;
    QString m_ballArt;
    QPixmap m_ballPixmap;
    QString m_paddleArt;
    QSize m_paddleSize;
    QPixmap m_paddlePixmap;
};

}  // namespace brankor::ui
