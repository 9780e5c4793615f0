#pragma once
// The virus window's heading blinks white and red as the rules say; the colour is this window's
// own, so it is applied here after each of the window's handlers.
#include <QDialog>

namespace brankor::ui {

/// Sets up a virus window made from its form: the heading follows the rules' blink.
void followVirusHeading(QDialog& dialog);

}  // namespace brankor::ui
