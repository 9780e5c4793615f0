// Real hands on a real X server: every click and key below goes through the server's test
// extension (xdotool), so quick clicks arrive as double-clicks, a held key repeats, Tab and Delete
// carry characters and the right button opens menus, as they do for a player.
#include "ui/careerwindow.h"
#include "ui/zoom.h"
#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// Sends input through the X server, then lets its events reach the windows.
void xdo(const QStringList& args) {
    QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), args), 0);
    QTest::qWait(200);
}

void moveTo(QWidget* widget, std::optional<QPoint> at = std::nullopt) {
    QVERIFY(widget && widget->isVisible());
    const QPoint global = widget->mapToGlobal(at.value_or(widget->rect().center()));
    xdo({"mousemove", "--sync", QString::number(global.x()), QString::number(global.y())});
}

/// `count` clicks of `button` (1 left, 3 right) in quick succession, as a hurried hand makes them.
void quickClicks(int count, int button = 1) {
    xdo({"click", "--repeat", QString::number(count), "--delay", "70", QString::number(button)});
}

void keys(const QStringList& names) {
    xdo(QStringList{"key", "--delay", "60"} + names);
}

/// Holds `key` down for `ms` milliseconds, long enough for the server to repeat it.
void holdKey(const QString& key, int ms) {
    xdo({"keydown", key, "sleep", QString::number(ms / 1000.0), "keyup", key});
}

/// A point of the window that no widget covers: the bare window.
std::optional<QPoint> bareSpot(QWidget* window) {
    for (int y = 2; y < window->height(); y += 4)
        for (int x = 2; x < window->width(); x += 4)
            if (!window->childAt(x, y)) return QPoint(x, y);
    return std::nullopt;
}

/// Shows `window` modally and runs `inside` once it is on screen and active; closes it after.
void play(UiGame& g, const char* window, const std::function<void(ui::PlaceDialog&)>& inside) {
    soon([&g, window, inside] {
        ui::PlaceDialog* dialog = g.nav().dialog(window);
        QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        inside(*dialog);
        if (ui::PlaceDialog* open = g.nav().dialog(window)) open->done(QDialog::Rejected);
    });
    g.nav().show(window, Modality::Modal);
}

std::string boxTitles(const UiGame& g, std::size_t from) {
    std::string titles;
    for (std::size_t i = from; i < g.messages.shown.size(); ++i)
        titles += "[" + g.messages.shown[i].title + "]";
    return titles;
}

}  // namespace

class InputTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs a real X server (xvfb-run) and xdotool");
    }

    /// Every click on a fish is a fish, however quick; a held Space catches one.
    void quickClicksOnAFishCountEachAndAHeldKeyCatchesOne() {
        UiGame g;
        g.startGame();
        play(g, "frmMadFish", [&](ui::PlaceDialog& lake) {
            g.click("frmMadFish", "cmdStart");
            // The fish lands on the lake and stays there for the test.
            lake.dispatch([&lake] {
                lake.place().onTimer("tmrForFish");
                lake.place().timer("tmrForFish").enabled = false;
            });
            moveTo(g.widget("frmMadFish", "picFL"));
            quickClicks(3);
            QCOMPARE(g.text("frmMadFish", "lblCatch"), QStringLiteral("3"));
            QCOMPARE(QApplication::focusWidget(), g.widget("frmMadFish", "picFL"));
            holdKey("space", 2000);
            QCOMPARE(g.text("frmMadFish", "lblCatch"), QStringLiteral("4"));
        });
    }

    /// Each quick press of an arrow button is a step, even past the edge; the keyboard's own
    /// arrows keep moving the paddle while held.
    void quickPressesOfAnArrowButtonAreStepsAndAHeldArrowKeyMoves() {
        UiGame g;
        g.startGame();
        play(g, "frmAr", [&](ui::PlaceDialog& arcade) {
            Place& rules = arcade.place();
            const auto paddle = [&rules] { return rules["C1"].geometry->left; };
            arcade.dispatch([&rules] { rules["C1"].geometry->left = 5895; });
            moveTo(g.widget("frmAr", "Command2"));
            quickClicks(3);
            QCOMPARE(paddle(), 6195);

            arcade.dispatch([&rules] { rules["C1"].geometry->left = 0; });
            moveTo(g.widget("frmAr", "cmdNew"));
            holdKey("Right", 1500);
            QVERIFY2(paddle() >= 600, qPrintable(QString::number(paddle())));
        });
    }

    /// Typed characters reach the number box's filter; Tab, Delete and the arrows only move or
    /// edit.
    void theRouletteBoxesTakeTabAndDeleteAsKeysAndRefuseTypedNonDigits() {
        UiGame g;
        g.startGame();
        play(g, "frmRuletka", [&](ui::PlaceDialog&) {
            auto* number = g.widget<QLineEdit>("frmRuletka", "txtChis");
            moveTo(number);
            quickClicks(1);
            const std::size_t before = g.messages.shown.size();
            QStringList seen;
            keys({"1", "2", "Home", "Delete"});
            seen << number->text();
            keys({"End", "BackSpace"});
            seen << number->text();
            keys({"7"});
            QCOMPARE(boxTitles(g, before), std::string());
            keys({"Return"});
            keys({"a"});
            keys({"minus"});
            QCOMPARE(boxTitles(g, before),
                     std::string("[Это не число!][Это не число!][Это не число!]"));
            seen << number->text();
            keys({"Tab"});
            QCOMPARE(QApplication::focusWidget(), g.widget("frmRuletka", "txtStav"));
            keys({"5", "shift+Tab"});
            QCOMPARE(QApplication::focusWidget(), number);
            seen << g.widget<QLineEdit>("frmRuletka", "txtStav")->text();
            QCOMPARE(seen.join('|'), QStringLiteral("2||7|5"));
            QCOMPARE(g.messages.shown.size(), before + 3);
        });
    }

    /// Any button on a block of jokes is a click on it; its scroll bar only scrolls.
    void anyButtonOnAJokeBlockShowsTheBoxButItsScrollBarOnlyScrolls() {
        UiGame g;
        g.startGame();
        play(g, "frmInterAnek", [&](ui::PlaceDialog&) {
            g.click("frmInterAnek", "Command1");
            auto* block = g.widget<QPlainTextEdit>("frmInterAnek", "an_0");
            QVERIFY(block && block->verticalScrollBar()->isVisible());
            const std::size_t before = g.messages.shown.size();
            moveTo(block->viewport());
            quickClicks(1, 3);
            QCOMPARE(QApplication::activePopupWidget(), nullptr);  // no copy menu
            quickClicks(1, 1);
            QCOMPARE(boxTitles(g, before), std::string("[Ха-ха-ха][Ха-ха-ха]"));
            QScrollBar* bar = block->verticalScrollBar();
            moveTo(bar, QPoint(bar->width() / 2, bar->height() - 4));
            quickClicks(2);
            QVERIFY(bar->value() > 0);
            QCOMPARE(boxTitles(g, before), std::string("[Ха-ха-ха][Ха-ха-ха]"));
        });
    }

    /// A caption takes the pointer itself: the offer stays; the bare window resets it.
    void aCaptionKeepsTheOfferAndTheBareWindowResetsIt() {
        UiGame g;
        g.startGame();
        play(g, "frmParty", [&](ui::PlaceDialog& party) {
            const auto offer = [&] {
                return g.texts("frmParty", {"txtSpec", "lblCost", "lblIncrease"});
            };
            moveTo(g.widget("frmParty", "cmdKasino"));
            moveTo(g.widget("frmParty", "cmdDisco"));
            const QString casino = offer();
            QVERIFY2(casino.startsWith("Здесь") && casino.endsWith("|8|9"), qPrintable(casino));
            moveTo(g.widget("frmParty", "lblCostTitle"));
            moveTo(g.widget("frmParty", "lblHappynessTitle"));
            QCOMPARE(offer(), casino);
            const std::optional<QPoint> bare = bareSpot(&party);
            QVERIFY(bare);
            moveTo(&party, bare);
            QCOMPARE(offer(), QStringLiteral("РАЗВЛЕЧЕНИЯ РАЗВЛЕЧЕНИЯ РАЗВЛЕЧЕНИЯ||"));
        });
    }

    /// Ctrl+K on the main window opens the career guide, and a screen reader finds its cells by
    /// what they ask and what the player has; a red satiety is read with the way to death.
    void theCareerGuideAndTheDangerAreReadOnTheDesktop() {
        UiGame g;
        g.startGame();
        ui::MainWindow* main = g.main();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        moveTo(main);
        keys({"ctrl+k"});
        QTRY_VERIFY(main->career() && main->career()->isVisible());
        auto* tree = main->career()->findChild<QTreeWidget*>(QStringLiteral("treCareer"));
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(tree);
        QStringList heard;
        for (int i = 0; i < table->childCount(); ++i)
            if (QAccessibleInterface* cell = table->child(i))
                heard << cell->text(QAccessible::Name);
        QVERIFY2(heard.contains("Одежда: требуется Спорт.костюм или лучше / у вас Дряхлая, "
                                "не выполнено"),
                 qPrintable(heard.mid(0, 12).join(" | ")));
        main->career()->close();

        g.state().lblHungry = "-25";
        g.nav().refresh();
        QAccessibleInterface* value =
            QAccessible::queryAccessibleInterface(g.widget("frmMain", "lblHungry"));
        QCOMPARE(value->text(QAccessible::Name), QStringLiteral("Сытость: -25"));
        QCOMPARE(value->text(QAccessible::Description),
                 QStringLiteral("Чем больше это число, тем лучше.\nдо смерти от голода: 5"));
    }

    /// The desktop's keys through the X server: Ctrl+= and Ctrl+0 zoom the windows and back,
    /// Ctrl+P pauses the game and again resumes it.
    void theZoomAndPauseKeysWorkOnTheDesktop() {
        UiGame g;
        g.startGame();
        ui::MainWindow* main = g.main();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main));
        moveTo(main);
        keys({"ctrl+equal"});
        QTRY_COMPARE(ui::Zoom::instance().percent(), 125);
        keys({"ctrl+0"});
        QTRY_COMPARE(ui::Zoom::instance().percent(), 100);
        keys({"ctrl+p"});
        QTRY_VERIFY(main->paused());
        keys({"ctrl+p"});
        QTRY_VERIFY(!main->paused());
    }
};

BRANKOR_WINDOW_TEST(InputTest)
#include "input_test.moc"
