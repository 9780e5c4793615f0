// The start-up window, the main window it opens and its menus on real widgets (a new game); saving
// and loading with real files and the platform's file dialogs; the recovery save in a temporary
// data folder and "&Восстановить игру", also after a game killed outright (SIGKILL). That game runs
// in a child process: this program started again with "--play-a-day".
#include "core/savegame/savedgame.h"
#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

constexpr std::int64_t kHour = 1500;
constexpr const char* kPlay = "--play-a-day";

QString recoveryFile() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/recovery.brk";
}

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

/// Opens the "&Файл" menu as the player does and tells whether "Восстановить игру" can be chosen.
bool restoreOffered(UiGame& g) {
    auto* menu = g.main()->findChild<QMenu*>(QStringLiteral("mnuFile"));
    menu->popup(g.main()->mapToGlobal(QPoint(0, 0)));
    const bool enabled = g.main()->findChild<QAction*>(QStringLiteral("Restore"))->isEnabled();
    menu->hide();
    return enabled;
}

void toMidnight(UiGame& g) {
    g.main()->advanceTime((24 - std::stoi(g.state().lblHours)) * kHour);
}

void trigger(UiGame& g, const char* item) {
    g.main()->findChild<QAction*>(QString::fromUtf8(item))->trigger();
}

