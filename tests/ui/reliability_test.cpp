// A player's desktop: keys alone and a screen reader, the real timer, real boxes and file dialogs
// over windows that close or die meanwhile, a window replaced once that does not come back.
#include <QtWidgets>

#include "game/lifecycle.h"
#include "ui/qtports.h"
#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// The box on top; after a death the waiting box is no longer the active modal window.
QMessageBox* openBox() {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) return box;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) return box;
    return nullptr;
}

/// On the real boxes: clicks `control` of `window` (a menu item of the main window) with no
/// money and starves while the box waits; answers the death box, then the first with `last`.
/// Returns the boxes seen, their buttons and whether the game came back to the start.
QStringList dieWhileWaiting(const std::string& window, const char* control,
                            QMessageBox::StandardButton last) {
    FakeClock clock;
    FakeRandom random;
    bool quit = false;
    ui::Application app({nullptr, &clock, &random, nullptr, [&] { quit = true; }});
    ui::Navigator& nav = app.navigator();
    app.start();
    nav.dialog("frmFirst")->findChild<QPushButton*>("cmdOK")->click();
    app.game().state.lblMoney = "0";
    app.game().state.lblHungry = "-40";  // the next life tick kills
    QStringList seen;
    QPointer<QWidget> waiting;
    QObject context;
    std::function<void()> tick = [&] {
        QTimer::singleShot(0, &context, tick);  // also runs inside the boxes this one opens
        QMessageBox* box = openBox();
        if (!box || seen.size() == 3) return;
        QStringList buttons;
        for (QAbstractButton* b : box->buttons()) buttons << b->text().remove('&');
        seen << box->windowTitle() + ": " + buttons.join(' ');
        if (seen.size() == 1) {
            waiting = box->parentWidget();
            seen.back() += " on " + waiting->objectName();
            return nav.mainWindow()->advanceTime(kLifeTickInterval);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (!waiting) seen.back() += ", the first box's window is gone";
        QTest::mouseClick(box->button(seen.size() == 2 ? QMessageBox::Ok : last), Qt::LeftButton);
    };
    tick();
    if (window == "frmMain") {
        nav.mainWindow()->findChild<QAction*>(control)->trigger();
    } else {
        soon([&] { nav.dialog(window)->findChild<QPushButton*>(control)->click(); });
        nav.show(window, Modality::Modal);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (openBox() || quit || nav.mainWindow() || waiting || nav.modalDepth() != 0 ||
        !nav.dialog("frmFirst")->isVisible())
        seen << "not back at the start-up window alone";
    return seen;
}

QString focused() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

void press(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
}

/// Makes `window` active as a window manager would, then presses Tab until `name` has the focus.
void tabTo(QWidget* window, const char* name) {
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    for (int i = 0; i < 60 && focused() != name; ++i) press(Qt::Key_Tab);
    QCOMPARE(focused(), QString(name));
}

/// What a screen reader says for `widget`, unless it is told not to read it.
QString spoken(QWidget* widget) {
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(widget);
    return reader->state().invisible ? "<not read>" : reader->text(QAccessible::Name);
}

}  // namespace

class ReliabilityTest : public QObject {
    Q_OBJECT
  private slots:
    // Keys alone and a screen reader: the offer panel follows the focus, Enter opens and buys,
    // Escape leaves; values are heard with their captions, pictures that only decorate are not.
    // A button the rules disable passes the focus on, but that is no move of the player's: the
    // offer on show stays. The work window replaced once by the end window (as hiring the
    // president does) is itself again on the next visit.
    void aPlayersJourneyByKeysAndScreenReader() {
        UiGame g;
        g.startGame();
        g.state().lblClothes = "Футболка и т.д.";
        QStringList seen;
        tabTo(g.main(), "imgShop");
        seen << spoken(QApplication::focusWidget());
        soon([&] {
            tabTo(g.nav().dialog("frmShop"), "cmdBuyDinner");
            seen << spoken(g.widget("frmShop", "lblShCost")) << g.text("frmShop", "lblShHungr");
            press(Qt::Key_Return);
            tabTo(g.nav().dialog("frmShop"), "cmdBuyClothes");
            seen << g.texts("frmShop", {"lblWhat", "lblShCost"});
            press(Qt::Key_Return);  // the latest fashion bought; the panel shows the next rung
            press(Qt::Key_Backtab);
            press(Qt::Key_Tab);
            seen << g.texts("frmShop", {"lblWhat", "lblShCost"});
            press(Qt::Key_Return);  // nothing beyond it: the button is disabled
            seen << g.texts("frmShop", {"lblWhat", "lblShCost"}) + "|" + focused();
            press(Qt::Key_Escape);
        });
        press(Qt::Key_Return);
        connect(&g.nav(), &ui::Navigator::shown, this, [&](const QString& window) {
            seen << window;
            if (window == "frmTheEnd") g.click("frmTheEnd", "cmdOK");
        });
        g.visit("imgWork", "frmWork", [&] {
            seen << spoken(g.widget("frmWork", "imgWorkPlace"));
            g.nav().replace("frmWork", "frmTheEnd");
        });
        g.visit("imgWork", "frmWork", [] {});
        seen << spoken(g.widget("frmMain", "lblMoney")) << spoken(g.widget("frmMain", "lblCar"));
        QCOMPARE(seen, (QStringList{"Магазин", "Цена: 8", "8", "Посл.моды|35", "------------|0",
                                    "------------|0|cmdCar", "<not read>", "frmWork", "frmTheEnd",
                                    "frmWork", "Деньги: 127", "Машина: Нет машины"}));
    }

    // Found by the monkey: a death while a handler waited on a real box deleted the waiting
    // window and the box under it. The boxes say Yes and No in Russian without translations.
    void aDeathWhileABoxWaitsKeepsItsWindowUntilAnswered() {
        QCOMPARE(dieWhileWaiting("frmShop", "cmdBuyBrakfast", QMessageBox::Ok),
                 (QStringList{"Внимание: OK on frmShop", "+СМЕРТЬ+: OK", "Внимание: OK"}));
        QCOMPARE(
            dieWhileWaiting("frmMain", "Exit", QMessageBox::No),
            (QStringList{"Подтвердите: Да Нет on frmMain", "+СМЕРТЬ+: OK", "Подтвердите: Да Нет"}));
    }

    // The real boxes draw each of the game's icons as the platform's own, with OK or Да and Нет.
    void eachBoxIconIsThePlatformsOwn() {
        FakeClock clock;
        FakeRandom random;
        ui::Application app({nullptr, &clock, &random, nullptr, [] {}});
        app.start();
        QStringList seen;
        for (const Icon icon :
             {Icon::None, Icon::Exclamation, Icon::Question, Icon::Information, Icon::Error}) {
            soon([&seen] {
                QMessageBox* box = openBox();
                QVERIFY(box);
                QStringList buttons;
                for (QAbstractButton* b : box->buttons()) buttons << b->text().remove('&');
                seen << QString::number(box->icon()) + " " + buttons.join(' ');
                box->done(0);
            });
            app.game().messages().show(
                {"Бранкор", "?", icon, icon == Icon::Question ? Buttons::YesNo : Buttons::Ok});
        }
        QCOMPARE(seen.join('|'), QStringLiteral("0 OK|2 OK|4 Да Нет|1 OK|3 OK"));
    }

    // "<< Назад" and, in the same turn of the event loop, the platform's file dialog: the place
    // is deleted while the dialog runs, and the dialog must not be its child.
    void aPlaceClosedUnderTheFileDialogTakesNothingAlong() {
        UiGame g;
        g.startGame();
        QWidget* parent = nullptr;
        g.visit("imgShop", "frmShop", [&] {
            ui::PlaceDialog* shop = g.nav().dialog("frmShop");
            soon([&] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                parent = dialog->parentWidget();
                dialog->reject();
            });
            g.click("frmShop", "cmdBack");
            QApplication::setActiveWindow(shop);  // the window system has not moved it on yet
            QVERIFY(!ui::QtFileDialogs(g.nav()).choose(FileDialogKind::Save));
        });
        QCOMPARE(parent, static_cast<QWidget*>(g.main()));
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

    // A death under the box of a window beside the main window (as the software shop is): the
    // main window goes at once, that window only after its handler; "OK" then starts a new game.
    void aDeathInsideAWindowsBoxKeepsThatWindowUntilItsHandlerReturns() {
        UiGame g;
        g.startGame();
        g.state().lblMoney = "0";
        g.state().lblHungry = "-29";  // the next life tick kills
        QPointer<ui::PlaceDialog> flat;
        g.messages.whileOpen = [&](const Message& box) {
            if (box.title != "Внимание") return;  // the refusal, not the death
            g.main()->advanceTime(kLifeTickInterval);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(flat);  // hidden, but not deleted under its handler
        };
        g.nav().show("frmFlat", Modality::Modeless);
        flat = g.nav().dialog("frmFlat");
        pointAt(g.widget("frmFlat", "cmdBuyBath"));  // the offer on show is what it buys
        g.click("frmFlat", "cmdBuyBath");
        QCOMPARE(g.messages.shown.back().title, std::string("+СМЕРТЬ+"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!flat && !g.main() && !g.quit);
        QCOMPARE(g.nav().dialog("frmFirst")->windowModality(), Qt::ApplicationModal);
        g.click("frmFirst", "cmdOK");
        QVERIFY(g.main()->isVisible());
    }
};

BRANKOR_WINDOW_TEST(ReliabilityTest)
#include "reliability_test.moc"
