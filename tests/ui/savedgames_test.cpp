// The game on the desktop: the keys of the File menu, the folder the file dialogs open in, the
// recent games, and the main window's place.
// Home, documents and settings are temporary folders of the test's own.
#include "ui/gamesettings.h"
#include "ui/recentgamesmenu.h"
#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

QTemporaryDir* home = nullptr;

QAction* item(UiGame& g, const char* name) {
    return g.main()->findChild<QAction*>(QString::fromUtf8(name));
}

/// Triggers `menuItem`; in the file dialog it shows, notes the folder it opened in and picks
/// `path` (or cancels when `path` is empty).
QString dialogFolder(UiGame& g, const char* menuItem, const QString& path = {}) {
    QString folder;
    soon([&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        folder = dialog->directory().absolutePath();
        if (path.isEmpty()) return dialog->reject();
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
    });
    item(g, menuItem)->trigger();
    return folder;
}

/// "Недавние игры" as the player finds it on opening the menu: its items' texts.
QString recentItems(UiGame& g) {
    auto* menu = g.main()->findChild<ui::RecentGamesMenu*>(QStringLiteral("mnuRecent"));
    if (!menu) return QStringLiteral("<no menu>");
    emit menu->aboutToShow();
    QStringList texts;
    for (const QAction* action : menu->actions()) texts << action->text();
    return texts.join(QStringLiteral(", "));
}

/// Chooses the recent game whose item is numbered `number`.
void chooseRecent(UiGame& g, int number) {
    auto* menu = g.main()->findChild<ui::RecentGamesMenu*>(QStringLiteral("mnuRecent"));
    QVERIFY(menu);
    emit menu->aboutToShow();
    menu->actions().at(number - 1)->trigger();
}

}  // namespace

class SavedGamesTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        ui::gameSettings()->clear();
        QDir(home->path() + QStringLiteral("/Documents")).removeRecursively();
    }

    void theMenuShowsTheUsualKeys() {
        UiGame g;
        g.startGame();
        QStringList keys;
        for (const char* name : {"Save", "Load", "Exit", "BigHelp", "Pause"})
            keys << item(g, name)->shortcut().toString();
        QCOMPARE(keys.join(' '), QStringLiteral("Ctrl+S Ctrl+O Ctrl+Q F1 Pause"));
    }

    /// A first run opens both dialogs in "Бранкор" of the documents folder, made for it; once
    /// the player saves elsewhere, both open there, in this run and the next.
    void theDialogsOpenInTheSavedGamesFolderThenWhereThePlayerWent() {
        const QString games = home->path() + QStringLiteral("/Documents/Бранкор");
        QTemporaryDir elsewhere;
        {
            UiGame g;
            g.startGame();
            QCOMPARE(dialogFolder(g, "Save"), games);
            QVERIFY(QFileInfo(games).isDir());
            QCOMPARE(dialogFolder(g, "Load"), games);
            QCOMPARE(dialogFolder(g, "Save", elsewhere.filePath(QStringLiteral("my.brk"))), games);
            QVERIFY(QFile::exists(elsewhere.filePath(QStringLiteral("my.brk"))));
            QCOMPARE(dialogFolder(g, "Load"), elsewhere.path());
        }
        UiGame next;
        next.startGame();
        QCOMPARE(dialogFolder(next, "Load"), elsewhere.path());
    }

    /// The last five games saved or loaded, newest first and each once, in this run and the next;
    /// choosing one loads it, and it comes to the top again.
    void recentGamesAreTheLastFiveNewestFirst() {
        QTemporaryDir folder;
        const auto file = [&](int n) { return folder.filePath(QStringLiteral("%1.brk").arg(n)); };
        {
            UiGame g;
            g.startGame();
            QCOMPARE(recentItems(g), QStringLiteral("Пока пусто"));
            for (int n = 1; n <= 6; ++n) dialogFolder(g, "Save", file(n));
            dialogFolder(g, "Load", file(3));
            QCOMPARE(recentItems(g),
                     QStringLiteral("&1 3.brk, &2 6.brk, &3 5.brk, &4 4.brk, &5 2.brk"));
        }
        UiGame g;
        g.startGame();
        g.state().lblMoney = "5";
        chooseRecent(g, 3);
        QVERIFY(g.messages.shown.empty());
        QCOMPARE(g.state().lblMoney, std::string("170"));
        QCOMPARE(recentItems(g),
                 QStringLiteral("&1 5.brk, &2 3.brk, &3 6.brk, &4 4.brk, &5 2.brk"));
    }

    /// A recent game whose file has gone: a box says so, the game goes on as it was, and the file
    /// leaves the list. A damaged file shows the load's own box and keeps its place.
    void aRecentGameThatHasGoneLeavesTheList() {
        QTemporaryDir folder;
        const QString kept = folder.filePath(QStringLiteral("kept.brk"));
        const QString gone = folder.filePath(QStringLiteral("gone.brk"));
        UiGame g;
        g.startGame();
        dialogFolder(g, "Save", kept);
        dialogFolder(g, "Save", gone);
        QVERIFY(QFile::remove(gone));
        g.state().lblMoney = "5";
        chooseRecent(g, 1);
        QCOMPARE(g.messages.shown.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(g.messages.shown[0].title + " " + g.messages.shown[0].text),
                 QStringLiteral("Игры нет Сохранённой игры «%1» больше нет: файл удалили или "
                                "перенесли. Из недавних игр она убрана.")
                     .arg(gone));
        QCOMPARE(g.state().lblMoney, std::string("5"));
        QCOMPARE(recentItems(g), QStringLiteral("&1 kept.brk"));

        QFile damaged(kept);
        QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("не игра\r\n") > 0);
        damaged.close();
        g.messages.shown.clear();
        chooseRecent(g, 1);
        QCOMPARE(g.messages.shown.size(), std::size_t(1));
        QCOMPARE(g.messages.shown[0].title, std::string("Не загрузили"));
        QCOMPARE(g.state().lblMoney, std::string("5"));
        QCOMPARE(recentItems(g), QStringLiteral("&1 kept.brk"));
    }

    /// The main window opens where and as big as the player left it.
    void theMainWindowKeepsItsPlaceAndSize() {
        QRect left(QPoint(120, 90), QSize(1000, 800));
        {
            UiGame g;
            g.startGame();
            g.main()->setGeometry(left);
            left = g.main()->geometry();         // as the window's least size allows
            g.messages.answers = {Answer::Yes};  // the exit question
            QVERIFY(g.main()->tryClose());
        }
        UiGame next;
        next.startGame();
        QCOMPARE(next.main()->geometry(), left);
    }
};

int main(int argc, char** argv) {
    QTemporaryDir dir;
    home = &dir;
    qputenv("HOME", dir.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (dir.path() + QStringLiteral("/config")).toUtf8());
    qputenv("XDG_DATA_HOME", (dir.path() + QStringLiteral("/data")).toUtf8());
    qunsetenv("XDG_DOCUMENTS_DIR");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    brankor::ui::Application::applyStyle();
    SavedGamesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "savedgames_test.moc"
