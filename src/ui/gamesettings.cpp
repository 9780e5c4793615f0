#include "gamesettings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace brankor::ui {
namespace {

const QString kFolderKey = QStringLiteral("savedGames/folder");
const QString kRecentKey = QStringLiteral("savedGames/recent");

/// One spelling per file, so that a file reached by another path is not listed twice.
QString canonical(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

void storeRecentGames(const QStringList& paths) {
    gameSettings()->setValue(kRecentKey, paths);
}

}  // namespace

std::unique_ptr<QSettings> gameSettings() {
    // Named here rather than by the application's names, which tests and tools may not set.
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("brankor"), QStringLiteral("brankor"));
}

QString savedGamesFolder() {
    const QString chosen = gameSettings()->value(kFolderKey).toString();
    if (!chosen.isEmpty() && QDir(chosen).exists()) return chosen;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty()) {
        const QString folder = documents + QStringLiteral("/Бранкор");
        if (QDir().mkpath(folder)) return folder;
    }
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (!data.isEmpty() && QDir().mkpath(data)) return data;
    return QDir::homePath();
}

void rememberSavedGamesFolder(const QString& folder) {
    gameSettings()->setValue(kFolderKey, folder);
}

QStringList recentGames() {
    return gameSettings()->value(kRecentKey).toStringList().mid(0, kRecentGamesLimit);
}

void rememberRecentGame(const QString& path) {
    const QString file = canonical(path);
    QStringList paths = recentGames();
    paths.removeAll(file);
    paths.prepend(file);
    storeRecentGames(paths.mid(0, kRecentGamesLimit));
}

void forgetRecentGame(const QString& path) {
    QStringList paths = recentGames();
    paths.removeAll(canonical(path));
    storeRecentGames(paths);
}

}  // namespace brankor::ui