/// The child: a new game with money and a salary, the clock run past midnight and most of the next
/// day spent; then it prints the day of that midnight and waits to be killed.
int playADay() {
    UiGame g;
    g.startGame();
    g.state().lblMoney = "4321";
    g.state().lblWorkEarn = "79";
    while (g.state().lblHours != "0") g.main()->advanceTime(kHour);
    const std::string day = g.state().lblDay;
    // The disk has a whole game day to take the write; here it gets what it needs.
    for (int waited = 0; !QFile::exists(recoveryFile()) && waited < 4000; ++waited)
        QThread::msleep(5);
    g.state().lblMoney = "1";  // what the day after the midnight brings is lost
    g.main()->advanceTime(23 * kHour);
    std::printf("midnight day=%s\n", day.c_str());
    std::fflush(stdout);
    return QApplication::exec();
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_data;

  private slots:
    void init() {
        qputenv("XDG_DATA_HOME", m_data.path().toUtf8());
        QVERIFY(recoveryFile().startsWith(m_data.path()));
        QFile::remove(recoveryFile());
    }

    void okShowsTheNewGameOnTheStatusPanel() {
        UiGame g;
        g.clock.date = {2026, 12, 6};
        g.app.start();
        QVERIFY(!g.main() && !g.visible("frmFirst", "cmdOkAbout"));
        QVERIFY(!g.widget<QLabel>("frmFirst", "imgOnFirst")->pixmap().isNull());
        g.click("frmFirst", "cmdOK");
        g.state().lblMoney = "999";
        g.messages.answers = {Answer::Yes};
        trigger(g, "NewGame");  // the start-up window again, with its own buttons
        QVERIFY(!g.main()->isVisible() && g.visible("frmFirst", "cmdExit"));
        QVERIFY(!g.visible("frmFirst", "cmdOkAbout"));
        g.click("frmFirst", "cmdOK");
        QVERIFY(g.main() && g.main()->isVisible() && !g.nav().dialog("frmFirst"));
        QCOMPARE(g.main()->windowTitle(), QStringLiteral("Бранкор"));
        QCOMPARE(g.texts("frmMain", {"lblMoney", "lblStatus", "lblHappyness", "lblHungry", "lblDay",
                                     "lblMonth", "lblYear", "lblHours", "lblSSchool", "lblEEnglish",
                                     "lblCComputer", "lblMyWork", "lblCar", "lblVinchester"}),
                 QStringLiteral("170|Чайник|30|30|06|12|26|1|Не учусь|Не учусь|"
                                "Не учусь|Пока нет|Нет машины|Пока нет"));
        // A screen reader hears a value with its caption.
        QCOMPARE(g.widget("frmMain", "lblMoney")->accessibleName(), QStringLiteral("Деньги: 170"));
        QVERIFY(g.text("frmMain", "lblSpHelp").startsWith(" Добро пожаловать в игру \"Бранкор\"."));
    }

    void aSavedGameComesBackOnThePanel() {
        UiGame g;
        g.startGame();
        QTemporaryDir dir;
        // Chooses a menu item and picks `name` in the file dialog, which shows only saved games.
        const auto choose = [&](const char* item, const QString& name) {
            QStringList filters;
            soon([&] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                filters = dialog->nameFilters();
                dialog->setDirectory(dir.path());
                dialog->selectFile(name);
                // done() rather than accept(), which would ask before replacing a file.
                static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
            });
            trigger(g, item);
            QCOMPARE(filters, QStringList{QStringLiteral("Бранкор (*.brk)")});
        };
        g.state().lblMoney = "4321";
        g.state().Caption = "Бранкор: мой";
        choose("Save", QStringLiteral("game"));  // the dialog adds ".brk"
        QCOMPARE(savedMoney(dir.filePath("game.brk")), std::string("4321"));

        // A sum the letter code cannot hold is refused, and the earlier file stays.
        g.state().lblMoney = "-5";
        choose("Save", QStringLiteral("game.brk"));
        QCOMPARE(g.messages.shown.back().text,
                 std::string("Вы не сохранили игру.Сумму «-5» нельзя записать буквами"));
        QCOMPARE(savedMoney(dir.filePath("game.brk")), std::string("4321"));

        g.state().Caption = "Бранкор";
        choose("Load", QStringLiteral("game.brk"));
        QCOMPARE(g.messages.shown.size(), size_t{1});
        QCOMPARE(g.text("frmMain", "lblMoney") + g.main()->windowTitle(), "4321Бранкор: мой");
    }

    void restoreFollowsTheRecoveryFileAndBringsBackTheLastMidnight() {
        UiGame g;
        g.startGame();
        g.state().lblMoney = "4321";
        g.main()->advanceTime(10 * kHour);
        QVERIFY(!restoreOffered(g));  // no midnight yet
        toMidnight(g);
        QVERIFY(restoreOffered(g));
        g.state().lblMoney = "5";
        g.state().lblClothes = "Модная";
        g.main()->advanceTime(5 * kHour);
        trigger(g, "Restore");
        QVERIFY(g.messages.shown.empty());
        QCOMPARE(g.texts("frmMain", {"lblMoney", "lblClothes"}), QStringLiteral("4321|Дряхлая"));
        QVERIFY(QFile::remove(recoveryFile()));  // gone behind the game's back
        QVERIFY(!restoreOffered(g));

        // A death removes it; the close box, answered Yes, saves the game in play on the way out.
        toMidnight(g);
        g.state().lblHungry = "-29";
        g.main()->advanceTime(18 * kHour);  // the next life tick kills
        QVERIFY(!g.main() && !QFile::exists(recoveryFile()));
        g.click("frmFirst", "cmdOK");
        QVERIFY(!restoreOffered(g));
        g.state().lblMoney = "777";
        g.messages.answers = {Answer::No, Answer::Yes};
        QVERIFY(!g.main()->close() && !g.quit);
        g.main()->close();
        QVERIFY(g.quit);
        QCOMPARE(savedMoney(recoveryFile()), std::string("777"));
    }

    void anUnwritableDataFolderChangesNothingVisible() {
        // The data folder's place is taken by a file, so it cannot be created.
        QFile blocker(m_data.filePath(QStringLiteral("blocked")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        qputenv("XDG_DATA_HOME", blocker.fileName().toUtf8());
        UiGame g;
        g.startGame();
        g.state().lblWorkEarn = "50";
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Recovery save: cannot create "));
        toMidnight(g);
        QVERIFY(!restoreOffered(g) && g.messages.shown.empty());
        g.main()->advanceTime(3 * kHour);  // the clock goes on
        QCOMPARE(g.texts("frmMain", {"lblHours", "lblMoney"}), QStringLiteral("3|220"));
    }

    void aKilledGameLosesAtMostTheDayAfterTheLastMidnight() {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {QString::fromUtf8(kPlay)});
        QByteArray report;
        while (!report.contains('\n') && child.waitForReadyRead(60000)) report += child.readAll();
        QVERIFY2(report.startsWith("midnight day="), report.constData());
        child.kill();  // SIGKILL: no handler, no aboutToQuit, nothing flushed
        QVERIFY(child.waitForFinished() && child.exitStatus() == QProcess::CrashExit);

        // The next run, here: a new game, then "Восстановить игру".
        UiGame g;
        g.startGame();
        QVERIFY(restoreOffered(g));
        trigger(g, "Restore");
        QCOMPARE(g.texts("frmMain", {"lblMoney", "lblDay"}),
                 "4400|" + QString::fromUtf8(report.mid(13).trimmed()));  // with the salary
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ui::Application::setUpQt();  // the game's name, so both runs share its data
                                 // folder
    if (argc > 1 && QByteArray(argv[1]) == kPlay) return playADay();
    StartupTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "startup_test.moc"
