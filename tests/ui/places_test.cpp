// The places on real widgets beyond a first visit (the window transcripts walk those): the bank at
// midnight, the help window, a virus; the leisure games, each in the leisure window's place, and a
// fishing trip on the lake.
#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

std::string lastTitle(UiGame& g) {
    return g.messages.shown.back().title;
}

}  // namespace

class PlacesTest : public QObject {
    Q_OBJECT
  private slots:
    void taxiToTheBankDepositAndMidnightInterest() {
        UiGame g;
        g.startGame();
        g.state().lblHours = "23";
        g.messages.answers = {Answer::Yes};  // take the taxi; no accident on the way
        soon([&] {
            QTest::keyClicks(g.widget("frmBank", "txtPut"), QStringLiteral("100"));
            g.click("frmBank", "cmdPut");
            QCOMPARE(g.text("frmBank", "lblYHave") + "|" + g.text("frmMain", "lblMoney"),
                     QStringLiteral("100|60"));
            g.main()->advanceTime(1500);  // the clock strikes midnight while the bank is open
            QCOMPARE(g.texts("frmBank", {"lblYHave", "lblInc"}), QStringLiteral("105|5"));
            g.click("frmBank", "cmdBack");
        });
        g.click("frmMain", "imgBank");
        QVERIFY(!g.nav().dialog("frmBank"));
    }

    void helpKeepsItsReadersPlaceAndOpensTheAboutBox() {
        UiGame g;
        g.startGame();
        soon([&] {
            auto* help = g.widget<QPlainTextEdit>("frmHelp", "txtSmallHelp");
            help->moveCursor(QTextCursor::End);  // the reader's place, kept while the clock runs
            const int at = help->textCursor().position();
            g.main()->advanceTime(1500);
            QCOMPARE(help->textCursor().position(), at);
            g.click("frmHelp", "Command2");
            QVERIFY(g.visible("frmHelp", "txtPoboch") && !help->isVisible());
            g.click("frmHelp", "cmdAbout");  // the about box takes the help window's place
        });
        g.main()->findChild<QAction*>(QStringLiteral("SmallHelp"))->trigger();
        QVERIFY(!g.nav().dialog("frmHelp"));
        QVERIFY(g.visible("frmFirst", "cmdOkAbout") && !g.visible("frmFirst", "cmdOK") &&
                !g.visible("frmFirst", "cmdExit"));
        g.click("frmFirst", "cmdOkAbout");
        QVERIFY(!g.nav().dialog("frmFirst") && g.main()->isVisible() && !g.quit);
    }

