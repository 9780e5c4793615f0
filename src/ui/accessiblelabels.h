#pragma once
// What a screen reader hears of a value label: its caption with it ("Деньги: 170"), never the
// bare number or the title of the frame around it.
#include <QHash>

class QLabel;
class QWidget;

namespace brankor::ui {

/// Every value label under `root` with the caption laid out to its left (the label before it
/// in a form, grid or row layout whose text ends with a colon or whose role is "caption"). Each
/// caption is made the buddy of its value, which gives the labelled-by relation.
QHash<QLabel*, QLabel*> pairCaptions(QWidget& root);

/// Names `value` for a screen reader after its caption and its present text.
void nameAfterCaption(QLabel& value, const QLabel& caption);

/// A picture that only decorates (no accessible name, no tooltip) is hidden from screen readers.
/// Pictures that tell something carry an accessible name instead.
void hideDecorativePictures(QWidget& root);

}  // namespace brankor::ui
