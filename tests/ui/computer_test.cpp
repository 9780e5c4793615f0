// The computer on real widgets: the hardware and software shops (the pointer fills the offer
// panel, a click reaches the status panel, the software shop stays open beside the main window),
// a site that takes the provider's place and gives it back connected, and a virus beaten by the
// antivirus whose hidden window the next virus brings back.
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

class ComputerTest : public QObject {
    Q_OBJECT
  private slots:
    void theHardwarePanelFollowsThePointerAndPurchasesReachTheStatusPanel() {
        UiGame g;
        g.startGame();
        g.visit("imgComputer", "frmComputer", [&] {
            QCOMPARE(g.nav().dialog("frmComputer")->windowTitle(), QStringLiteral("Компьютер"));
            pointAt(g.widget("frmComputer", "cmdBuyComp"));
            QCOMPARE(g.texts("frmComputer", {"lblWhat", "lblM", "txtSpec"}),
                     QStringLiteral("486|10|Купить старенький 486."));
            g.click("frmComputer", "cmdBuyComp");
            QCOMPARE(g.texts("frmMain", {"lblComp", "lblMoney", "lblHappyness"}),
                     QStringLiteral("486|160|31"));

            pointAt(g.widget("frmComputer", "cmdBuyVinchester"));
            QCOMPARE(g.text("frmComputer", "txtSpec"),
                     QStringLiteral("Купить винчестер емкостью 10 Gb."));
            g.click("frmComputer", "cmdBuyVinchester");
            QCOMPARE(g.text("frmMain", "lblVinchester"), QStringLiteral("10 Gb"));
            pointAt(g.widget("frmComputer", "Label2"));  // the caption has no offer of its own
            QCOMPARE(g.text("frmComputer", "lblWhat"), QStringLiteral("10 Gb"));
            pointAt(g.nav().dialog("frmComputer"), QPointF(3, 3));  // the window's own margin
            QCOMPARE(g.text("frmComputer", "lblWhat"), QStringLiteral("------------"));
        });
    }

    void theSoftwareShopIsModelessAndASecondClickBringsItForward() {
        UiGame g;
        g.startGame();
        GameState& s = g.state();
        s.lblComp = "486", s.lblMonitor = "14 д.", s.lblCDROM = "2xSpeed", s.lblRAM = "8Mb";
        s.lblVideoKarta = "1Mb";
        setVinchester(s, 1);
        auto* programsButton = g.widget<QToolButton>("frmMain", "imgPrograms");
        QVERIFY(programsButton && programsButton->isEnabled());
        QTest::mouseClick(programsButton, Qt::LeftButton);  // returns: nothing waits on it
        ui::PlaceDialog* shop = g.nav().dialog("frmPrograms");
        QVERIFY(shop && shop->isVisible());
        QCOMPARE(shop->windowTitle(), QStringLiteral("Программы"));
        QCOMPARE(shop->windowModality(), Qt::NonModal);
        QVERIFY(!g.widget("frmPrograms", "cmdAntivirus")->isEnabled());

        pointAt(g.widget("frmPrograms", "cmdNC"));
        QCOMPARE(g.text("frmPrograms", "lblWhat"), QStringLiteral("NC"));
        QCOMPARE(g.text("frmPrograms", "txtSpec"),
                 QStringLiteral("Минимальные системные требования: процессор 486; монитор; "
                                "винчестер 10 Gb; CD-ROM; RAM-8Mb."));
        g.click("frmPrograms", "cmdNC");
        QCOMPARE(g.messages.shown.back().text, std::string("Вы установили Norton Commander"));
        QCOMPARE(g.texts("frmMain", {"lblSystem", "lblMoney"}), QStringLiteral("NC|167"));
        QVERIFY(!g.widget("frmPrograms", "cmdNC")->isEnabled());

        // The keyboard: focus moved by Tab fills the panel, and Enter installs what it shows.
        shop->activateWindow();
        QTRY_VERIFY(shop->isActiveWindow());
        g.widget("frmPrograms", "cmdBasic")->setFocus(Qt::TabFocusReason);
        QCOMPARE(g.text("frmPrograms", "lblWhat"), QStringLiteral("Basic"));
        QTest::keyClick(g.widget("frmPrograms", "cmdBasic"), Qt::Key_Return);
        QCOMPARE(g.messages.shown.back().text, std::string("Вы установили Basic"));
        QCOMPARE(g.text("frmMain", "lblProgram"), QStringLiteral("Basic"));

        // The main window stays usable: another place opens and closes over it.
        g.visit("imgShop", "frmShop", [&] {
            pointAt(g.widget("frmShop", "cmdBuyDinner"));
            g.click("frmShop", "cmdBuyDinner");
        });
        QCOMPARE(g.text("frmMain", "lblMoney"), QStringLiteral("158"));
        QCOMPARE(g.nav().dialog("frmPrograms"), shop);

        // Its picture button again: the open window comes forward, no second one opens.
        g.main()->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(g.main()));
        QTest::mouseClick(programsButton, Qt::LeftButton);
        QCOMPARE(g.nav().dialog("frmPrograms"), shop);
        QCOMPARE(g.main()->findChildren<ui::PlaceDialog*>(QStringLiteral("frmPrograms")).size(), 1);
        QVERIFY(shop->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(shop));
        QVERIFY(!g.widget("frmPrograms", "cmdNC")->isEnabled());  // the same visit goes on

        g.click("frmPrograms", "cmdBack");
        QVERIFY(!g.nav().dialog("frmPrograms"));
    }

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
            QCOMPARE(heading->palette().color(QPalette::WindowText), QColor(Qt::red));
            first->dispatch([first] { first->place().onTimer("Timer1"); });
            QCOMPARE(heading->palette().color(QPalette::WindowText), QColor(Qt::white));
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

BRANKOR_WINDOW_TEST(ComputerTest)
#include "computer_test.moc"
