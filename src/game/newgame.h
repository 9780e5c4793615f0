#pragma once
#include "game/game.h"

namespace brankor {

/// The welcome text shown in the main window at every new game.
extern const char* const kWelcomeText;

/// The new-game procedure: puts every field and module variable to its starting value, dates the
/// game today and shows the main window. Leaves the hour, the caption and hidden study rows alone.
void ForLoadMain(Game& game);

/// A fresh main window: every field back to its window-creation text, then ForLoadMain.
void createMainWindow(Game& game);

}  // namespace brankor
