#pragma once
// Brings a window's widgets in line with its place's controls, by control name.
#include <QWidget>

#include "framework/place.h"

namespace brankor::ui {

/// Applies one control's state to the widget of the same name.
void applyControl(QWidget& widget, const Control& control);

/// The key a window hears for a Qt key (Key::None for keys the game does not know).
Key gameKey(int qtKey);

}  // namespace brankor::ui
