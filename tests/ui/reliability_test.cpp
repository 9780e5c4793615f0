// What a player's desktop does to the windows and time: the real timer brings the ticks, real
// boxes and file dialogs wait while a place closes or the player dies, a window replaced once
// does not come back.
#include <QAction>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>

#include "core/lifecycle.h"
#include "life/jobs.h"
#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// A started game with the platform's own file dialogs and, optionally, its own message boxes.
struct DesktopGame {
    explicit DesktopGame(bool realBoxes = false)
        : app({realBoxes ? nullptr : &messages, &clock, &random, nullptr,
               [this] { quit = true; }}) {
        app.start();
        QTest::mouseClick(nav().dialog("frmFirst")->findChild<QPushButton*>("cmdOK"),
                          Qt::LeftButton);
    }
    FakeMessages messages;
    FakeClock clock;
    FakeRandom random;
    bool quit = false;
    ui::Application app;
    ui::Navigator& nav() { return app.navigator(); }
    ui::MainWindow* main() { return nav().mainWindow(); }
    void trigger(const char* item) { main()->findChild<QAction*>(item)->trigger(); }
};

/// The box on top; after a death the waiting box is no longer the active modal window.
QMessageBox* openBox() {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) return box;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) return box;
    return nullptr;
}

/// Clicks `control` of `window` (a menu item of the main window) with no money, starves to
/// death while the box that opens waits, answers the death box, then the first box with
/// `last`. Returns each box's title and buttons (the first's window too) and what went wrong.
QStringList dieWhileWaiting(const std::string& window, const char* control,
                            QMessageBox::StandardButton last) {
    DesktopGame g(true);
    g.app.game().state.lblMoney = "0";
    g.app.game().state.lblHungry = "-40";  // the next life tick kills
    QStringList seen;
    QPointer<QWidget> waiting;
    QObject context;
    std::function<void()> tick = [&] {
        QTimer::singleShot(0, &context, tick);  // also runs inside the boxes this one opens
        QMessageBox* box = openBox();
        if (!box || seen.size() == 3) return;
        QStringList buttons;
        for (QAbstractButton* b : box->buttons()) buttons << b->text().remove('&');
        buttons.sort();
        seen << box->windowTitle() + ": " + buttons.join(' ');
        if (seen.size() == 1) {
            waiting = box->parentWidget();
            seen.back() += " on " + waiting->objectName();
            return g.main()->advanceTime(kLifeTickInterval);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (!waiting) seen.back() += ", the first box's window is gone";
        QTest::mouseClick(box->button(seen.size() == 2 ? QMessageBox::Ok : last), Qt::LeftButton);
    };
    tick();
    if (window == "frmMain") {
        g.trigger(control);
    } else {
        soon([&] { g.nav().dialog(window)->findChild<QPushButton*>(control)->click(); });
        g.nav().show(window, Modality::Modal);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (openBox() || g.quit || g.main() || waiting || g.nav().modalDepth() != 0)
        seen << "a window or box is left, or the game quit";
    if (!g.nav().dialog("frmFirst")->isVisible()) seen << "no start-up window";
    return seen;
}

}  // namespace

class ReliabilityTest : public QObject {
    Q_OBJECT
  private slots:
    // Found by the monkey: a death while a handler waited on a real box deleted the waiting
    // window and the box under it. The boxes say Yes and No in Russian without translations.
    void aDeathWhileABoxWaitsKeepsItsWindowUntilAnswered() {
        QCOMPARE(dieWhileWaiting("frmShop", "cmdBuyBrakfast", QMessageBox::Ok),
                 (QStringList{"Внимание: OK on frmShop", "+СМЕРТЬ+: OK", "Внимание: OK"}));
        QCOMPARE(
            dieWhileWaiting("frmMain", "Exit", QMessageBox::No),
            (QStringList{"Подтвердите: Да Нет on frmMain", "+СМЕРТЬ+: OK", "Подтвердите: Да Нет"}));
    }

    // "<< Назад" and, in the same turn of the event loop, "Сохранить игру" or "Загрузить игру":
    // the place is deleted while the file dialog runs, and the dialog must not be its child.
    void aPlaceClosedUnderTheFileDialogTakesNothingAlong() {
        DesktopGame g;
        for (const char* item : {"Save", "Load"}) {
            QWidget* parent = nullptr;
            soon([&] {
                ui::PlaceDialog* shop = g.nav().dialog("frmShop");
                soon([&] {
                    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                    QVERIFY(dialog);
                    parent = dialog->parentWidget();
                    dialog->reject();
                });
                shop->findChild<QPushButton*>("cmdBack")->click();
                // As on a desktop, the window system has not yet moved activation on.
                QApplication::setActiveWindow(shop);
                g.trigger(item);
            });
            QTest::mouseClick(g.main()->findChild<QToolButton*>("imgShop"), Qt::LeftButton);
            QCOMPARE(parent, static_cast<QWidget*>(g.main()));
            QCOMPARE(g.messages.shown.back().title,
                     std::string(item[0] == 'S' ? "Не сохранили." : "Не загрузили"));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!g.nav().dialog("frmShop"));
        }
    }

    // The first life tick is 300 ms away: the real timer, not the test, brings it; its warning
    // box holds the tick, and only the real timer can bring the next hour meanwhile.
    void theRealTimerBringsALifeTickAndTheClockGoesOnWhileItsBoxIsOpen() {
        UiGame g;
        g.startGame();
        g.state().lblHungry = "-19";  // the life tick warns
        std::int64_t hoursAtBox = -1;
        g.messages.whileOpen = [&](const Message&) {
            if (hoursAtBox >= 0) return;
            hoursAtBox = g.main()->clockTicks();
            QTRY_VERIFY_WITH_TIMEOUT(g.main()->clockTicks() > hoursAtBox, 4000);
        };
        g.main()->advanceTime(18000 - 300 - g.main()->elapsed());
        QTRY_COMPARE_WITH_TIMEOUT(g.main()->lifeTicks(), std::int64_t{1}, 4000);
        QCOMPARE(g.messages.shown.at(0).title, std::string("ОПАСНОСТЬ!!!"));
        QCOMPARE(hoursAtBox, std::int64_t{12});
        QVERIFY(g.main()->clockTicks() > hoursAtBox && g.main()->tickTimer().isActive());
    }

    void theEndWindowComesOnceForThePresidencyNotOnTheNextVisit() {
        UiGame g;
        g.startGame();
        // Every requirement of the computer president's job met.
        GameState& s = g.state();
        for (const Requirement& r : jobOf("cmdWPresident")->requirements) {
            if (r.field) s.*r.field = r.test == Requirement::Test::Not ? "Есть" : r.text;
            if (r.variable == &GameState::CarIndex) setCar(s, static_cast<std::int16_t>(r.number));
            if (r.variable == &GameState::FishTotal)
                s.FishTotal = static_cast<std::int16_t>(r.number);
        }
        int ends = 0;
        connect(&g.nav(), &ui::Navigator::shown, this, [&](const QString& window) {
            if (window == "frmTheEnd" && ++ends) g.click("frmTheEnd", "cmdOK");
        });
        g.visit("imgWork", "frmWork", [&] {
            pointAt(g.widget("frmWork", "cmdWPresident"));
            g.click("frmWork", "cmdWPresident");
        });
        g.visit("imgWork", "frmWork", [] {});  // the work window was replaced once, not for good
        QCOMPARE(ends, 1);
        QCOMPARE(g.state().lblMyWork, std::string("ком.през."));
        QVERIFY(!g.nav().dialog("frmTheEnd") && g.main()->isVisible());
    }

    // A death inside a box of a window opened beside the main window (as the software shop is):
    // the main window goes at once and must not take that window along under its handler. The
    // start-up window's "OK" then starts a fresh game, its hidden rows shown again.
    void aDeathInsideAWindowsBoxKeepsThatWindowUntilItsHandlerReturns() {
        UiGame g;
        g.startGame();
        g.state().hiddenControls = {"lblSStoim", "lblSCost"};
        g.state().lblMoney = "0";
        g.state().lblHungry = "-29";  // the next life tick kills
        QPointer<ui::PlaceDialog> flat;
        bool keptDuringBox = false;
        g.messages.whileOpen = [&](const Message& box) {
            if (box.title != "Внимание") return;  // the refusal, not the death
            g.main()->advanceTime(18000);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            keptDuringBox = !flat.isNull();
        };
        g.nav().show("frmFlat", Modality::Modeless);
        flat = g.nav().dialog("frmFlat");
        pointAt(g.widget("frmFlat", "cmdBuyBath"));
        g.click("frmFlat", "cmdBuyBath");
        QCOMPARE(g.messages.shown.back().title, std::string("+СМЕРТЬ+"));
        QVERIFY(keptDuringBox);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!flat && !g.main() && !g.quit);
        QCOMPARE(g.nav().dialog("frmFirst")->windowModality(), Qt::ApplicationModal);
        g.click("frmFirst", "cmdOK");
        QVERIFY(g.main() && g.main()->isVisible());
        QCOMPARE(g.state().lblHungry + g.state().lblMoney, std::string("30170"));
        QVERIFY(!g.widget("frmMain", "lblSCost")->isHidden());
    }
};

BRANKOR_WINDOW_TEST(ReliabilityTest)
#include "reliability_test.moc"
