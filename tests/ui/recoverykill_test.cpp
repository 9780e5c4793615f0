// A game killed outright (SIGKILL) a game day after a midnight: the next run's "Восстановить
// игру" brings back that midnight. The game itself runs in a child process: this program started
// again with "--play-a-day", on the real Application, windows, clock and files.
#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

constexpr std::int64_t kHour = 1500;
constexpr const char* kPlay = "--play-a-day";

/// The child: a new game, money set, the clock run past midnight, then most of the next day
/// spent before the game waits to be killed. Reports the day of the midnight and how long the
/// midnight tick took next to an ordinary one.
int playADay() {
    ui::Application game;
    game.start();
    game.navigator().dialog("frmFirst")->findChild<QPushButton*>("cmdOK")->click();
    ui::MainWindow* main = game.navigator().mainWindow();
    GameState& state = game.game().state;
    state.lblMoney = "4321";
    state.lblWorkEarn = "79";

    // Hour by hour to midnight, timing each clock tick that is
    // not also a life tick: the midnight one also encodes the game and
    // hands it to the writer thread.
    qint64 ordinaryNs = 0;
    int ordinaryTicks = 0;
    qint64 midnightNs = 0;
    QElapsedTimer tick;
    while (state.lblHours != "0") {
        const std::int64_t lifeTicks = main->lifeTicks();
        tick.start();
        main->advanceTime(kHour);
        const qint64 ns = tick.nsecsElapsed();
        if (state.lblHours == "0") {
            midnightNs = ns;
        } else if (main->lifeTicks() == lifeTicks) {
            ordinaryNs += ns;
            ++ordinaryTicks;
        }
    }
    const std::string day = state.lblDay;

    // The disk has a whole game day (36 s) to take the write; here it gets what it needs.
    const QString file =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/recovery.brk";
    QElapsedTimer waited;
    waited.start();
    while (!QFile::exists(file) && waited.elapsed() < 20000) QThread::msleep(5);

    state.lblMoney = "1";  // what the day after the midnight brings is lost
    main->advanceTime(23 * kHour);
    std::printf("midnight day=%s ordinary tick=%lld ns (mean of %d) midnight tick=%lld ns\n",
                day.c_str(), static_cast<long long>(ordinaryNs / std::max(1, ordinaryTicks)),
                ordinaryTicks, static_cast<long long>(midnightNs));
    std::fflush(stdout);
    return QApplication::exec();
}

}  // namespace

class RecoveryKillTest : public QObject {
    Q_OBJECT
  private slots:
    void aKilledGameLosesAtMostTheDayAfterTheLastMidnight() {
        QTemporaryDir data;
        QVERIFY(data.isValid());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess child;
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {QString::fromUtf8(kPlay)});
        QVERIFY(child.waitForStarted());
        QByteArray report;
        while (!report.contains('\n') && child.waitForReadyRead(60000)) report += child.readAll();
        qInfo("child: %s", report.trimmed().constData());
        QVERIFY2(report.startsWith("midnight day="), report.constData());

        child.kill();  // SIGKILL: no handler, no aboutToQuit, nothing flushed
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        // The next run, here: a new game, then "Восстановить игру".
        qputenv("XDG_DATA_HOME", data.path().toUtf8());
        UiGame g;
        g.startGame();
        QAction* restore = g.main()->findChild<QAction*>(QStringLiteral("Restore"));
        QVERIFY(restore->isEnabled());
        restore->trigger();
        QVERIFY(g.messages.shown.empty());
        QCOMPARE(g.text("frmMain", "lblMoney"), QStringLiteral("4400"));  // with the salary
        const QByteArray day = report.mid(13, report.indexOf(' ', 13) - 13);
        QCOMPARE(g.text("frmMain", "lblDay").toUtf8(), day);
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ui::Application::setUpQt();  // the game's name, so both runs share its data folder
    if (argc > 1 && QByteArray(argv[1]) == kPlay) return playADay();
    RecoveryKillTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "recoverykill_test.moc"
