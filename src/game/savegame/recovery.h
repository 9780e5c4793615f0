#pragma once
// The recovery save: the whole game, in the saved-game format, written at every game midnight and
// whenever the program closes other than by a death, so a crash or a power cut loses at most one
// game day. A death removes it: it never brings a dead player back.
#include <cstddef>
#include <string>

#include "game/savegame/savedgamefiles.h"

namespace brankor {

class Game;

/// The one recovery file in the player's data folder, kept by the platform. Nothing about it is
/// ever shown to the player: failures go to the log.
class RecoveryFile {
  public:
    virtual ~RecoveryFile() = default;
    virtual bool exists() = 0;
    /// The file's bytes, at most `limit` of them.
    virtual FileContents read(std::size_t limit) = 0;
    /// Replaces the file by `bytes` in one step without holding up the game; on any failure the
    /// earlier file stays as it was and the failure is logged.
    virtual void write(std::string bytes) = 0;
    /// Deletes the file; a failure is logged.
    virtual void remove() = 0;
    /// Logs why a recovery save was not made.
    virtual void log(const std::string& problem) = 0;
};

/// Writes the game to the recovery file (a game midnight). A game that cannot be encoded keeps
/// the earlier file; the reason is logged.
void saveRecovery(Game& game);

/// The program is closing: saves the game in play, if any. Before the first game and after a
/// death nothing is written, so the file of an earlier run stays, and a dead game stays dead.
void saveRecoveryAtClose(Game& game);

/// The player died: the recovery file goes.
void removeRecovery(Game& game);

/// Whether there is a recovery file to restore.
bool canRestore(Game& game);

}  // namespace brankor
