#pragma once
// A value label paints its own background, the colour the style sheet gives it, so that a new
// value (a clock tick, a charge) repaints the label alone and not the frames and the window
// beneath it. Qt's style sheets turn a label's own filling off each time they style it (at its
// first show and at each change of zoom): it is turned on again each time after.
class QWidget;

namespace brankor::ui {

/// Every value label (role "value") under `root`, and every label its form marks so (property
/// "paintsBackground", as a blinking heading), fills its background wherever the style sheet
/// gives it a solid colour; on a gradient or a picture it stays see-through.
void paintValuesOpaque(QWidget& root);

}  // namespace brankor::ui
