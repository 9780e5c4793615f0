// The bank reached from the main window, the help menus and the about box, on real widgets.
#include <QAction>
#include <QLabel>
#include <QLineEdit>

#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

QString text(UiGame& g, const std::string& window, const char* label) {
    return g.widget<QLabel>(window, label)->text();
}

bool shown(UiGame& g, const std::string& window, const char* name) {
    return g.widget<QWidget>(window, name) && g.widget<QWidget>(window, name)->isVisible();
}

void click(UiGame& g, const std::string& window, const char* button) {
    QVERIFY2(g.widget<QAbstractButton>(window, button), button);
    QTest::mouseClick(g.widget<QAbstractButton>(window, button), Qt::LeftButton);
}

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
            click(g, "frmBank", "cmdPut");
            QCOMPARE(text(g, "frmBank", "lblYHave"), QStringLiteral("100"));
            QCOMPARE(text(g, "frmMain", "lblMoney"), QStringLiteral("60"));
            g.main()->advanceTime(1500);  // the clock strikes midnight while the bank is open
            QCOMPARE(text(g, "frmBank", "lblYHave"), QStringLiteral("105"));
            QCOMPARE(text(g, "frmBank", "lblInc"), QStringLiteral("5"));
            visited = true;
            click(g, "frmBank", "cmdBack");
        });
        click(g, "frmMain", "imgBank");
        QVERIFY(visited);
        QVERIFY(!g.nav().dialog("frmBank"));
    }

    void helpMenusButtonsAndTheAboutBox() {
        UiGame g;
        g.startGame();
        soon([&] {
            QVERIFY(shown(g, "frmHelp", "txtSmallHelp"));
            click(g, "frmHelp", "Command2");
            QVERIFY(shown(g, "frmHelp", "txtPoboch") && !shown(g, "frmHelp", "txtSmallHelp"));
            click(g, "frmHelp", "cmdOk");
        });
        trigger(g, "SmallHelp");
        QVERIFY(!g.nav().dialog("frmHelp"));

        // Help's own button replaces the help window with the about box.
        soon([&] {
            QVERIFY(shown(g, "frmHelp", "txtMainWindow"));
            click(g, "frmHelp", "cmdAbout");
        });
        trigger(g, "BigHelp");
        QVERIFY(!g.nav().dialog("frmHelp"));
        // The about box as help's button left it, then again from the menu.
        for (const char* item : {"", "AboutPr"}) {
            if (*item) trigger(g, item);
            QVERIFY(shown(g, "frmFirst", "cmdOkAbout"));
            QVERIFY(!shown(g, "frmFirst", "cmdOK") && !shown(g, "frmFirst", "cmdExit"));
            click(g, "frmFirst", "cmdOkAbout");
            QVERIFY(!g.nav().dialog("frmFirst") && g.main()->isVisible() && !g.quit);
        }

        // "Новая игра" brings the start-up window back with its own buttons.
        g.messages.answers = {Answer::Yes};
        trigger(g, "NewGame");
        QVERIFY(shown(g, "frmFirst", "cmdOK") && shown(g, "frmFirst", "cmdExit"));
        QVERIFY(!shown(g, "frmFirst", "cmdOkAbout"));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ui::Application::applyStyle();
    BankHelpTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "bankhelp_test.moc"
