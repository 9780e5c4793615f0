#include "gamesettings.h"

#include <QDir>
#include <QStandardPaths>

namespace brankor::ui {
namespace {

const QString kFolderKey = QStringLiteral("savedGames/folder");

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

}  // namespace brankor::ui
