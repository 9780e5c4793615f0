// The bank reached from the main window, the help window and the about box, on real widgets.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

QString labelText(UiGame& g, const std::string& window, const char* name) {
    auto* label = g.widget<QLabel>(window, name);
    return label ? label->text() : QStringLiteral("<no %1>").arg(QString::fromUtf8(name));
}

void click(UiGame& g, const std::string& window, const char* button) {
    auto* widget = g.widget<QAbstractButton>(window, button);
    QVERIFY2(widget, button);
    QTest::mouseClick(widget, Qt::LeftButton);
}

QAction* menuItem(UiGame& g, const char* name) {
    return g.main()->findChild<QAction*>(QString::fromUtf8(name));
}

/// Which of the help window's four texts are on show.
QStringList visibleHelpTexts(UiGame& g) {
    QStringList shown;
    for (const char* box : {"txtMainWindow", "txtSmallHelp", "txtPoboch", "txtChanges"})
        if (g.widget<QPlainTextEdit>("frmHelp", box)->isVisible()) shown << QString::fromUtf8(box);
    return shown;
}

}  // namespace

class BankHelpTest : public QObject {
    Q_OBJECT
  private slots:
    void taxiToTheBankAndDeposit() {
        UiGame g;
        g.startGame();
        auto* bankButton = g.widget<QToolButton>("frmMain", "imgBank");
        QVERIFY(bankButton && bankButton->isEnabled());
        g.messages.answers = {Answer::Yes};
        g.random.values = {0.0};  // no accident on the way
        bool visited = false;
        soon([&] {
            QVERIFY(g.nav().dialog("frmBank"));
            QCOMPARE(g.nav().dialog("frmBank")->windowTitle(), QStringLiteral("Банк"));
            QCOMPARE(labelText(g, "frmMain", "lblMoney"), QStringLiteral("160"));
            QCOMPARE(labelText(g, "frmBank", "lblYHave"), QStringLiteral("0"));
            auto* put = g.widget<QPushButton>("frmBank", "cmdPut");
            QVERIFY(!put->isEnabled());
            QTest::keyClicks(g.widget<QLineEdit>("frmBank", "txtPut"), QStringLiteral("100"));
            QVERIFY(put->isEnabled());
            QTest::mouseClick(put, Qt::LeftButton);
            QCOMPARE(labelText(g, "frmBank", "lblYHave"), QStringLiteral("100"));
            QCOMPARE(labelText(g, "frmBank", "lblInc"), QStringLiteral("5"));
            QCOMPARE(labelText(g, "frmMain", "lblMoney"), QStringLiteral("60"));
            QVERIFY(g.widget<QLineEdit>("frmBank", "txtPut")->text().isEmpty());
            QVERIFY(!put->isEnabled());
            visited = true;
            click(g, "frmBank", "cmdBack");
        });
        QTest::mouseClick(bankButton, Qt::LeftButton);
        QVERIFY(visited);
        QVERIFY(!g.nav().dialog("frmBank"));
        QCOMPARE(g.messages.shown.size(), size_t{1});
        QCOMPARE(g.messages.shown[0].title,
                 std::string("Требуется машина. Хотите ли вы взять такси?"));
        QCOMPARE(g.state().BankBalance, std::int16_t{100});
        QCOMPARE(g.state().lblMoney, std::string("60"));
    }

    void aLetterIsRefusedAndMidnightRefreshesTheBalance() {
        UiGame g;
        g.startGame();
        g.state().CarIndex = 1;
        g.state().BankBalance = 200;
        g.state().lblHours = "23";
        soon([&] {
            auto* take = g.widget<QLineEdit>("frmBank", "txtTake");
            QTest::keyClicks(take, QStringLiteral("5x"));
            QCOMPARE(g.messages.shown.back().text, std::string("Это не число!"));
            QVERIFY(take->text().isEmpty());
            QVERIFY(!g.widget<QPushButton>("frmBank", "cmdTake")->isEnabled());
            g.main()->advanceTime(1500);  // the clock strikes midnight while the bank is open
            QCOMPARE(labelText(g, "frmBank", "lblYHave"), QStringLiteral("210"));
            QCOMPARE(labelText(g, "frmBank", "lblInc"), QStringLiteral("10"));
            g.nav().dialog("frmBank")->close();
        });
        click(g, "frmMain", "imgBank");
        QVERIFY(!g.nav().dialog("frmBank"));
        QCOMPARE(g.state().BankBalance, std::int16_t{210});
    }

