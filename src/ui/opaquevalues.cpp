#include "opaquevalues.h"

#include <QEvent>
#include <QLabel>
#include <QTimer>

namespace brankor::ui {
namespace {

void fillBackground(QLabel& label) {
    const bool solid = label.palette().window().isOpaque();
    if (label.autoFillBackground() != solid) label.setAutoFillBackground(solid);
}

/// Watches the value labels of one window for the style sheet styling them.
class OpaqueValues : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::Polish:
            case QEvent::PaletteChange:
            case QEvent::StyleChange: {
                // The style sheet turns the filling off after these events, while it styles.
                auto* label = static_cast<QLabel*>(watched);
                QTimer::singleShot(0, label, [label] { fillBackground(*label); });
                break;
            }
            default:
                break;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void paintValuesOpaque(QWidget& root) {
    auto* filter = new OpaqueValues(&root);
    for (QLabel* label : root.findChildren<QLabel*>()) {
        if (label->property("role").toString() != QLatin1String("value") &&
            !label->property("paintsBackground").toBool())
            continue;
        label->installEventFilter(filter);
        fillBackground(*label);
    }
}

}  // namespace brankor::ui
