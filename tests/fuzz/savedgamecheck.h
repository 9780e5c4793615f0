#pragma once
// One input through the saved-game reader, shared by the fuzz target and the replay of its
// corpus: reading must never crash, and a file it accepts must save and load back unchanged.
#include "game/savegame/codepage.h"
#include "game/savegame/savedgame.h"

namespace brankor::testing {

/// What went wrong with `bytes`, or nullopt when all is well.
inline std::optional<std::string> checkSavedGameBytes(std::string_view bytes) {
    const Outcome<SavedGame> record = parseSavedGame(bytes);
    if (!record) return std::nullopt;
    GameState loaded;
    applySavedGame(loaded, record.value());
    const Outcome<std::string> saved = encodeSavedGame(loaded);
    // Only a UTF-8 file can hold a character the code page lacks.
    if (!saved && isUtf8(bytes)) return std::nullopt;
    if (!saved) return "a loaded Windows-1251 game cannot be saved: " + saved.reason();
    const Outcome<SavedGame> reread = parseSavedGame(saved.value());
    if (!reread) return "a saved game does not load: " + reread.reason();
    GameState again;
    applySavedGame(again, reread.value());
    if (!(again == loaded)) return "a saved game loads differently";
    return std::nullopt;
}

}  // namespace brankor::testing
