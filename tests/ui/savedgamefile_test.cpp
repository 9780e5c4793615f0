// Saving and loading from the "&Файл" menu with real files and the platform's file dialogs.
#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>

#include "core/gamestate.h"
#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

class SavedGameFileTest : public QObject {
    Q_OBJECT
  private slots:
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

QTEST_MAIN(SavedGameFileTest)
#include "savedgamefile_test.moc"