    void aWonFightHidesTheVirusWindowForTheNextVirus() {
        UiGame g;
        g.startGame();
        g.state().lblAntvirus = "IVP 100";
        ui::PlaceDialog* first = nullptr;
        QStringList heading;  // the heading blinks: red at the load, white after a tick
        soon([&] {
            first = g.nav().dialog("frmVirus");
            const auto colour = [&] {
                return g.widget("frmVirus", "lblTextVirus")->palette().color(QPalette::WindowText);
            };
            heading << colour().name();
            first->dispatch([first] { first->place().onTimer("Timer1"); });
            heading << colour().name();
            g.click("frmVirus", "cmdLive");  // the amount is 10 at the load: IVP 100 wins
        });
        g.nav().show("frmVirus", Modality::Modal);
        QVERIFY(first && first->isHidden() && g.nav().dialog("frmVirus") == first);
        QCOMPARE(heading.join(' '), QStringLiteral("#ff0000 #ffffff"));
        QCOMPARE(g.messages.shown.back().title, std::string("Ура. Вирус убит."));

        soon([&] { g.click("frmVirus", "cmdKill"); });
        g.nav().show("frmVirus", Modality::Modal);
        QVERIFY(!g.nav().dialog("frmVirus"));
        QCOMPARE(g.text("frmMain", "lblMoney"), QStringLiteral("160"));
    }

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
    }

    // Tab onto the clothes, the pointer then over the car: Space buys what the focused button
    // offers, not what the pointer showed last; Space again, the pointer still, buys it again.
    void spaceOnAFocusedButtonBuysItsOwnOffer() {
        UiGame g;
        g.startGame();
        g.state().lblMoney = "500";
        g.visit("imgShop", "frmShop", [&] {
            QWidget* clothes = g.widget("frmShop", "cmdBuyClothes");
            clothes->setFocus(Qt::TabFocusReason);
            pointAt(g.widget("frmShop", "cmdCar"));
            QCOMPARE(g.text("frmShop", "lblShCost"), QStringLiteral("30"));
            QTest::keyClick(clothes, Qt::Key_Space);
            QTest::keyClick(clothes, Qt::Key_Space);  // the pointer did not move: the same again
        });
        QCOMPARE(QString::fromStdString(g.state().lblClothes + "|" + g.state().lblCar + "|" +
                                        g.state().lblMoney),
                 QStringLiteral("Спорт.костюм|Нет машины|490"));
    }

  private:
    static void roulette(UiGame& g) {
        g.state().lblMoney = "100";  // after the arcade game's loss
        auto* number = g.widget<QLineEdit>("frmRuletka", "txtChis");
        QTest::keyClicks(number, "0-4");  // the minus is refused
        QTest::keyClicks(g.widget("frmRuletka", "txtStav"), "1000");
        g.click("frmRuletka", "cmdStart");
        QCOMPARE(number->text() + g.widget<QLineEdit>("frmRuletka", "txtStav")->text(), "4100");
        g.clock.ms += 2000;
        g.random.values = {4.5 / 13};
        g.click("frmRuletka", "cmdStop");
        QCOMPARE(g.texts("frmRuletka", {"lblNum", "cmdStop"}), QStringLiteral("4|OK"));
        g.click("frmRuletka", "cmdStop");
        QCOMPARE(lastTitle(g) + g.state().lblMoney, std::string("Ура-а-а-а-а!!!400"));
    }

    static void slotMachine(UiGame& g) {
        g.click("frmRuletka2", "cmdBVrash");
        g.random.values = {0.9, 0.9, 0.1};
        g.click("frmRuletka2", "cmdStart");
        QCOMPARE(g.text("frmRuletka2", "lblVrash") + " " + g.text("frmMain", "lblMoney"),
                 QStringLiteral("4 393"));
    }

    static void arcade(UiGame& g) {
        ui::PlaceDialog* dialog = g.nav().dialog("frmAr");
        Place& rules = dialog->place();
        const auto paddle = [&] { return rules["C1"].geometry->left; };
        g.click("frmAr", "cmdNew");
        QVERIFY(!g.widget("frmAr", "cmdBack")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(rules["P1"].geometry->left >= 300, 2000);

        // The keys go where the player's keys go: to the focused control.
        const int left = paddle();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QCOMPARE(paddle(), left - 150);
        // Held down, an arrow button moves the paddle at once and then steadily until let go.
        auto* right = g.widget<QAbstractButton>("frmAr", "Command2");
        QTest::mousePress(right, Qt::LeftButton);
        QCOMPARE(paddle(), left - 50);
        QTRY_VERIFY_WITH_TIMEOUT(paddle() >= left + 150, 1000);
        QTest::mouseRelease(right, Qt::LeftButton);
        const int released = paddle();
        QTest::qWait(100);
        QCOMPARE(paddle(), released);  // let go, it stops

        // The paddle out of the way: the game is lost, "No" ends it and the way back opens.
        const std::size_t boxes = g.messages.shown.size();
        rules["C1"].geometry->left = -3000;
        QTRY_VERIFY_WITH_TIMEOUT(g.messages.shown.size() > boxes, 10000);
        QCOMPARE(lastTitle(g), std::string("Вы проиграли."));
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
        g.click("frmMadFish", "cmdStart");
        tick("tmrForFish");
        for (const QPoint at : {QPoint(5, 5), QPoint(35, 15), QPoint(65, 25)})
            QTest::mouseClick(fish, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseClick(g.widget("frmMadFish", "picFR"), Qt::LeftButton);  // off the lake
        QCOMPARE(g.text("frmMadFish", "lblCatch"), QStringLiteral("3"));
        tick("tmrAllTime");
        QVERIFY(g.text("frmMadFish", "lblHelp").startsWith("Вам удалось поймать рыб: 3"));
        QVERIFY(fish->isHidden() && !g.widget("frmMadFish", "cmdStart")->isEnabled());
        tick("tmrAllTime");
        g.click("frmMadFish", "cmdStart");
    }
};

BRANKOR_WINDOW_TEST(PlacesTest)
#include "places_test.moc"
