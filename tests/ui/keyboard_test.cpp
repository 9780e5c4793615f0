// Playing without a mouse, or without seeing: focus that the player moves acts as the pointer,
// Enter and Escape do what a click does, and a screen reader hears each value with its caption.
#include <QAccessible>
#include <QAccessibleInterface>

#include "ui/placeregistry.h"
#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// Makes `window` the active window, as the window manager does when a window opens (the
/// offscreen platform has none).
bool activate(QWidget* window) {
    if (!window) return false;
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

/// Presses Tab (Shift+Tab backwards) in the active window until `name` has the focus.
bool tabTo(const char* name, bool backwards = false) {
    for (int i = 0; i < 60; ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (focus && focus->objectName() == QLatin1String(name)) return true;
        QWidget* window = QApplication::activeWindow();
        if (!window) return false;
        QTest::keyClick(focus ? focus : window, backwards ? Qt::Key_Backtab : Qt::Key_Tab);
    }
    return false;
}

void press(Qt::Key key) {
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, key);
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
  private slots:
    // From a new game to a job, key events only: the offer panel and the job market's verdict
    // follow the focus, Enter buys and hires, Escape leaves.
    void aPlayerWhoNeverTouchesTheMouse() {
        UiGame g;
        g.startGame();
        QVERIFY(activate(g.main()));
        QVERIFY(tabTo("imgShop"));
        bool shopped = false;
        soon([&] {
            QVERIFY(activate(g.nav().dialog("frmShop")));
            QVERIFY(tabTo("cmdBuyDinner"));
            QCOMPARE(g.text("frmShop", "lblShCost"), QStringLiteral("8"));
            QCOMPARE(g.text("frmShop", "lblShHungr"), QStringLiteral("8"));
            press(Qt::Key_Return);
            QCOMPARE(g.text("frmMain", "lblMoney"), QStringLiteral("162"));
            QCOMPARE(g.text("frmMain", "lblHungry"), QStringLiteral("38"));
            shopped = true;
            press(Qt::Key_Escape);
        });
        press(Qt::Key_Return);
        QVERIFY(shopped && !g.nav().dialog("frmShop"));

        QVERIFY(activate(g.main()));
        QVERIFY(tabTo("imgWork", true));
        bool hired = false;
        soon([&] {
            QVERIFY(activate(g.nav().dialog("frmWork")));
            QVERIFY(tabTo("cmdWTaxi"));
            QCOMPARE(g.text("frmWork", "lblWCan"), QStringLiteral("не"));
            QVERIFY(tabTo("cmdWGruschik", true));
            QCOMPARE(g.text("frmWork", "lblWCan"), QString());
            press(Qt::Key_Return);
            QCOMPARE(g.messages.shown.back().title, std::string("Вы грузчик."));
            QCOMPARE(g.text("frmMain", "lblMyWork"), QStringLiteral("Грузчик"));
            QCOMPARE(g.text("frmMain", "lblWorkEarn"), QStringLiteral("10"));
            hired = true;
            press(Qt::Key_Escape);
        });
        press(Qt::Key_Return);
        QVERIFY(hired && !g.nav().dialog("frmWork"));
        QCOMPARE(g.text("frmMain", "lblMoney"), QStringLiteral("162"));
    }

    // Every control of every window that answers the pointer answers focus the same way.
    void focusActsAsThePointerInEveryWindow() {
        UiGame g;
        g.startGame();
        g.state().lblMoney = "500";
        const GameState start = g.state();
        for (const auto& [window, kind] : ui::placeKinds()) {
            if (window == "frmFirst") continue;
            // The controls of a fresh window after `act` was done to `control`.
            const auto after = [&](const QString& control, bool byFocus) {
                g.state() = start;
                g.nav().load(window);
                ui::PlaceDialog* dialog = g.nav().dialog(window);
                dialog->show();
                activate(dialog);
                QWidget* widget = dialog->findChild<QWidget*>(control);
                if (byFocus) {
                    widget->clearFocus();  // the window may have given it the focus on opening
                    widget->setFocus(Qt::TabFocusReason);
                } else {
                    pointAt(widget);
                }
                std::map<std::string, Control> seen = dialog->place().controls();
                g.nav().close(window);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                return seen;
            };
            g.nav().load(window);
            QStringList focusable;
            for (QWidget* w : g.nav().dialog(window)->findChildren<QWidget*>())
                if (w->focusPolicy() & Qt::TabFocus && w->isEnabled() &&
                    w->isVisibleTo(g.nav().dialog(window)) &&
                    g.nav().dialog(window)->place().has(w->objectName().toStdString()))
                    focusable << w->objectName();
            g.nav().close(window);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            for (const QString& control : focusable) {
                const auto pointed = after(control, false);
                const auto focused = after(control, true);
                QString differs;
                for (const auto& [name, seen] : pointed)
                    if (!(focused.at(name) == seen))
                        differs += QString::fromStdString(" " + name + " '" + seen.text + "' / '" +
                                                          focused.at(name).text + "'");
                QVERIFY2(differs.isEmpty(),
                         qPrintable(QString::fromStdString(window) + ": " + control + differs));
            }
        }
    }

    // A screen reader reads each value of the status panel with its caption, an empty one too.
    void theStatusPanelReadsCaptionsWithValues() {
        UiGame g;
        g.startGame();
        g.state().lblSpHelp.clear();
        g.state().lblCar = "";
        g.nav().refresh();
        const auto spoken = [&](const char* field) {
            QAccessibleInterface* value =
                QAccessible::queryAccessibleInterface(g.widget<QLabel>("frmMain", field));
            return value ? value->text(QAccessible::Name) : QStringLiteral("<none>");
        };
        QCOMPARE(spoken("lblMoney"), QStringLiteral("Деньги: 170"));
        QCOMPARE(spoken("lblHappyness"), QStringLiteral("Настроение: 30"));
        QCOMPARE(spoken("lblCar"), QStringLiteral("Машина: "));
        QCOMPARE(spoken("lblMyWork"), QStringLiteral("Работа: Пока нет"));
        QCOMPARE(spoken("lblSCost"), QStringLiteral("Школа, Стоимость: 0"));
        g.state().lblMoney = "175";
        g.nav().refresh();
        QCOMPARE(spoken("lblMoney"), QStringLiteral("Деньги: 175"));
        // Every value label is labelled by a caption that the reader can follow.
        for (QLabel* value : g.main()->findChildren<QLabel*>()) {
            if (value->property("role").toString() != QLatin1String("value")) continue;
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(value);
            QVERIFY2(face && face->text(QAccessible::Name).contains(QLatin1Char(':')),
                     qPrintable(value->objectName()));
        }
    }

    // Picture-only controls are named; pictures that only decorate are not read at all.
    void picturesAreNamedOrHidden() {
        UiGame g;
        g.startGame();
        for (const char* button : {"imgWork", "imgShop", "imgBank"}) {
            QAccessibleInterface* face =
                QAccessible::queryAccessibleInterface(g.widget("frmMain", button));
            QVERIFY2(face && !face->text(QAccessible::Name).isEmpty(), button);
        }
        g.visit("imgWork", "frmWork", [&] {
            QAccessibleInterface* face =
                QAccessible::queryAccessibleInterface(g.widget("frmWork", "imgWorkPlace"));
            QVERIFY(face && face->state().invisible);
            QVERIFY(!QAccessible::queryAccessibleInterface(g.widget("frmWork", "cmdWTaxi"))
                         ->state()
                         .invisible);
        });
    }

    // The same in a place window: the shop's price is heard as "Цена: 8".
    void placeWindowsReadCaptionsWithValues() {
        UiGame g;
        g.startGame();
        g.visit("imgShop", "frmShop", [&] {
            pointAt(g.widget("frmShop", "cmdBuyDinner"));
            auto* price = g.widget<QLabel>("frmShop", "lblShCost");
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(price);
            QVERIFY(face);
            QVERIFY2(face->text(QAccessible::Name).endsWith(QLatin1String(": 8")),
                     qPrintable(face->text(QAccessible::Name)));
        });
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ui::Application::applyStyle();
    KeyboardTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "keyboard_test.moc"
