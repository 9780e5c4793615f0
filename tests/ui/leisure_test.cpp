// The leisure window and its games on real widgets: a game takes the leisure window's place and
// leaving it brings back a fresh leisure window with the casino closed; a roulette game typed and
// played; an arcade game that runs on the window's own timer, its paddle moved by the arrow keys
// and buttons, a tick repainting the field alone; a fishing trip whose hobby window gives way to
// the lake, where clicks on the fish widget count and going home shows the new fish total.
#include <QLineEdit>
#include <QSet>

#include "leisure/arcade.h"
#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// Counts the paint events of every widget of one window, by object name.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget& window) : m_window(window) { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    QSet<QString> painted;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == &m_window)
            painted.insert(watched->objectName());
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget& m_window;
};

/// The key goes where the player's keys go: to the focused control, else the window.
void press(QWidget& window, Qt::Key key) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &window, key);
}

}  // namespace

class LeisureTest : public QObject {
    Q_OBJECT
  private slots:
    void aGameReplacesTheLeisureWindowAndBackBringsItBackClosed() {
        UiGame g;
        g.startGame();
        int partyVisits = 0;
        int deepest = 0;
        QStringList seen;
        whenShown(g, [&](const std::string& window) {
            deepest = std::max(deepest, g.nav().modalDepth());
            seen << QString::fromStdString(window);
            if (window == "frmParty") {
                QVERIFY(!g.visible(window, "cmdRuletka") && !g.visible(window, "cmdRuletka2") &&
                        !g.visible(window, "cmdAr"));
                if (++partyVisits == 3) {
                    QCOMPARE(g.text(window, "lblHappyness"), g.text("frmMain", "lblHappyness"));
                    g.click(window, "cmdBack");
                    return;
                }
                g.click(window, "cmdKasino");
                QVERIFY(g.visible(window, "cmdRuletka"));
                g.click(window, partyVisits == 1 ? "cmdRuletka" : "cmdRuletka2");
            } else if (window == "frmRuletka2") {
                // A spin shows its symbols, by picture and by name, and pays on the status panel.
                g.state().lblMoney = "100";
                g.click(window, "cmdBVrash");
                g.random.values = {0.9, 0.9, 0.1};
                g.click(window, "cmdStart");
                QCOMPARE(g.text(window, "lblVrash") + " " + g.text("frmMain", "lblMoney"),
                         QStringLiteral("4 93"));
                auto* reel = g.widget<QLabel>(window, "imgPict3");
                QVERIFY(reel && !reel->pixmap().isNull());
                QCOMPARE(reel->accessibleName(), QStringLiteral("Барабан 3: Вишни"));
                g.click(window, "cmdBack");
            } else {
                g.click(window, "cmdBack");
            }
        });
        QTest::mouseClick(g.widget<QToolButton>("frmMain", "imgParty"), Qt::LeftButton);
        QCOMPARE(seen.join(' '),
                 QStringLiteral("frmParty frmRuletka frmParty frmRuletka2 frmParty"));
        QCOMPARE(deepest, 1);  // each game took the leisure window's place, not a level above it
        QVERIFY(!g.nav().dialog("frmParty"));
    }

