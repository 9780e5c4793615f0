// The start-up window, the main window it opens, the menus and the end window, on real widgets;
// saving and loading from the "&Файл" menu with real files and the platform's file dialogs.
#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
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

    void aSavedGameComesBackOnThePanel() {
        // The real windows and file dialogs; message boxes, clock and chance scripted.
        FakeMessages messages;
        FakeClock clock;
        FakeRandom random;
        ui::Application app{ui::ApplicationPorts{&messages, &clock, &random, nullptr, [] {}}};
        app.start();
        QTest::mouseClick(app.navigator().dialog("frmFirst")->findChild<QPushButton*>("cmdOK"),
                          Qt::LeftButton);
        ui::MainWindow* main = app.navigator().mainWindow();
        GameState& state = app.game().state;
        QTemporaryDir dir;
        const auto file = [&] {
            QFile saved(dir.filePath(QStringLiteral("game.brk")));
            return saved.open(QIODevice::ReadOnly) ? saved.readAll() : QByteArray();
        };
        // Chooses a menu item and picks `name` in the file dialog it opens, which shows only
        // saved games.
        const auto choose = [&](const char* item, const QString& name) {
            QStringList filters;
            soon([&] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                filters = dialog->nameFilters();
                dialog->setDirectory(dir.path());
                dialog->selectFile(name);
                // done() rather than accept(), which would ask before replacing a file.
                static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
            });
            main->findChild<QAction*>(item)->trigger();
            QCOMPARE(filters, QStringList{QStringLiteral("Бранкор (*.brk)")});
        };

        state.lblMoney = "4321";
        state.Caption = "Бранкор: мой";
        choose("Save", QStringLiteral("game"));
        const QByteArray saved = file();  // the dialog added ".brk"
        QVERIFY(!saved.isEmpty());

        // A sum the letter code cannot hold is refused, and the earlier file stays.
        state.lblMoney = "-5";
        choose("Save", QStringLiteral("game.brk"));
        QCOMPARE(messages.shown.size(), size_t{1});
        QCOMPARE(messages.shown.back().text,
                 std::string("Вы не сохранили игру.Сумму «-5» нельзя записать буквами"));
        QCOMPARE(file(), saved);

        state.Caption = "Бранкор";
        choose("Load", QStringLiteral("game.brk"));
        QCOMPARE(messages.shown.size(), size_t{1});
        QCOMPARE(main->findChild<QLabel*>("lblMoney")->text(), QStringLiteral("4321"));
        QCOMPARE(main->windowTitle(), QStringLiteral("Бранкор: мой"));
    }
};

BRANKOR_WINDOW_TEST(StartupTest)
#include "startup_test.moc"
