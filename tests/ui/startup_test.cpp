// The start-up window, the main window it opens, the menus and the end window, on real widgets.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>

#include "core/startwindows.h"
#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

class StartupTest : public QObject {
    Q_OBJECT
  private slots:
    void okShowsTheNewGameOnTheStatusPanel() {
        UiGame g;
        g.clock.date = {2026, 12, 6};
        g.app.start();
        QVERIFY(!g.main());
        QVERIFY(g.widget<QPushButton>("frmFirst", "cmdOkAbout")->isHidden());
        QVERIFY(!g.widget<QLabel>("frmFirst", "imgOnFirst")->pixmap().isNull());
        QTest::mouseClick(g.widget<QPushButton>("frmFirst", "cmdOK"), Qt::LeftButton);
        QVERIFY(g.main() && g.main()->isVisible() && !g.nav().dialog("frmFirst"));
        QCOMPARE(g.main()->windowTitle(), QStringLiteral("Бранкор"));
        QCOMPARE(g.texts("frmMain", {"lblMoney", "lblStatus", "lblHappyness", "lblHungry", "lblDay",
                                     "lblMonth", "lblYear", "lblHours", "lblSSchool", "lblEEnglish",
                                     "lblCComputer", "lblMyWork", "lblCar", "lblVinchester"}),
                 QStringLiteral("170|Чайник|30|30|06|12|26|1|Не учусь|Не учусь|"
                                "Не учусь|Пока нет|Нет машины|Пока нет"));
        for (const char* hidden : {"lblCom", "lblEng", "lblObras", "lblVir"})
            QVERIFY2(!g.widget<QLabel>("frmMain", hidden), hidden);
        QCOMPARE(g.widget<QLabel>("frmMain", "cap_lblHappyness")->toolTip(),
                 QStringLiteral("Ваше настроение. Чем больше число, тем лучше."));
        QVERIFY(g.text("frmMain", "lblSpHelp")
                    .startsWith(QStringLiteral(" Добро пожаловать в игру \"Бранкор\".")));
    }

    void theCloseBoxAsksAndANewGameKeepsTheOldOneTickingUntilOk() {
        UiGame g;
        g.startGame();
        g.messages.answers = {Answer::No};
        QVERIFY(!g.main()->close());
        g.state().lblMoney = "999";
        g.state().lblHours = "7";
        g.messages.answers = {Answer::Yes};
        g.main()->findChild<QAction*>(QStringLiteral("NewGame"))->trigger();
        QCOMPARE(g.messages.shown.at(0).text + "|" + g.messages.shown.at(1).text,
                 std::string("Вы действительно хотите выйти?|Вы действительно хотите начать "
                             "новую игру"));
        QVERIFY(!g.main()->isVisible() && g.nav().dialog("frmFirst"));
        g.main()->advanceTime(1500);
        QCOMPARE(g.state().lblHours + g.state().lblMoney, std::string("8999"));
        QTest::mouseClick(g.widget<QPushButton>("frmFirst", "cmdOK"), Qt::LeftButton);
        QVERIFY(g.main()->isVisible());
        QCOMPARE(g.state().lblHours + g.state().lblMoney, std::string("8170"));  // hour kept
        g.state().SkipExitConfirm = 1;  // after a death the close box asks nothing
        QVERIFY(g.main()->close());
        QVERIFY(g.messages.shown.size() == 2 && !g.quit);
    }

    void endWindowCopiesTheEmailAndCloses() {
        UiGame g;
        g.startGame();
        soon([&] {
            auto* email = g.widget<QLineEdit>("frmTheEnd", "txtEMAIL");
            QVERIFY(email);
            QCOMPARE(email->text(), QString::fromUtf8(kContactEmail));
            QVERIFY(!g.widget<QLabel>("frmTheEnd", "imgTheEnd")->pixmap().isNull());
            QTest::mouseClick(g.widget<QPushButton>("frmTheEnd", "cmdOK"), Qt::LeftButton);
        });
        g.nav().show("frmTheEnd", Modality::Modal);
        QVERIFY(!g.nav().dialog("frmTheEnd"));
        QVERIFY(g.main()->isVisible());
    }

    void finishedCourseRowsDisappearFromThePanel() {
        UiGame g;
        g.startGame();
        g.state().lblSCost = "6";
        g.state().lblObras = "27";
        g.state().lblEduncation = "Неполное высшее";
        g.state().lblMoney = "1000";
        g.main()->advanceTime(18000);
        QCOMPARE(g.texts("frmMain", {"lblEduncation", "lblSSchool"}),
                 QStringLiteral("Высшее|Вы выучились в школе."));
        QVERIFY(g.widget<QLabel>("frmMain", "lblSStoim")->isHidden());
        QVERIFY(g.widget<QLabel>("frmMain", "lblSCost")->isHidden());
        QVERIFY(!g.widget<QLabel>("frmMain", "lblECost")->isHidden());
    }

    void standardButtonsSpeakRussian() {
        ui::Application::installTranslations();
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Yes)->text().remove('&'), QStringLiteral("Да"));
        QCOMPARE(box.button(QMessageBox::No)->text().remove('&'), QStringLiteral("Нет"));
    }
};

BRANKOR_WINDOW_TEST(StartupTest)
#include "startup_test.moc"
