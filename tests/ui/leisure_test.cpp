// The leisure window and its games on real widgets: each game takes the leisure window's place and
// leaving it brings back a fresh leisure window with the casino closed; a roulette game typed and
// played; an arcade game on the window's own timer, its paddle moved by the arrow keys and buttons,
// a tick repainting the field alone; a fishing trip on the lake and back home.
#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// Notes the object name of every widget of one window that is painted while it is installed.
struct PaintCounter : QObject {
    QWidget* window;
    QSet<QString> painted;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == window)
            painted.insert(watched->objectName());
        return false;
    }
};

QString lastTitle(UiGame& g) {
    return QString::fromStdString(g.messages.shown.back().title);
}

}  // namespace

class LeisureTest : public QObject {
    Q_OBJECT
  private slots:
    /// The party, then in turn the roulette, the slot machine, the arcade and the party again.
    void eachGameTakesThePartysPlaceAndIsPlayedOnItsWidgets() {
        UiGame g;
        g.startGame();
        QStringList seen;
        whenShown(g, [&](const std::string& window) {
            seen << QString::fromStdString(window) + ":" + QString::number(g.nav().modalDepth());
            if (window != "frmParty") {
                if (window == "frmRuletka") roulette(g);
                if (window == "frmRuletka2") slotMachine(g);
                if (window == "frmAr") arcade(g);
                return g.click(window, "cmdBack");
            }
            static const char* const games[] = {"cmdAr", "cmdRuletka", "cmdRuletka2"};
            const auto visit = seen.count(QStringLiteral("frmParty:1"));
            QVERIFY(!g.visible(window, "cmdRuletka") && !g.visible(window, "cmdAr"));
            if (visit > 3) return g.click(window, "cmdBack");
            g.click(window, "cmdKasino");
            g.click(window, games[visit - 1]);
        });
        g.click("frmMain", "imgParty");
        QCOMPARE(seen.join(' '), QStringLiteral("frmParty:1 frmAr:1 frmParty:1 frmRuletka:1 "
                                                "frmParty:1 frmRuletka2:1 frmParty:1"));
    }

    void aTripToTheLakeBringsTheCatchHome() {
        UiGame g;
        g.startGame();
        g.state().HasRod = g.state().HasTackle = true;
        g.messages.answers = {Answer::Yes};  // the bus
        QStringList seen;
        whenShown(g, [&](const std::string& window) {
            if (window == "frmMadFish") return fish(g);
            seen << g.text(window, "lblNFish");
            if (seen.size() == 1) return g.click(window, "cmdGoFishing");
            g.nav().dialog(window)->done(QDialog::Rejected);
        });
        g.click("frmMain", "imgHobby");
        QCOMPARE(seen, (QStringList{"0", "3"}));
        QCOMPARE(g.text("frmMain", "lblMoney"), QStringLiteral("160"));
        QVERIFY(!g.nav().dialog("frmMadFish") && !g.nav().dialog("frmHobby"));
    }

  private:
    static void roulette(UiGame& g) {
        g.state().lblMoney = "100";  // after the arcade game's loss
        auto* number = g.widget<QLineEdit>("frmRuletka", "txtChis");
        QVERIFY(number && number->maxLength() == 2);
        QTest::keyClicks(number, "0-4");  // the minus is refused
        QCOMPARE(lastTitle(g), QStringLiteral("Это не число!"));
        QTest::keyClicks(g.widget("frmRuletka", "txtStav"), "1000");
        g.click("frmRuletka", "cmdStart");
        QCOMPARE(number->text() + g.widget<QLineEdit>("frmRuletka", "txtStav")->text(), "4100");
        QTest::keyClick(g.nav().dialog("frmRuletka"), Qt::Key_Escape);  // refused while spinning
        QCOMPARE(lastTitle(g), QStringLiteral("Нацми на <СТОП>"));
        g.clock.ms += 2000;
        g.random.values = {4.5 / 13};
        g.click("frmRuletka", "cmdStop");
        QCOMPARE(g.texts("frmRuletka", {"lblNum", "cmdStop"}), QStringLiteral("4|OK"));
        g.click("frmRuletka", "cmdStop");
        QCOMPARE(lastTitle(g) + g.text("frmMain", "lblMoney"), QStringLiteral("Ура-а-а-а-а!!!400"));
    }

