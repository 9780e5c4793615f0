// The game on the desktop: the keys of the File menu, the folder the file dialogs open in, and
// the main window's place.
// Home, documents and settings are temporary folders of the test's own.
#include "ui/gamesettings.h"
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
