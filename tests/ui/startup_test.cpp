// The start-up window, the main window it opens, its menus and the end window on real widgets;
// saving and loading with real files and the platform's file dialogs; the recovery save in a
// temporary data folder and "&Восстановить игру", also after a game killed outright (SIGKILL).
// That game runs in a child process: this program started again with "--play-a-day".
#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

#include "core/savegame/savedgame.h"
#include "core/startwindows.h"
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

void trigger(QWidget* main, const char* item) {
    main->findChild<QAction*>(QString::fromUtf8(item))->trigger();
}

/// The child: a new game with money and a salary, the clock run past midnight and most of the
/// next day spent; then it prints the day of that midnight and waits to be killed.
int playADay() {
    ui::Application game;
    game.start();
    game.navigator().dialog("frmFirst")->findChild<QPushButton*>("cmdOK")->click();
    GameState& state = game.game().state;
    state.lblMoney = "4321";
    state.lblWorkEarn = "79";
    while (state.lblHours != "0") game.navigator().mainWindow()->advanceTime(kHour);
    const std::string day = state.lblDay;
    // The disk has a whole game day to take the write; here it gets what it needs.
    for (int waited = 0; !QFile::exists(recoveryFile()) && waited < 4000; ++waited)
        QThread::msleep(5);
    state.lblMoney = "1";  // what the day after the midnight brings is lost
    game.navigator().mainWindow()->advanceTime(23 * kHour);
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

    void theCloseBoxAsksAndANewGameKeepsTheOldOneTickingUntilOk() {
        UiGame g;
        g.startGame();
        g.messages.answers = {Answer::No};
        QVERIFY(!g.main()->close());
        g.state().lblMoney = "999";
        g.state().lblHours = "7";
        g.messages.answers = {Answer::Yes};
        trigger(g.main(), "NewGame");
        QCOMPARE(g.messages.shown.at(0).text + "|" + g.messages.shown.at(1).text,
                 std::string("Вы действительно хотите выйти?|Вы действительно хотите начать "
                             "новую игру"));
        QVERIFY(!g.main()->isVisible());
        g.main()->advanceTime(kHour);
        QCOMPARE(g.state().lblHours + g.state().lblMoney, std::string("8999"));
        g.click("frmFirst", "cmdOK");
        QCOMPARE(g.state().lblHours + g.state().lblMoney, std::string("8170"));  // hour kept
        g.state().SkipExitConfirm = 1;  // after a death the close box asks nothing
        QVERIFY(g.main()->close());
        QVERIFY(g.messages.shown.size() == 2 && !g.quit);
    }

    void theEndWindowAndFinishedCourses() {
        UiGame g;
        g.startGame();
        soon([&] {
            QCOMPARE(g.widget<QLineEdit>("frmTheEnd", "txtEMAIL")->text(), QString(kContactEmail));
            QVERIFY(!g.widget<QLabel>("frmTheEnd", "imgTheEnd")->pixmap().isNull());
            g.click("frmTheEnd", "cmdOK");
        });
        g.nav().show("frmTheEnd", Modality::Modal);
        QVERIFY(!g.nav().dialog("frmTheEnd") && g.main()->isVisible());

        // A course finished: its fee row leaves the panel.
        g.state().lblSCost = "6";
        g.state().lblObras = "27";
        g.state().lblEduncation = "Неполное высшее";
        g.main()->advanceTime(18000);
        QCOMPARE(g.texts("frmMain", {"lblEduncation", "lblSSchool"}),
                 QStringLiteral("Высшее|Вы выучились в школе."));
        QVERIFY(!g.visible("frmMain", "lblSStoim") && !g.visible("frmMain", "lblSCost"));
        QVERIFY(g.visible("frmMain", "lblECost"));
    }

    void standardButtonsSpeakRussian() {
        ui::Application::installTranslations();
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Yes)->text().remove('&'), QStringLiteral("Да"));
        QCOMPARE(box.button(QMessageBox::No)->text().remove('&'), QStringLiteral("Нет"));
    }

    void aSavedGameComesBackOnThePanel() {
        // The real windows and file dialogs; message boxes, clock and chance scripted.
        FakeMessages messages;
        FakeClock clock;
        FakeRandom random;
        ui::Application app{ui::ApplicationPorts{&messages, &clock, &random, nullptr, [] {}}};
        app.start();
        app.navigator().dialog("frmFirst")->findChild<QPushButton*>("cmdOK")->click();
        ui::MainWindow* main = app.navigator().mainWindow();
        GameState& state = app.game().state;
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("game.brk"));
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
            trigger(main, item);
            QCOMPARE(filters, QStringList{QStringLiteral("Бранкор (*.brk)")});
        };
        state.lblMoney = "4321";
        state.Caption = "Бранкор: мой";
        choose("Save", QStringLiteral("game"));  // the dialog adds ".brk"
        QCOMPARE(savedMoney(path), std::string("4321"));

        // A sum the letter code cannot hold is refused, and the earlier file stays.
        state.lblMoney = "-5";
        choose("Save", QStringLiteral("game.brk"));
        QCOMPARE(messages.shown.size(), size_t{1});
        QCOMPARE(messages.shown.back().text,
                 std::string("Вы не сохранили игру.Сумму «-5» нельзя записать буквами"));
        QCOMPARE(savedMoney(path), std::string("4321"));

        state.Caption = "Бранкор";
        choose("Load", QStringLiteral("game.brk"));
        QCOMPARE(messages.shown.size(), size_t{1});
        QCOMPARE(main->findChild<QLabel*>("lblMoney")->text(), QStringLiteral("4321"));
        QCOMPARE(main->windowTitle(), QStringLiteral("Бранкор: мой"));
    }

    void restoreFollowsTheRecoveryFileAndBringsBackTheLastMidnight() {
        UiGame g;
        g.startGame();
        QStringList items;
        for (QAction* action : g.main()->findChild<QMenu*>("mnuFile")->actions())
            items << action->text();
        QCOMPARE(items, (QStringList{"&Новая игра", "&Сохранить игру", "За&грузить игру",
                                     "&Восстановить игру", "", "&Выход"}));
        g.state().lblMoney = "4321";
        g.main()->advanceTime(10 * kHour);
        QVERIFY(!restoreOffered(g));  // no midnight yet
        toMidnight(g);
        QVERIFY(restoreOffered(g));
        g.state().lblMoney = "5";
        g.state().lblClothes = "Модная";
        g.main()->advanceTime(5 * kHour);
        trigger(g.main(), "Restore");
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
        g.messages.answers = {Answer::Yes};
        g.main()->close();
        QVERIFY(g.quit);
        QCOMPARE(savedMoney(recoveryFile()), std::string("777"));
    }

    void anUnwritableDataFolderChangesNothingVisible() {
        // The data folder's place is taken by a file, so it cannot be created.
        QFile blocker(m_data.filePath(QStringLiteral("blocked")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
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
        trigger(g.main(), "Restore");
        QVERIFY(g.messages.shown.empty());
        QCOMPARE(g.texts("frmMain", {"lblMoney", "lblDay"}),
                 "4400|" + QString::fromUtf8(report.mid(13).trimmed()));  // with the salary
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ui::Application::setUpQt();  // the game's name, so both runs share its data folder
    if (argc > 1 && QByteArray(argv[1]) == kPlay) return playADay();
    StartupTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "startup_test.moc"
