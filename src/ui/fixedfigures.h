#pragma once
// A label of figures that change often (a clock) keeps the size of its widest text: a new figure
// then repaints the label alone, where a label free to grow would lay its whole window out again
// at every tick.
class QLabel;
class QString;
class QWidget;

namespace brankor::ui {

/// `label` takes the size of `widest` in its own font, and again whenever its font changes (a
/// zoom, or the style making it bold).
void fixFigures(QLabel& label, const QString& widest);
/// The same for every label under `root` whose form names its widest text (property "widest").
void fixFormFigures(QWidget& root);

}  // namespace brankor::ui
