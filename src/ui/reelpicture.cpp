#include "reelpicture.h"

#include <QDynamicPropertyChangeEvent>
#include <QEvent>

namespace brankor::ui {
namespace {

/// The symbols' names, by picture.
QString symbolName(const QString& picture) {
    static const QHash<QString, QString> names = {
        {QStringLiteral("reel_cherries"), QStringLiteral("Вишни")},
        {QStringLiteral("reel_apple"), QStringLiteral("Яблоко")},
        {QStringLiteral("reel_hamburger"), QStringLiteral("Гамбургер")},
    };
    return names.value(picture);
}

}  // namespace

ReelPicture::ReelPicture(QWidget* parent) : QLabel(parent) {}

bool ReelPicture::event(QEvent* event) {
    if (event->type() == QEvent::DynamicPropertyChange &&
        static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName() == "art") {
        if (m_reel.isNull()) m_reel = accessibleName();
        const QString symbol = symbolName(property("art").toString());
        setAccessibleName(symbol.isEmpty() ? m_reel : m_reel + QStringLiteral(": ") + symbol);
    }
    return QLabel::event(event);
}

}  // namespace brankor::ui
