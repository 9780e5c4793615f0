#pragma once
// Saved-game files on disk: read with QFile, written with QSaveFile (a temporary file renamed
// over the old one only when everything was written), so a failed save never spoils an earlier
// file.
#include "game/savegame/savedgamefiles.h"

namespace brankor::ui {

class QtSavedGameFiles : public SavedGameFiles {
  public:
    FileContents read(const std::string& path, std::size_t limit) override;
    FileError write(const std::string& path, std::string_view bytes) override;
};

}  // namespace brankor::ui
