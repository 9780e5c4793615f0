#include "fixedfigures.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>

#include "windowscale.h"

namespace brankor::ui {
namespace {

constexpr const char* kWidest = "widest";

void fit(QLabel& label) {
    // Measured as the label measures its own text: whole pixels around the figures' fractional
    // widths, so that the widest text is never cut off by a pixel.
    const QRect needed = QFontMetrics(label.font())
                             .boundingRect(QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX),
                                           Qt::TextSingleLine, label.property(kWidest).toString());
    const QSize size = needed.size().grownBy(label.contentsMargins());
    if (label.minimumSize() != size || label.maximumSize() != size) label.setFixedSize(size);
}

/// Fits its label again after each change of font.
class FigureFit : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FontChange) fit(*static_cast<QLabel*>(watched));
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void fixFigures(QLabel& label, const QString& widest) {
    label.setProperty(kWidest, widest);
    sizedByFont(label);  // the zoom scales the font, and the size follows it here
    label.installEventFilter(new FigureFit(&label));
    fit(label);
}

void fixFormFigures(QWidget& root) {
    for (QLabel* label : root.findChildren<QLabel*>())
        if (const QVariant widest = label->property(kWidest); widest.isValid())
            fixFigures(*label, widest.toString());
}

}  // namespace brankor::ui
