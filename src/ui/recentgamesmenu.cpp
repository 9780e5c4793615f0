#include "recentgamesmenu.h"

#include <QDir>
#include <QFileInfo>

#include "game/game.h"
#include "game/savegame/savegamemenu.h"
#include "gamesettings.h"
#include "qtsavedgamefiles.h"

namespace brankor::ui {

RecentGamesMenu::RecentGamesMenu(Game& game, Act act, QWidget* parent)
    : QMenu(QStringLiteral("Н&едавние игры"), parent), m_game(game), m_act(std::move(act)) {
    setObjectName(QStringLiteral("mnuRecent"));
    setToolTipsVisible(true);
    connect(this, &QMenu::aboutToShow, this, &RecentGamesMenu::refill);
    refill();
}

void RecentGamesMenu::refill() {
    clear();
    const QStringList paths = recentGames();
    if (paths.isEmpty()) addAction(QStringLiteral("Пока пусто"))->setEnabled(false);
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QString& path = paths[i];
        // The number is the item's key; the whole path is in its tip.
        QAction* item =
            addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        item->setToolTip(QDir::toNativeSeparators(path));
        connect(item, &QAction::triggered, this, [this, path] { open(path); });
    }
}

void RecentGamesMenu::open(const QString& path) {
    m_act([this, path] {
        if (!QFileInfo::exists(path)) {
            forgetRecentGame(path);
            m_game.tell("Игры нет",
                        "Сохранённой игры «" + QDir::toNativeSeparators(path).toStdString() +
                            "» больше нет: файл удалили или перенесли. Из недавних игр она убрана.",
                        Icon::Information);
            return;
        }
        QtSavedGameFiles disk;
        if (loadSavedGame(m_game, disk, path.toStdString())) rememberRecentGame(path);
    });
}

}  // namespace brankor::ui
