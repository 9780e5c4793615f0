#include "game/savegame/recovery.h"

#include "game/game.h"
#include "game/savegame/savedgame.h"
#include "game/windownames.h"

namespace brankor {

void saveRecovery(Game& game) {
    RecoveryFile* file = game.recovery();
    if (!file) return;
    Outcome<std::string> bytes = encodeSavedGame(game.state);
    if (!bytes) return file->log("the game cannot be saved: " + bytes.reason());
    file->write(std::move(bytes.value()));
}

void saveRecoveryAtClose(Game& game) {
    // The main window lives from the start-up window's "OK" to the death.
    if (game.windows().isOpen(window::kMain)) saveRecovery(game);
}

void removeRecovery(Game& game) {
    if (RecoveryFile* file = game.recovery()) file->remove();
}

bool canRestore(Game& game) {
    RecoveryFile* file = game.recovery();
    return file && file->exists();
}

}  // namespace brankor