    void helpMenusOpenTheirTextsAndButtonsSwitchThem() {
        UiGame g;
        g.startGame();
        for (const char* item : {"BigHelp", "SmallHelp", "AboutPr"})
            QVERIFY2(menuItem(g, item)->isEnabled(), item);
        soon([&] {
            QCOMPARE(g.nav().dialog("frmHelp")->windowTitle(),
                     QStringLiteral("Помощь по игре \"Brankor\""));
            QCOMPARE(labelText(g, "frmHelp", "lblHeading"),
                     QStringLiteral("ПОМОЩЬ ПО ИГРЕ \"БРАНКОР\""));
            QCOMPARE(visibleHelpTexts(g), QStringList{"txtMainWindow"});
            // The CR LF line breaks show as single line breaks, nothing stray.
            const QString text =
                g.widget<QPlainTextEdit>("frmHelp", "txtMainWindow")->toPlainText();
            QVERIFY(!text.contains(QLatin1Char('\r')));
            QCOMPARE(text.split(QLatin1Char('\n')).size(), 43);
            const std::pair<const char*, const char*> buttons[] = {{"Command1", "txtSmallHelp"},
                                                                   {"Command2", "txtPoboch"},
                                                                   {"cmdChanges", "txtChanges"},
                                                                   {"Command3", "txtMainWindow"}};
            for (const auto& [button, box] : buttons) {
                click(g, "frmHelp", button);
                QCOMPARE(visibleHelpTexts(g), QStringList{QString::fromUtf8(box)});
            }
            click(g, "frmHelp", "cmdOk");
        });
        menuItem(g, "BigHelp")->trigger();
        QVERIFY(!g.nav().dialog("frmHelp"));

        soon([&] {
            QCOMPARE(visibleHelpTexts(g), QStringList{"txtSmallHelp"});
            g.nav().dialog("frmHelp")->close();
        });
        menuItem(g, "SmallHelp")->trigger();
        QVERIFY(!g.nav().dialog("frmHelp"));
    }

    void aboutBoxFromHelpThenTheNextStartUpWindowIsNormal() {
        UiGame g;
        g.startGame();
        soon([&] { click(g, "frmHelp", "cmdAbout"); });
        menuItem(g, "BigHelp")->trigger();
        QVERIFY(!g.nav().dialog("frmHelp"));
        QVERIFY(g.nav().dialog("frmFirst"));
        QVERIFY(g.nav().dialog("frmFirst")->isVisible());
        QVERIFY(g.nav().dialog("frmFirst")->isModal());
        QVERIFY(g.widget<QPushButton>("frmFirst", "cmdOkAbout")->isVisible());
        QVERIFY(!g.widget<QPushButton>("frmFirst", "cmdOK")->isVisible());
        QVERIFY(!g.widget<QPushButton>("frmFirst", "cmdExit")->isVisible());
        click(g, "frmFirst", "cmdOkAbout");
        QVERIFY(!g.nav().dialog("frmFirst"));
        QVERIFY(g.main()->isVisible());
        QVERIFY(!g.quit);

        // "Новая игра" brings the start-up window back with its own buttons.
        g.messages.answers = {Answer::Yes};
        menuItem(g, "NewGame")->trigger();
        QVERIFY(g.nav().dialog("frmFirst"));
        QVERIFY(g.widget<QPushButton>("frmFirst", "cmdOK")->isVisible());
        QVERIFY(g.widget<QPushButton>("frmFirst", "cmdExit")->isVisible());
        QVERIFY(!g.widget<QPushButton>("frmFirst", "cmdOkAbout")->isVisible());
    }

    void aboutMenuShowsOnlyItsOk() {
        UiGame g;
        g.startGame();
        menuItem(g, "AboutPr")->trigger();
        QVERIFY(g.nav().dialog("frmFirst"));
        QVERIFY(g.widget<QPushButton>("frmFirst", "cmdOkAbout")->isVisible());
        QVERIFY(!g.widget<QPushButton>("frmFirst", "cmdOK")->isVisible());
        g.nav().dialog("frmFirst")->close();  // the close box just closes the about box
        QVERIFY(!g.nav().dialog("frmFirst"));
        QVERIFY(g.messages.shown.empty());
    }

    void saveScreenshotsWhenAsked() {
        const QByteArray dir = qgetenv("BRANKOR_SCREENSHOTS");
        if (dir.isEmpty()) QSKIP("set BRANKOR_SCREENSHOTS to a folder to write pictures");
        const QString folder = QString::fromUtf8(dir);
        UiGame g;
        g.startGame();
        g.state().CarIndex = 1;
        g.state().BankBalance = 1234;
        soon([&] {
            g.widget<QLineEdit>("frmBank", "txtPut")->setText(QStringLiteral("50"));
            g.nav().dialog("frmBank")->grab().save(folder + "/frmBank.png");
            g.nav().dialog("frmBank")->close();
        });
        click(g, "frmMain", "imgBank");
        soon([&] {
            g.nav().dialog("frmHelp")->grab().save(folder + "/frmHelp_main.png");
            for (const char* button : {"Command1", "Command2", "cmdChanges"}) {
                click(g, "frmHelp", button);
                g.nav().dialog("frmHelp")->grab().save(folder + "/frmHelp_" + button + ".png");
            }
            click(g, "frmHelp", "cmdAbout");
        });
        menuItem(g, "BigHelp")->trigger();
        g.nav().dialog("frmFirst")->grab().save(folder + "/about.png");
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
