#pragma once
// The main window's "&Сохранить игру", "За&грузить игру" and "&Восстановить игру".
#include <optional>
#include <string>

#include "game/game.h"
#include "game/savegame/savedgamefiles.h"

namespace brankor {

inline constexpr const char* kSaveFailedTitle = "Не сохранили.";
inline constexpr const char* kSaveFailedText = "Вы не сохранили игру.";
inline constexpr const char* kLoadFailedTitle = "Не загрузили";
inline constexpr const char* kLoadFailedText = "Вы не загрузили игру.";

/// Saves the game to a file chosen in the save dialog and returns its path. Any failure shows
/// one information box, returns nothing and leaves an earlier file at that path as it was.
std::optional<std::string> menuSave(Game& game, SavedGameFiles& files);

/// Replaces the game by the one in a file chosen in the open dialog and returns its path. The
/// whole file is checked first: any failure shows one information box and changes nothing.
std::optional<std::string> menuLoad(Game& game, SavedGameFiles& files);

/// Replaces the game by the one in the file at `path`, checked whole as menuLoad checks the
/// chosen file (the same box on a failure). Returns whether the game was replaced.
bool loadSavedGame(Game& game, SavedGameFiles& files, const std::string& path);

/// Replaces the game by the recovery save, exactly as menuLoad loads a chosen file.
void menuRestore(Game& game);

/// The game opened with a saved-game file (from the file manager or the command line): the whole
/// file is checked first, as menuLoad checks it. A good file starts the game as the start-up
/// window's "OK" does and then loads it; a bad one shows menuLoad's box and starts nothing.
/// Returns whether the game started.
bool openAtStart(Game& game, SavedGameFiles& files, const std::string& path);

}  // namespace brankor
