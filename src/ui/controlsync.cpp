#include "controlsync.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "art.h"
#include "zoom.h"

namespace brankor::ui {
namespace {

void showPicture(QWidget& widget, const QString& picture) {
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
        // A label laid out at a fixed size draws the picture at that size; otherwise at the
        // picture's own size at the zoom. Drawn again when the zoom changed the size.
        QSize size = label->testAttribute(Qt::WA_Resized) ? label->size() : label->minimumSize();
        if (size.width() < 8 || size.height() < 8) {
            const QSize natural = artSize(picture);
            size = QSize(zoomed(natural.width()), zoomed(natural.height()));
        }
        if (label->property("art").toString() == picture && !label->pixmap().isNull() &&
            label->pixmap().deviceIndependentSize().toSize() == size)
            return;
        label->setProperty("art", picture);
        label->setPixmap(artPixmap(picture, size, label->devicePixelRatioF()));
    } else if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        if (button->property("art").toString() == picture) return;
        button->setProperty("art", picture);
        button->setIcon(artIcon(picture));
    }
}

/// What the player sees of a text: line breaks as the widgets give them back (LF only), so that
/// an unchanged text compares equal and is never set again (which would throw the reader of a
/// long text back to its top at every tick).
QString shownText(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return shown;
}

void showText(QWidget& widget, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
        label->setTextFormat(Qt::PlainText);
        if (label->text() != text) label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        if (button->text() != text) button->setText(text);
    } else if (auto* line = qobject_cast<QLineEdit*>(&widget)) {
        if (line->text() != text) line->setText(text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(&widget)) {
        if (plain->toPlainText() != text) plain->setPlainText(text);
    } else if (auto* rich = qobject_cast<QTextEdit*>(&widget)) {
        if (rich->toPlainText() != text) rich->setPlainText(text);
    } else if (auto* frame = qobject_cast<QGroupBox*>(&widget)) {
        if (frame->title() != text) frame->setTitle(text);
    }
}

/// Twips to pixels: 15 to one at 100 %, then the zoom.
int pixels(int twips) {
    return static_cast<int>(twips * Zoom::instance().factor() / 15);
}

}  // namespace

void applyControl(QWidget& widget, const Control& control) {
    // The place first: a picture is drawn at the size of its control.
    if (control.geometry) {
        const Twips& g = *control.geometry;
        const QRect rect(pixels(g.left), pixels(g.top), pixels(g.width), pixels(g.height));
        if (widget.geometry() != rect) widget.setGeometry(rect);
    }
    if (!control.picture.empty()) {
        showPicture(widget, QString::fromStdString(control.picture));
    } else {
        if (!widget.property("art").toString().isEmpty()) {
            widget.setProperty("art", QString());
            if (auto* label = qobject_cast<QLabel*>(&widget)) label->clear();
            if (auto* button = qobject_cast<QAbstractButton*>(&widget)) button->setIcon({});
        }
        showText(widget, shownText(control.text));
    }
    const bool enabled = !widget.testAttribute(Qt::WA_ForceDisabled);
    if (enabled != control.enabled) widget.setEnabled(control.enabled);
    if (widget.isHidden() == control.visible) widget.setVisible(control.visible);
}

Key gameKey(int qtKey) {
    // Letters and digits: Qt's codes are the characters 'A'..'Z' and '0'..'9', as the game's.
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return static_cast<Key>(qtKey);
    switch (qtKey) {
        case Qt::Key_Left:
            return Key::Left;
        case Qt::Key_Up:
            return Key::Up;
        case Qt::Key_Right:
            return Key::Right;
        case Qt::Key_Down:
            return Key::Down;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return Key::Enter;
        case Qt::Key_Escape:
            return Key::Escape;
        case Qt::Key_Space:
            return Key::Space;
        default:
            return Key::None;
    }
}

}  // namespace brankor::ui
