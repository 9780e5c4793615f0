// The internet and the virus on real widgets: a site takes the provider's place and gives it
// back connected; a virus beaten by the antivirus hides its window, and the next virus brings
// the same window back.
#include <memory>

#include "computer/virus.h"
#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// Runs `action` once, as soon as `window` has been shown.
void onceShown(UiGame& g, const char* window, std::function<void()> action) {
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(
        &g.nav(), &ui::Navigator::shown, &g.nav(),
        [connection, name = QString::fromUtf8(window), action](const QString& shown) {
            if (shown != name) return;
            QObject::disconnect(*connection);
            action();
        });
}

}  // namespace

class OnlineTest : public QObject {
    Q_OBJECT
  private slots:
    void aSiteReplacesTheProviderAndLeavingBringsItBackConnected() {
        UiGame g;
        g.startGame();
        GameState& s = g.state();
        s.lblModem = s.lblComp = s.lblMonitor = s.lblVinchester = s.lblCDROM = s.lblRAM = "есть";
        bool backAtProvider = false;
        onceShown(g, "frmInternet", [&] {
            QVERIFY(!g.widget("frmInternet", "cmdWalk")->isEnabled());
            g.click("frmInternet", "cmdPodkl");
            QCOMPARE(g.text("frmMain", "lblVichod"), QStringLiteral("Есть"));
            g.click("frmInternet", "cmdWalk");
            QVERIFY(g.widget("frmInternet", "cmdAnek")->isVisible());
            onceShown(g, "frmInterAnek", [&] {
                QVERIFY(!g.nav().dialog("frmInternet"));
                QVERIFY(g.widget("frmInterAnek", "an_0")->isHidden());
                g.click("frmInterAnek", "Command2");
                auto* block = g.widget<QPlainTextEdit>("frmInterAnek", "an_1");
                QVERIFY(block->isVisible());
                QTest::mousePress(block->viewport(), Qt::LeftButton);
                QTest::mouseRelease(block->viewport(), Qt::LeftButton);
                QCOMPARE(g.messages.shown.back().title, std::string("Ха-ха-ха"));
                onceShown(g, "frmInternet", [&] {
                    QVERIFY(!g.nav().dialog("frmInterAnek"));
                    QCOMPARE(g.text("frmInternet", "cmdPodkl"),
                             QStringLiteral("Вы подключились к интернету."));
                    QVERIFY(!g.widget("frmInternet", "cmdPodkl")->isEnabled());
                    QVERIFY(g.widget("frmInternet", "cmdWalk")->isEnabled());
                    backAtProvider = true;
                    g.click("frmInternet", "cmdBack");
                });
                g.click("frmInterAnek", "cmdGoOut");
            });
            g.click("frmInternet", "cmdAnek");
        });
        QTest::mouseClick(g.widget<QToolButton>("frmMain", "imgInternet"), Qt::LeftButton);
        QVERIFY(backAtProvider);
        QVERIFY(!g.nav().dialog("frmInternet"));
        QCOMPARE(g.messages.shown.back().text, std::string("Спасибо за посещение сайта!"));
        QCOMPARE(g.state().lblMoney, std::string("140"));
    }

    void aWonFightHidesTheVirusWindowForTheNextVirus() {
        UiGame g;
        g.startGame();
        g.state().lblAntvirus = "IVP 100";
        ui::PlaceDialog* first = nullptr;
        onceShown(g, "frmVirus", [&] {
            first = g.nav().dialog("frmVirus");
            auto* kill = g.widget<QPushButton>("frmVirus", "cmdKill");
            QCOMPARE(kill->accessibleName(), QStringLiteral("Смириться"));
            QVERIFY(!kill->icon().isNull());
            auto* heading = g.widget<QLabel>("frmVirus", "lblTextVirus");
            QVERIFY(heading->styleSheet().contains("#ff0000"));
            first->dispatch([first] { first->place().onTimer("Timer1"); });
            QVERIFY(heading->styleSheet().contains("#ffffff"));
            g.click("frmVirus", "cmdLive");  // the amount is 10 at the load: IVP 100 wins
        });
        g.nav().show("frmVirus", Modality::Modal);
        QVERIFY(first);
        QCOMPARE(g.nav().dialog("frmVirus"), first);
        QVERIFY(first->isHidden());
        QCOMPARE(g.messages.shown.back().title, std::string("Ура. Вирус убит."));

        onceShown(g, "frmVirus", [&] { g.click("frmVirus", "cmdKill"); });
        g.nav().show("frmVirus", Modality::Modal);
        QVERIFY(!g.nav().dialog("frmVirus"));
        QCOMPARE(g.state().lblMoney, std::string("160"));
    }
};

BRANKOR_WINDOW_TEST(OnlineTest)
#include "online_test.moc"