    void aRouletteGameTypedAndPlayedIsSettledOnTheStatusPanel() {
        UiGame g;
        g.startGame();
        g.state().lblMoney = "100";
        bool played = false;
        whenShown(g, [&](const std::string& window) {
            if (window == "frmParty") {
                if (played) {
                    g.click(window, "cmdBack");
                    return;
                }
                played = true;
                g.click(window, "cmdKasino");
                g.click(window, "cmdRuletka");
                return;
            }
            auto* number = g.widget<QLineEdit>(window, "txtChis");
            auto* stake = g.widget<QLineEdit>(window, "txtStav");
            QVERIFY(number && stake);
            QCOMPARE(number->maxLength() * 10 + stake->maxLength(), 23);
            QTest::keyClicks(number, "0-4");  // the minus is refused
            QCOMPARE(g.messages.shown.back().title, std::string("Это не число!"));
            QTest::keyClicks(stake, "10");
            g.click(window, "cmdStart");
            QCOMPARE(number->text(), QStringLiteral("4"));
            QVERIFY(!g.visible(window, "lblNum"));
            QTest::keyClick(g.nav().dialog(window), Qt::Key_Escape);  // refused while spinning
            QCOMPARE(g.messages.shown.back().title, std::string("Нацми на <СТОП>"));
            QVERIFY(g.visible(window, "cmdStop"));
            g.clock.ms += 2000;
            g.random.values = {4.5 / 13};
            g.click(window, "cmdStop");
            QCOMPARE(g.text(window, "lblNum") + " " + g.text(window, "cmdStop"),
                     QStringLiteral("4 OK"));
            g.click(window, "cmdStop");
            QCOMPARE(g.text("frmMain", "lblMoney"), QStringLiteral("130"));
            QCOMPARE(g.messages.shown.back().title, std::string("Ура-а-а-а-а!!!"));
            g.click(window, "cmdBack");
        });
        QTest::mouseClick(g.widget<QToolButton>("frmMain", "imgParty"), Qt::LeftButton);
        QVERIFY(!g.nav().dialog("frmRuletka") && !g.nav().dialog("frmParty"));
    }

    void aGameFromTheCasinoRunsAndTheKeysAndArrowButtonsMoveThePaddle() {
        UiGame g;
        g.startGame();
        QStringList seen;
        whenShown(g, [&](const std::string& window) {
            seen << QString::fromStdString(window);
            if (window == "frmParty" && seen.size() == 1) {
                g.click("frmParty", "cmdKasino");
                g.click("frmParty", "cmdAr");
            } else if (window == "frmAr") {
                play(g);
            } else {
                g.nav().closeAllPlaces();
            }
        });
        QTest::mouseClick(g.widget<QToolButton>("frmMain", "imgParty"), Qt::LeftButton);
        QCOMPARE(seen.join(' '), QStringLiteral("frmParty frmAr frmParty"));
    }

    void aTripToTheLakeBringsTheCatchHome() {
        UiGame g;
        g.startGame();
        g.state().HasRod = g.state().HasTackle = true;
        g.messages.answers = {Answer::Yes};  // the bus
        int hobbyVisits = 0;
        bool fished = false;
        QObject::connect(&g.nav(), &ui::Navigator::shown, [&](const QString& window) {
            if (window == QLatin1String("frmHobby") && ++hobbyVisits == 1) {
                QCOMPARE(g.text("frmHobby", "lblNFish"), QStringLiteral("0"));
                g.click("frmHobby", "cmdGoFishing");
            } else if (window == QLatin1String("frmMadFish")) {
                fish(g);
                fished = true;
            } else if (window == QLatin1String("frmHobby")) {
                QCOMPARE(g.text("frmHobby", "lblNFish"), QStringLiteral("3"));
                g.nav().dialog("frmHobby")->done(QDialog::Rejected);
            }
        });
        QTest::mouseClick(g.widget<QToolButton>("frmMain", "imgHobby"), Qt::LeftButton);
        QVERIFY(fished);
        QCOMPARE(hobbyVisits, 2);
        QCOMPARE(g.text("frmMain", "lblMoney"), QStringLiteral("160"));
        QCOMPARE(g.state().FishTotal, 3);
        QVERIFY(!g.nav().dialog("frmMadFish") && !g.nav().dialog("frmHobby"));
    }

