#pragma once
// What the game remembers between runs on this computer (the folder of saved games, the recent
// games, the main window's place): the user's own settings file of the game.
#include <QSettings>
#include <QString>
#include <QStringList>
#include <memory>

namespace brankor::ui {

/// The game's settings file (in the user's configuration folder).
std::unique_ptr<QSettings> gameSettings();

/// The folder the save and load dialogs open in: the one the player last chose, else "Бранкор"
/// in the documents folder (else in the game's data folder), created on first use.
QString savedGamesFolder();

/// The player chose a file in `folder`: the next dialog opens there.
void rememberSavedGamesFolder(const QString& folder);

/// How many saved games "Недавние игры" lists.
inline constexpr int kRecentGamesLimit = 5;

/// The saved games last saved or loaded, newest first, each once, at most kRecentGamesLimit.
QStringList recentGames();

/// The player saved or loaded the game at `path`: it moves to the top of the recent games.
void rememberRecentGame(const QString& path);

/// The file at `path` is gone: it leaves the recent games.
void forgetRecentGame(const QString& path);

}  // namespace brankor::ui
