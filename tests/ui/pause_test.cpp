// "Пауза": game time, the timers of the open place windows and all play stand still, and go on
// from where they stood, on the real timers.
#include "game/lifecycle.h"
#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

QAction* item(UiGame& g, const char* name) {
    return g.main()->findChild<QAction*>(QString::fromUtf8(name));
}

}  // namespace

class PauseTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_data;

  private slots:
    void init() { qputenv("XDG_DATA_HOME", m_data.path().toUtf8()); }

    /// The clock stops, the window and its help text say "Пауза", the places cannot be entered;
    /// resumed, the next hour comes when it was due in play, with no hours caught up.
    void theClockStandsStillAndGoesOnWithoutCatchingUp() {
        UiGame g;
        g.startGame();
        ui::MainWindow* main = g.main();
        QTRY_VERIFY_WITH_TIMEOUT(main->clockTicks() >= 1, 2500);
        const std::int64_t hours = main->clockTicks();
        QAction* pause = item(g, "Pause");
        pause->trigger();
        QVERIFY(main->paused() && pause->isChecked());
        QCOMPARE(pause->text(), QStringLiteral("&Продолжить"));
        QVERIFY(main->windowTitle().startsWith(QStringLiteral("Пауза")));
        QVERIFY(g.text("frmMain", "lblSpHelp").startsWith(QStringLiteral("Пауза")));
        QVERIFY(!g.widget("frmMain", "imgWork")->isEnabled());
        QVERIFY(item(g, "Save")->isEnabled() && item(g, "Load")->isEnabled());
        const std::int64_t stood = main->elapsed();
        QTest::qWait(1700);
        QCOMPARE(main->clockTicks(), hours);
        QCOMPARE(main->elapsed(), stood);
        QVERIFY(!main->tickTimer().isActive());

        pause->trigger();
        QVERIFY(!main->paused());
        QCOMPARE(pause->text(), QStringLiteral("&Пауза"));
        QCOMPARE(main->windowTitle(), QString::fromStdString(g.state().Caption));
        QCOMPARE(g.text("frmMain", "lblSpHelp"), QString::fromStdString(g.state().lblSpHelp));
        QVERIFY(g.widget("frmMain", "imgWork")->isEnabled());
        QTest::qWait(30);
        QCOMPARE(main->clockTicks(), hours);
        QTRY_COMPARE_WITH_TIMEOUT(main->clockTicks(), hours + 1, 1600);
        QVERIFY(main->elapsed() - stood < 1600);
    }

    /// A life tick due 400 ms after the pause comes 400 ms after the game goes on.
    void theLifeTickWaitsOutThePause() {
        UiGame g;
        g.startGame();
        ui::MainWindow* main = g.main();
        main->advanceTime(kLifeTickInterval - 400 - main->elapsed());
        QCOMPARE(main->lifeTicks(), std::int64_t(0));
        main->setPaused(true);
        QTest::qWait(800);
        QCOMPARE(main->lifeTicks(), std::int64_t(0));
        main->setPaused(false);
        QCOMPARE(main->lifeTicks(), std::int64_t(0));
        QTRY_COMPARE_WITH_TIMEOUT(main->lifeTicks(), std::int64_t(1), 1200);
    }

    /// A site's charge stops with the pause keys pressed in the site's own window, and a box open
    /// when the pause comes does not start it again; Ctrl+P goes on.
    void aChargeOnlineStopsWithTheKeysAndWithABoxOpen() {
        UiGame g;
        g.startGame();
        g.state().lblMoney = "1000";
        QStringList seen;
        soon([&] {
            ui::PlaceDialog* site = g.nav().dialog("frmInterAnek");
            QVERIFY(site);
            QTRY_COMPARE_WITH_TIMEOUT(g.text("frmInterAnek", "lblcm"), QStringLiteral("1"), 2500);
            QTest::keyClick(site, Qt::Key_Pause);
            QVERIFY(g.main()->paused() && !site->isEnabled());
            QVERIFY(site->windowTitle().startsWith(QStringLiteral("Пауза")));
            const QString money = g.text("frmMain", "lblMoney");
            QTest::qWait(1700);
            seen << g.text("frmInterAnek", "lblcm") + "/" +
                        (g.text("frmMain", "lblMoney") == money ? "same" : "spent");
            QTest::keyClick(site, Qt::Key_P, Qt::ControlModifier);
            QVERIFY(!g.main()->paused() && site->isEnabled());
            QTest::qWait(30);
            seen << g.text("frmInterAnek", "lblcm");
            QTRY_COMPARE_WITH_TIMEOUT(g.text("frmInterAnek", "lblcm"), QStringLiteral("2"), 1600);

            // A joke pressed shows a box; the pause comes while it is open.
            g.messages.whileOpen = [&](const Message&) { g.main()->setPaused(true); };
            g.click("frmInterAnek", "Command1");
            const std::size_t boxes = g.messages.shown.size();
            site->dispatch([site] { site->place().onMouseDown("an_0"); });
            g.messages.whileOpen = nullptr;
            QCOMPARE(g.messages.shown.size(), boxes + 1);
            QVERIFY(g.main()->paused() && !site->isEnabled());
            QTest::qWait(1700);
            seen << g.text("frmInterAnek", "lblcm");
            g.main()->setPaused(false);
            QTRY_COMPARE_WITH_TIMEOUT(g.text("frmInterAnek", "lblcm"), QStringLiteral("3"), 1600);
            site->done(QDialog::Rejected);
        });
        g.nav().show("frmInterAnek", Modality::Modal);
        QCOMPARE(seen.join('|'), QStringLiteral("1/same|1|2"));
    }

    /// Minimizing pauses only with "Пауза, когда окно свёрнуто" checked; restoring resumes only
    /// a pause that minimizing made.
    void minimizingPausesOnlyWhenAskedTo() {
        UiGame g;
        g.startGame();
        ui::MainWindow* main = g.main();
        QAction* whenMinimized = item(g, "PauseWhenMinimized");
        QVERIFY(whenMinimized && whenMinimized->isCheckable() && !whenMinimized->isChecked());
        main->setWindowState(Qt::WindowMinimized);
        QVERIFY(!main->paused());
        main->setWindowState(Qt::WindowNoState);

        whenMinimized->setChecked(true);
        main->setWindowState(Qt::WindowMinimized);
        QVERIFY(main->paused());
        main->setWindowState(Qt::WindowNoState);
        QVERIFY(!main->paused());

        item(g, "Pause")->trigger();  // the player's own pause outlasts a minimize
        main->setWindowState(Qt::WindowMinimized);
        main->setWindowState(Qt::WindowNoState);
        QVERIFY(main->paused());
    }
};

BRANKOR_WINDOW_TEST(PauseTest)
#include "pause_test.moc"
