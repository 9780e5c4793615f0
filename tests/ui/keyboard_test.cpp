// Playing without a mouse, or without seeing: focus that the player moves acts as the pointer,
// Enter and Escape do what a click does, and a screen reader hears each value with its caption.
#include <QAccessible>

#include "uitestsupport.h"

using namespace brankor::testing;

namespace {

QString focused() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

/// Makes `window` active as a window manager would, then presses Tab (Shift+Tab backwards)
/// until `name` has the focus.
void tabTo(QWidget* window, const char* name, bool backwards = false) {
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    for (int i = 0; i < 60 && focused() != name; ++i)
        QTest::keyClick(QApplication::focusWidget(), backwards ? Qt::Key_Backtab : Qt::Key_Tab);
    QCOMPARE(focused(), QString(name));
}

void press(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
}

QString spoken(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QStringLiteral("<none>");
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
  private slots:
    // From a new game to a job by keys alone: the offer panel and the job market's verdict
    // follow the focus, Enter buys and hires, Escape leaves. A button that the rules disable
    // passes the focus on, but that is no move of the player's: the offer on show stays.
    void aPlayerWhoNeverTouchesTheMouse() {
        UiGame g;
        g.startGame();
        g.state().lblClothes = "Футболка и т.д.";
        QStringList seen;
        tabTo(g.main(), "imgShop");
        soon([&] {
            tabTo(g.nav().dialog("frmShop"), "cmdBuyDinner");
            seen << g.texts("frmShop", {"lblShCost", "lblShHungr"});
            press(Qt::Key_Return);
            seen << g.texts("frmMain", {"lblMoney", "lblHungry"});
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
        tabTo(g.main(), "imgWork", true);
        soon([&] {
            tabTo(g.nav().dialog("frmWork"), "cmdWTaxi");
            seen << g.text("frmWork", "lblWCan");
            tabTo(g.nav().dialog("frmWork"), "cmdWGruschik", true);
            seen << g.text("frmWork", "lblWCan");
            press(Qt::Key_Return);
            seen << QString::fromStdString(g.messages.shown.back().title)
                 << g.texts("frmMain", {"lblMyWork", "lblWorkEarn", "lblMoney"});
            press(Qt::Key_Escape);
        });
        press(Qt::Key_Return);
        QCOMPARE(seen,
                 (QStringList{"8|8", "162|38", "Посл.моды|35", "------------|0",
                              "------------|0|cmdCar", "не", "", "Вы грузчик.", "Грузчик|10|127"}));
        QVERIFY(!g.nav().dialog("frmShop") && !g.nav().dialog("frmWork"));
    }

    // Values are read with their captions, an empty one too, picture buttons by their names, a
    // place's offer as it changes; a picture that only decorates is not read at all.
    void aScreenReaderHearsCaptionsWithValues() {
        UiGame g;
        g.startGame();
        g.state().lblCar = "";
        g.state().lblMoney = "175";
        g.nav().refresh();
        QStringList heard;
        for (const char* name : {"lblMoney", "lblCar", "lblMyWork", "lblSCost", "imgShop"})
            heard << spoken(g.widget("frmMain", name));
        g.visit("imgShop", "frmShop", [&] {
            pointAt(g.widget("frmShop", "cmdBuyDinner"));
            heard << spoken(g.widget("frmShop", "lblShCost")).section(':', -1);
        });
        g.visit("imgWork", "frmWork", [&] {
            for (const char* name : {"imgWorkPlace", "cmdWTaxi"})
                heard << (QAccessible::queryAccessibleInterface(g.widget("frmWork", name))
                                  ->state()
                                  .invisible
                              ? "unread"
                              : "read");
        });
        QCOMPARE(heard, (QStringList{"Деньги: 175", "Машина: ", "Работа: Пока нет",
                                     "Школа, Стоимость: 0", "Магазин", " 8", "unread", "read"}));
    }
};

BRANKOR_WINDOW_TEST(KeyboardTest)
#include "keyboard_test.moc"
