// Saving and loading from the "&Файл" menu with real files and the real file dialogs.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QTemporaryDir>

#include "core/gamestate.h"
#include "ui/qtports.h"
#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

void trigger(UiGame& g, const char* item) {
    auto* action = g.main()->findChild<QAction*>(QString::fromUtf8(item));
    QVERIFY(action);
    QVERIFY(action->isEnabled());
    action->trigger();
}

QString label(UiGame& g, const char* name) {
    auto* widget = g.widget<QLabel>("frmMain", name);
    return widget ? widget->text() : QStringLiteral("<missing>");
}

}  // namespace

class SavedGameFileTest : public QObject {
    Q_OBJECT
  private slots:
    void savedGameComesBackOnThePanel() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("game.brk"));
        UiGame g;
        g.startGame();
        g.state().lblMoney = "4321";
        setCar(g.state(), 2);
        g.state().Caption = "Бранкор: мой";
        g.state().lblHours = "7";
        g.files.paths = {path.toStdString()};
        trigger(g, "Save");
        QVERIFY(g.messages.shown.empty());
        const QByteArray saved = contents(path);
        QVERIFY(saved.endsWith("#FALSE#,#FALSE#\r\n"));
        QVERIFY(saved.contains(",\"dcba\","));

        g.state().lblMoney = "5";
        setCar(g.state(), 0);
        g.state().Caption = "Бранкор";
        g.state().lblSpHelp = "не из файла";
        g.files.paths = {path.toStdString()};
        trigger(g, "Load");
        QVERIFY(g.messages.shown.empty());
        QCOMPARE(label(g, "lblMoney"), QStringLiteral("4321"));
        QCOMPARE(label(g, "lblCar"), QStringLiteral("Девятка21093"));
        QCOMPARE(label(g, "lblHours"), QStringLiteral("7"));
        QCOMPARE(g.main()->windowTitle(), QStringLiteral("Бранкор: мой"));
        QCOMPARE(label(g, "lblSpHelp"), QStringLiteral("не из файла"));
        // The clock goes on from the loaded hour.
        g.main()->advanceTime(1500);
        QCOMPARE(label(g, "lblHours"), QStringLiteral("8"));
    }

    void aFailedSaveLeavesTheEarlierFileAsItWas() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("game.brk"));
        UiGame g;
        g.startGame();
        g.files.paths = {path.toStdString()};
        trigger(g, "Save");
        const QByteArray earlier = contents(path);
        QVERIFY(!earlier.isEmpty());

        g.state().lblMoney = "-5";
        g.files.paths = {path.toStdString()};
        trigger(g, "Save");
        QCOMPARE(g.messages.shown.size(), size_t{1});
        QCOMPARE(g.messages.shown.back().title, std::string("Не сохранили."));
        QCOMPARE(g.messages.shown.back().text,
                 std::string("Вы не сохранили игру.Сумму «-5» нельзя записать буквами"));
        QVERIFY(g.messages.shown.back().icon == Icon::Information);
        QCOMPARE(contents(path), earlier);

        g.state().lblMoney = "12";
        g.files.paths = {dir.filePath(QStringLiteral("no/such/folder/game.brk")).toStdString()};
        trigger(g, "Save");
        QCOMPARE(g.messages.shown.back().text,
                 std::string("Вы не сохранили игру.Ошибка записи файла"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("game.brk")});
        QCOMPARE(contents(path), earlier);
    }

    void aBrokenFileChangesNothing() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("game.brk"));
        UiGame g;
        g.startGame();
        g.files.paths = {path.toStdString()};
        trigger(g, "Save");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        file.resize(300);
        file.close();

        g.state().lblMoney = "777";
        g.main()->advanceTime(0);
        const GameState before = g.state();
        g.files.paths = {path.toStdString()};
        trigger(g, "Load");
        QCOMPARE(g.messages.shown.size(), size_t{1});
        QCOMPARE(g.messages.shown.back().title, std::string("Не загрузили"));
        QVERIFY(QString::fromStdString(g.messages.shown.back().text)
                    .startsWith(QStringLiteral("Вы не загрузили игру.Элемент ")));
        QVERIFY(g.state() == before);
        QCOMPARE(label(g, "lblMoney"), QStringLiteral("777"));

        g.files.paths = {dir.filePath(QStringLiteral("missing.brk")).toStdString()};
        trigger(g, "Load");
        QCOMPARE(g.messages.shown.back().text, std::string("Вы не загрузили игру.Файл не найден"));
        QVERIFY(g.state() == before);
    }

    void dialogsShowOnlySavedGamesAndSavingAddsTheExtension() {
        QTemporaryDir dir;
        ui::QtFileDialogs dialogs;
        QStringList filters;
        soon([&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            filters = dialog->nameFilters();
            dialog->setDirectory(dir.path());
            dialog->selectFile(QStringLiteral("game"));
            static_cast<QDialog*>(dialog)->accept();  // QFileDialog hides it
        });
        const auto saved = dialogs.choose(FileDialogKind::Save);
        QCOMPARE(filters, QStringList{QStringLiteral("Бранкор (*.brk)")});
        QVERIFY(saved);
        QCOMPARE(QString::fromStdString(*saved), dir.filePath(QStringLiteral("game.brk")));

        filters.clear();
        soon([&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            filters = dialog->nameFilters();
            dialog->reject();
        });
        QVERIFY(!dialogs.choose(FileDialogKind::Open));
        QCOMPARE(filters, QStringList{QStringLiteral("Бранкор (*.brk)")});
    }
};

QTEST_MAIN(SavedGameFileTest)
#include "savedgamefile_test.moc"
