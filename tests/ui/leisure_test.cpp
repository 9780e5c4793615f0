// The leisure window and its games on real widgets: a game takes the leisure window's place,
// and leaving it brings back a fresh leisure window with the casino closed.
#include <QLineEdit>

#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

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
};

BRANKOR_WINDOW_TEST(LeisureTest)
#include "leisure_test.moc"