    /// A spin shows its symbols, by picture and by name, and pays on the status panel.
    static void slotMachine(UiGame& g) {
        g.click("frmRuletka2", "cmdBVrash");
        g.random.values = {0.9, 0.9, 0.1};
        g.click("frmRuletka2", "cmdStart");
        QCOMPARE(g.text("frmRuletka2", "lblVrash") + " " + g.text("frmMain", "lblMoney"),
                 QStringLiteral("4 393"));
        auto* reel = g.widget<QLabel>("frmRuletka2", "imgPict3");
        QVERIFY(!reel->pixmap().isNull());
        QCOMPARE(reel->accessibleName(), QStringLiteral("Барабан 3: Вишни"));
    }

    static void arcade(UiGame& g) {
        ui::PlaceDialog* dialog = g.nav().dialog("frmAr");
        Place& rules = dialog->place();
        const auto paddle = [&] { return rules["C1"].geometry->left; };
        g.click("frmAr", "cmdNew");
        QVERIFY(!g.widget("frmAr", "cmdBack")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(rules["P1"].geometry->left >= 300, 2000);

        // The keys go where the player's keys go: to the focused control.
        int left = paddle();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(paddle(), left + 150);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QCOMPARE(paddle(), left - 150);

        // Held down, an arrow button moves the paddle at once and then steadily until let go.
        auto* right = g.widget<QAbstractButton>("frmAr", "Command2");
        QVERIFY(!right->icon().isNull());
        left = paddle();
        QTest::mousePress(right, Qt::LeftButton);
        QCOMPARE(paddle(), left + 100);
        QTRY_VERIFY_WITH_TIMEOUT(paddle() >= left + 300, 1000);
        QTest::mouseRelease(right, Qt::LeftButton);
        left = paddle();
        QTest::qWait(100);
        QCOMPARE(paddle(), left);

        // While the ball flies, nothing but the field is painted again.
        PaintCounter counter;
        counter.window = dialog;
        qApp->installEventFilter(&counter);
        QTest::qWait(200);
        qApp->removeEventFilter(&counter);
        QCOMPARE(counter.painted, QSet<QString>{QStringLiteral("Picture1")});
        // The paddle out of the way: the game is lost, "No" ends it and the way back opens.
        const std::size_t boxes = g.messages.shown.size();
        rules["C1"].geometry->left = -3000;
        QTRY_VERIFY_WITH_TIMEOUT(g.messages.shown.size() > boxes, 10000);
        QCOMPARE(lastTitle(g), QStringLiteral("Вы проиграли."));
        QVERIFY(g.widget("frmAr", "cmdBack")->isEnabled());
    }

    /// Clicks the jumping fish three times and comes home once the time is over. The lake's timers
    /// are fired by hand; chance always answers 0, so the fish lands top left.
    static void fish(UiGame& g) {
        ui::PlaceDialog* lake = g.nav().dialog("frmMadFish");
        const auto tick = [lake](const char* timer) {
            lake->dispatch([lake, timer] { lake->place().onTimer(timer); });
        };
        auto* fish = g.widget<QLabel>("frmMadFish", "picFL");
        QCOMPARE(fish->accessibleName(), QStringLiteral("Рыба"));
        g.click("frmMadFish", "cmdStart");
        QTest::keyClick(lake, Qt::Key_Escape);  // the lake is left by the go-home button only
        QVERIFY(lake->isVisible() && !lake->unloading());
        tick("tmrForFish");
        QCOMPARE(fish->geometry(), QRect(425 / 15, 740 / 15, 70, 29));
        QVERIFY(!fish->pixmap().isNull());
        for (const QPoint at : {QPoint(5, 5), QPoint(35, 15), QPoint(65, 25)})
            QTest::mouseClick(fish, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseClick(g.widget("frmMadFish", "picFR"), Qt::LeftButton);  // off the lake
        QCOMPARE(g.text("frmMadFish", "lblCatch"), QStringLiteral("3"));
        tick("tmrAllTime");
        QVERIFY(g.text("frmMadFish", "lblHelp").startsWith("Вам удалось поймать рыб: 3"));
        QVERIFY(fish->isHidden() && !g.widget("frmMadFish", "cmdStart")->isEnabled());
        QCOMPARE(g.text("frmMadFish", "cmdStart"), QStringLiteral("Поехать домой"));
        tick("tmrAllTime");
        g.click("frmMadFish", "cmdStart");
    }
};

BRANKOR_WINDOW_TEST(LeisureTest)
#include "leisure_test.moc"