  private:
    void play(UiGame& g) {
        ui::PlaceDialog* dialog = g.nav().dialog("frmAr");
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Арканоид"));
        Place& rules = dialog->place();
        auto* field = g.widget("frmAr", "Picture1");
        QVERIFY(field);
        QVERIFY(!g.widget<QAbstractButton>("frmAr", "Command2")->icon().isNull());
        const QImage before = field->grab().toImage();

        g.click("frmAr", "cmdNew");
        QVERIFY(!g.widget("frmAr", "cmdBack")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(rules["P1"].geometry->left >= 300, 2000);
        QVERIFY(field->grab().toImage() != before);

        const int left = rules["C1"].geometry->left;
        press(*dialog, Qt::Key_Right);
        QCOMPARE(rules["C1"].geometry->left, left + 150);
        press(*dialog, Qt::Key_Left);
        press(*dialog, Qt::Key_Left);
        QCOMPARE(rules["C1"].geometry->left, left - 150);

        // Held down, an arrow button moves the paddle at once and then steadily until let go.
        auto* right = g.widget<QAbstractButton>("frmAr", "Command2");
        const int pressedAt = rules["C1"].geometry->left;
        QTest::mousePress(right, Qt::LeftButton);
        QCOMPARE(rules["C1"].geometry->left, pressedAt + 100);
        QTRY_VERIFY_WITH_TIMEOUT(rules["C1"].geometry->left >= pressedAt + 300, 1000);
        QTest::mouseRelease(right, Qt::LeftButton);
        const int releasedAt = rules["C1"].geometry->left;
        QTest::qWait(100);
        QCOMPARE(rules["C1"].geometry->left, releasedAt);

        // While the ball flies, nothing but the field is painted again.
        {
            PaintCounter counter(*dialog);
            const int ballAt = rules["P1"].geometry->left;
            QTRY_VERIFY_WITH_TIMEOUT(rules["P1"].geometry->left != ballAt, 1000);
            QTest::qWait(200);
            QCOMPARE(counter.painted, QSet<QString>{QStringLiteral("Picture1")});
        }

        // The paddle out of the way: the game is lost, "No" ends it and the way back opens.
        rules["C1"].geometry->left = -3000;
        QTRY_VERIFY_WITH_TIMEOUT(!g.messages.shown.empty(), 10000);
        QCOMPARE(g.messages.shown.back().title, std::string("Вы проиграли."));
        QVERIFY(g.widget("frmAr", "cmdBack")->isEnabled());
        g.click("frmAr", "cmdBack");
    }

    /// Starts, clicks the jumping fish three times and comes home once the time is over. The
    /// window's timers are fired by hand rather than waited for; chance always answers 0, so the
    /// fish lands in the lake's top-left corner.
    static void fish(UiGame& g) {
        ui::PlaceDialog* lake = g.nav().dialog("frmMadFish");
        QVERIFY(lake);
        auto tick = [lake](const char* timer) {
            lake->dispatch([lake, timer] { lake->place().onTimer(timer); });
        };
        auto* fishLeft = g.widget<QLabel>("frmMadFish", "picFL");
        auto* fishRight = g.widget<QLabel>("frmMadFish", "picFR");
        QVERIFY(fishLeft && fishRight);
        QCOMPARE(fishLeft->accessibleName(), QStringLiteral("Рыба"));
        QCOMPARE(fishLeft->toolTip(), QStringLiteral("Рыба"));
        g.click("frmMadFish", "cmdStart");
        QTest::keyClick(lake, Qt::Key_Escape);  // the lake is left by the go-home button only
        QVERIFY(lake->isVisible() && !lake->unloading());
        tick("tmrForFish");
        QCOMPARE(fishLeft->geometry(), QRect(425 / 15, 740 / 15, 70, 29));
        QVERIFY(!fishLeft->pixmap().isNull());
        for (const QPoint at : {QPoint(5, 5), QPoint(35, 15), QPoint(65, 25)})
            QTest::mouseClick(fishLeft, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseClick(fishRight, Qt::LeftButton);  // no bait: off the lake
        QCOMPARE(g.text("frmMadFish", "lblCatch"), QStringLiteral("3"));
        tick("tmrAllTime");
        QVERIFY(g.text("frmMadFish", "lblHelp").startsWith("Вам удалось поймать рыб: 3"));
        QVERIFY(fishLeft->isHidden());
        auto* home = g.widget<QPushButton>("frmMadFish", "cmdStart");
        QCOMPARE(home->text(), QStringLiteral("Поехать домой"));
        QVERIFY(!home->isEnabled());
        tick("tmrAllTime");
        QVERIFY(home->isEnabled());
        QTest::mouseClick(home, Qt::LeftButton);
    }
};

BRANKOR_WINDOW_TEST(LeisureTest)
#include "leisure_test.moc"
