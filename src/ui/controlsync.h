#pragma once
// Brings a window's widgets in line with its place's controls, by control name.
#include <QWidget>

#include "core/place.h"

namespace brankor::ui {

/// Applies one control's state to the widget of the same name.
void applyControl(QWidget& widget, const Control& control);

/// The game's key code (letters and digits as their upper-case character code; arrows 37 to 40;
/// Enter 13; Escape 27; Space 32) for a Qt key, or 0.
int gameKeyCode(int qtKey);

}  // namespace brankor::ui
