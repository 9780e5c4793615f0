#pragma once
// What the game remembers between runs on this computer (the folder of saved games, the recent
// games, the main window's place): the user's own settings file of the game.
#include <QSettings>
#include <QString>
#include <memory>

namespace brankor::ui {

/// The game's settings file (in the user's configuration folder).
std::unique_ptr<QSettings> gameSettings();

/// The folder the save and load dialogs open in: the one the player last chose, else "Бранкор"
/// in the documents folder (else in the game's data folder), created on first use.
QString savedGamesFolder();

/// The player chose a file in `folder`: the next dialog opens there.
void rememberSavedGamesFolder(const QString& folder);

}  // namespace brankor::ui
