#pragma once
// The main window's menu commands and its close rule.
#include "game/game.h"

namespace brankor {

inline constexpr const char* kConfirmTitle = "Подтвердите";
inline constexpr const char* kExitQuestion = "Вы действительно хотите выйти?";

/// "Новая игра": after Yes the main window hides (its game keeps ticking) and the start-up
/// window offers a fresh start.
void menuNewGame(Game& game);

/// "Выход": after Yes the program ends.
void menuExit(Game& game);

/// The main window is being closed. Returns true when it may close; a Yes ends the program.
bool queryCloseMain(Game& game);

}  // namespace brankor
