// The bank reached from the main window, the help menus and the about box, on real widgets.
#include <QAction>
#include <QLabel>
#include <QLineEdit>

#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

void trigger(UiGame& g, const char* menuItem) {
    auto* action = g.main()->findChild<QAction*>(QString::fromUtf8(menuItem));
    QVERIFY2(action && action->isEnabled(), menuItem);
    action->trigger();
}

}  // namespace

class BankHelpTest : public QObject {
    Q_OBJECT
  private slots:
    void taxiToTheBankDepositAndMidnightInterest() {
        UiGame g;
        g.startGame();
        g.state().lblHours = "23";
        g.messages.answers = {Answer::Yes};  // take the taxi; no accident on the way
        bool visited = false;
        soon([&] {
            QCOMPARE(g.messages.shown.size(), size_t{1});  // the taxi question
            QTest::keyClicks(g.widget<QLineEdit>("frmBank", "txtPut"), QStringLiteral("100"));
            g.click("frmBank", "cmdPut");
            QCOMPARE(g.text("frmBank", "lblYHave") + "|" + g.text("frmMain", "lblMoney"),
                     QStringLiteral("100|60"));
            g.main()->advanceTime(1500);  // the clock strikes midnight while the bank is open
            QCOMPARE(g.texts("frmBank", {"lblYHave", "lblInc"}), QStringLiteral("105|5"));
            visited = true;
            g.click("frmBank", "cmdBack");
        });
        g.click("frmMain", "imgBank");
        QVERIFY(visited);
        QVERIFY(!g.nav().dialog("frmBank"));
    }

    void helpMenusButtonsAndTheAboutBox() {
        UiGame g;
        g.startGame();
        soon([&] {
            QVERIFY(g.visible("frmHelp", "txtSmallHelp"));
            g.click("frmHelp", "Command2");
            QVERIFY(g.visible("frmHelp", "txtPoboch") && !g.visible("frmHelp", "txtSmallHelp"));
            g.click("frmHelp", "cmdOk");
        });
        trigger(g, "SmallHelp");
        QVERIFY(!g.nav().dialog("frmHelp"));

        // Help's own button replaces the help window with the about box.
        soon([&] {
            QVERIFY(g.visible("frmHelp", "txtMainWindow"));
            g.click("frmHelp", "cmdAbout");
        });
        trigger(g, "BigHelp");
        QVERIFY(!g.nav().dialog("frmHelp"));
        // The about box as help's button left it, then again from the menu.
        for (const char* item : {"", "AboutPr"}) {
            if (*item) trigger(g, item);
            QVERIFY(g.visible("frmFirst", "cmdOkAbout"));
            QVERIFY(!g.visible("frmFirst", "cmdOK") && !g.visible("frmFirst", "cmdExit"));
            g.click("frmFirst", "cmdOkAbout");
            QVERIFY(!g.nav().dialog("frmFirst") && g.main()->isVisible() && !g.quit);
        }

        // "Новая игра" brings the start-up window back with its own buttons.
        g.messages.answers = {Answer::Yes};
        trigger(g, "NewGame");
        QVERIFY(g.visible("frmFirst", "cmdOK") && g.visible("frmFirst", "cmdExit"));
        QVERIFY(!g.visible("frmFirst", "cmdOkAbout"));
    }
};

BRANKOR_WINDOW_TEST(BankHelpTest)
#include "bankhelp_test.moc"
