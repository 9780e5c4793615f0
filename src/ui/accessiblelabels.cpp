#include "accessiblelabels.h"

#include <QAccessibleWidget>
#include <QBoxLayout>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>

namespace brankor::ui {
namespace {

bool isCaption(const QWidget* widget) {
    const auto* label = qobject_cast<const QLabel*>(widget);
    if (!label || !label->pixmap().isNull()) return false;
    return label->property("role").toString() == QLatin1String("caption") ||
           label->text().trimmed().endsWith(QLatin1Char(':'));
}

/// The widget laid out just left of `widget` in `layout`, if `layout` holds it.
QWidget* leftNeighbour(QLayout& layout, QWidget* widget) {
    const int index = layout.indexOf(widget);
    if (index < 0) return nullptr;
    if (auto* form = qobject_cast<QFormLayout*>(&layout)) return form->labelForField(widget);
    if (auto* grid = qobject_cast<QGridLayout*>(&layout)) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        QLayoutItem* item = column > 0 ? grid->itemAtPosition(row, column - 1) : nullptr;
        return item ? item->widget() : nullptr;
    }
    if (auto* row = qobject_cast<QBoxLayout*>(&layout)) {
        if (row->direction() != QBoxLayout::LeftToRight) return nullptr;
        QLayoutItem* item = index > 0 ? row->itemAt(index - 1) : nullptr;
        return item ? item->widget() : nullptr;
    }
    return nullptr;
}

/// What a screen reader is told of a decorative picture: that it is not there to be read.
class DecorativePicture : public QAccessibleWidget {
  public:
    explicit DecorativePicture(QWidget* picture)
        : QAccessibleWidget(picture, QAccessible::Graphic) {}
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

QAccessibleInterface* decorativePictures(const QString& className, QObject* object) {
    if (className != QLatin1String("QLabel") || !object) return nullptr;
    if (!object->property("decorative").toBool()) return nullptr;
    return new DecorativePicture(static_cast<QWidget*>(object));
}

}  // namespace

void hideDecorativePictures(QWidget& root) {
    static const bool installed = (QAccessible::installFactory(decorativePictures), true);
    (void)installed;
    for (QLabel* picture : root.findChildren<QLabel*>()) {
        if (picture->pixmap().isNull() || !picture->accessibleName().isEmpty() ||
            !picture->toolTip().isEmpty())
            continue;
        picture->setProperty("decorative", true);
    }
}

QHash<QLabel*, QLabel*> pairCaptions(QWidget& root) {
    QHash<QLabel*, QLabel*> pairs;
    const QList<QLayout*> layouts = root.findChildren<QLayout*>();
    for (QLabel* value : root.findChildren<QLabel*>()) {
        if (value->property("role").toString() != QLatin1String("value")) continue;
        // A form placed by hand names the caption's buddy itself.
        for (QLabel* caption : root.findChildren<QLabel*>()) {
            if (caption->buddy() == value) pairs.insert(value, caption);
        }
        if (pairs.contains(value)) continue;
        for (QLayout* layout : layouts) {
            QWidget* left = leftNeighbour(*layout, value);
            if (!left) continue;
            if (isCaption(left)) {
                auto* caption = static_cast<QLabel*>(left);
                caption->setBuddy(value);
                pairs.insert(value, caption);
            }
            break;
        }
    }
    return pairs;
}

void nameAfterCaption(QLabel& value, const QLabel& caption) {
    QString name = caption.text().trimmed();
    name.remove(QLatin1Char('&'));
    name += QLatin1Char(' ') + value.text();
    if (value.accessibleName() != name) value.setAccessibleName(name);
}

}  // namespace brankor::ui
