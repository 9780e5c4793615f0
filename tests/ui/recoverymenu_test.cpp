// The recovery save on disk and "&Восстановить игру" in the "&Файл" menu, with the data folder in
// a temporary directory.
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "core/savegame/savedgame.h"
#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

constexpr std::int64_t kHour = 1500;

/// The money in the saved game at `path`, or why it cannot be read.
std::string savedMoney(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "no file";
    const Outcome<SavedGame> record = parseSavedGame(file.readAll().toStdString());
    if (!record) return record.reason();
    GameState saved;
    applySavedGame(saved, record.value());
    return saved.lblMoney;
}

/// A started game with the "&Файл" menu at hand.
struct MenuGame : UiGame {
    MenuGame() { startGame(); }
    QMenu* fileMenu() { return main()->findChild<QMenu*>(QStringLiteral("mnuFile")); }
    QAction* item(const char* name) { return main()->findChild<QAction*>(QString::fromUtf8(name)); }
    /// Opens the "&Файл" menu as the player does and tells whether "Восстановить игру" can be
    /// chosen.
    bool restoreOffered() {
        fileMenu()->popup(main()->mapToGlobal(QPoint(0, 0)));
        const bool enabled = item("Restore")->isEnabled();
        fileMenu()->hide();
        return enabled;
    }
    /// Lets the clock run until the next midnight has passed.
    void toMidnight() {
        const int hour = std::stoi(state().lblHours);
        main()->advanceTime((24 - hour) * kHour);
    }
};

}  // namespace

class RecoveryMenuTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_data;
    QString m_file;

  private slots:
    void init() {
        QVERIFY(m_data.isValid());
        qputenv("XDG_DATA_HOME", m_data.path().toUtf8());
        m_file = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                 QStringLiteral("/recovery.brk");
        QVERIFY(m_file.startsWith(m_data.path()));
        QFile::remove(m_file);
    }

    void theItemFollowsTheFileAndRestoresTheLastMidnight() {
        MenuGame g;
        QStringList items;
        for (QAction* action : g.fileMenu()->actions()) items << action->text();
        QCOMPARE(items, (QStringList{"&Новая игра", "&Сохранить игру", "За&грузить игру",
                                     "&Восстановить игру", "", "&Выход"}));
        QVERIFY(!g.restoreOffered());

        g.state().lblMoney = "4321";
        g.main()->advanceTime(10 * kHour);
        QVERIFY(!g.restoreOffered());  // no midnight yet
        g.toMidnight();
        QVERIFY(g.restoreOffered());
        QCOMPARE(savedMoney(m_file), std::string("4321"));

        g.state().lblMoney = "5";
        g.state().lblClothes = "Модная";
        g.main()->advanceTime(5 * kHour);
        g.item("Restore")->trigger();
        QVERIFY(g.messages.shown.empty());
        QCOMPARE(g.text("frmMain", "lblMoney"), QStringLiteral("4321"));
        QCOMPARE(g.text("frmMain", "lblClothes"), QStringLiteral("Дряхлая"));

        QVERIFY(QFile::remove(m_file));  // gone behind the game's back
        QVERIFY(!g.restoreOffered());
    }

    void deathRemovesTheFileAndLeavingWritesIt() {
        MenuGame g;
        g.toMidnight();
        QVERIFY(g.restoreOffered());

        g.state().lblHungry = "-29";
        g.main()->advanceTime(18 * kHour);  // the next life tick kills
        QCOMPARE(g.messages.shown.back().title, std::string("+СМЕРТЬ+"));
        QVERIFY(!g.main());
        QVERIFY(!QFile::exists(m_file));

        g.click("frmFirst", "cmdOK");  // a new game, nothing to restore
        QVERIFY(!g.restoreOffered());

        // The close box, answered Yes, saves the game in play on the way out.
        g.state().lblMoney = "777";
        g.messages.answers = {Answer::Yes};
        g.main()->close();
        QVERIFY(g.quit);
        QCOMPARE(savedMoney(m_file), std::string("777"));
    }

    void anUnwritableDataFolderChangesNothingVisible() {
        // The data folder's place is taken by a file, so it cannot be created.
        QFile blocker(m_data.filePath(QStringLiteral("blocked")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        qputenv("XDG_DATA_HOME", blocker.fileName().toUtf8());

        MenuGame g;
        g.state().lblWorkEarn = "50";
        const std::string money = g.state().lblMoney;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Recovery save: cannot create "));
        g.toMidnight();
        QVERIFY(!g.restoreOffered());
        QVERIFY(g.messages.shown.empty());
        QCOMPARE(g.state().lblHours, std::string("0"));
        QCOMPARE(g.state().lblMoney, std::to_string(std::stoi(money) + 50));
        g.main()->advanceTime(3 * kHour);  // the clock goes on
        QCOMPARE(g.state().lblHours, std::string("3"));
    }
};

QTEST_MAIN(RecoveryMenuTest)
#include "recoverymenu_test.moc"
