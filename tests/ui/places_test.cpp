// The everyday places and the computer on real widgets: the pointer over a button fills the
// window's offer, a click reaches the rules and the status panel shows the result at once; the bank
// at midnight, the help window, a site that takes the provider's place and a virus beaten by the
// antivirus.
#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

void trigger(UiGame& g, const char* menuItem) {
    auto* action = g.main()->findChild<QAction*>(QString::fromUtf8(menuItem));
    QVERIFY2(action && action->isEnabled(), menuItem);
    action->trigger();
}

}  // namespace

class PlacesTest : public QObject {
    Q_OBJECT
  private slots:
    void theOfferFollowsThePointerAndAPurchaseReachesTheStatusPanel() {
        UiGame g;
        g.startGame();
        QStringList seen;
        // Points at `control`, notes the offer in `offer`, clicks it, notes the panel's `field`.
        const auto buy = [&](const char* window, const char* control, const char* offer,
                             const char* field) {
            pointAt(g.widget(window, control));
            seen << g.text(window, offer);
            g.click(window, control);
            seen << g.text("frmMain", field);
        };
        const auto enter = [&](const char* button, const char* window, auto inside) {
            g.visit(button, window, [&, window] {
                seen << g.nav().dialog(window)->windowTitle();
                inside();
            });
        };
        enter("imgShop", "frmShop", [&] {
            buy("frmShop", "cmdBuyDinner", "lblShCost", "lblHungry");
            // The car picture follows the car on offer.
            const QImage car = g.widget<QLabel>("frmShop", "imgCCar")->pixmap().toImage();
            buy("frmShop", "cmdCar", "lblShCost", "lblCar");
            pointAt(g.widget("frmShop", "cmdCar"));
            QVERIFY(!car.isNull() &&
                    g.widget<QLabel>("frmShop", "imgCCar")->pixmap().toImage() != car);
        });
        enter("imgFlat", "frmFlat", [&] {
            QVERIFY(!g.visible("frmFlat", "imgBath"));
            buy("frmFlat", "cmdBuyBath", "lblWhat", "lblBath");
            QVERIFY(g.visible("frmFlat", "imgBath") && !g.visible("frmFlat", "imgMainFlat"));
            pointAt(g.widget("frmFlat", "lblMTitle"));  // a caption is part of the bare window
            QVERIFY(g.visible("frmFlat", "imgMainFlat") && !g.visible("frmFlat", "imgBath"));
        });
        enter("imgLearn", "frmStudy",
              [&] { buy("frmStudy", "cmdEnglish", "lblWhat", "lblEEnglish"); });
        enter("imgWork", "frmWork", [&] {
            pointAt(g.widget("frmWork", "cmdWGruschik"));
            seen << g.texts("frmWork", {"lbladdYou", "lblWCan", "lbladdOnthisW"});
            buy("frmWork", "cmdWGruschik", "lblWCan", "lblMyWork");
        });
        enter("imgComputer", "frmComputer", [&] {
            buy("frmComputer", "cmdBuyComp", "txtSpec", "lblComp");
            buy("frmComputer", "cmdBuyVinchester", "txtSpec", "lblVinchester");
            pointAt(g.widget("frmComputer", "Label2"));  // a caption has no offer of its own
            seen << g.text("frmComputer", "lblWhat");
            pointAt(g.nav().dialog("frmComputer"), QPointF(3, 3));  // the window's own margin
            seen << g.text("frmComputer", "lblWhat");
        });
        QCOMPARE(seen.join('|'),
                 QStringLiteral("Магазины|8|38|30|Пятерка2105|Квартира|Ведро|Ведро|Обучение|Курсы|"
                                "Курсы|Работа|Вы||можете работать на этой работе||Грузчик|"
                                "Компьютер|Купить старенький 486.|486|"
                                "Купить винчестер емкостью 10 Gb.|10 Gb|10 Gb|------------"));
    }

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
        QCOMPARE(g.messages.shown.size(), size_t{1});  // the taxi question
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
        trigger(g, "SmallHelp");
        QVERIFY(!g.nav().dialog("frmHelp"));
        QVERIFY(g.visible("frmFirst", "cmdOkAbout") && !g.visible("frmFirst", "cmdOK") &&
                !g.visible("frmFirst", "cmdExit"));
        g.click("frmFirst", "cmdOkAbout");
        QVERIFY(!g.nav().dialog("frmFirst") && g.main()->isVisible() && !g.quit);
    }

    void aSiteReplacesTheProviderAndLeavingBringsItBackConnected() {
        UiGame g;
        g.startGame();
        GameState& s = g.state();
        s.lblModem = s.lblComp = s.lblMonitor = s.lblVinchester = s.lblCDROM = s.lblRAM = "есть";
        QStringList seen;
        whenShown(g, [&](const std::string& window) {
            seen << QString::fromStdString(window) + ":" + QString::number(g.nav().modalDepth());
            if (window == "frmInterAnek") {
                g.click(window, "Command2");
                // A click on the joke's text block laughs.
                auto* block = g.widget<QPlainTextEdit>(window, "an_1");
                QTest::mousePress(block->viewport(), Qt::LeftButton);
                QTest::mouseRelease(block->viewport(), Qt::LeftButton);
                seen << QString::fromStdString(g.messages.shown.back().title);
                return g.click(window, "cmdGoOut");
            }
            if (seen.size() > 1) {  // back from the site
                seen << g.text(window, "cmdPodkl");
                return g.click(window, "cmdBack");
            }
            g.click(window, "cmdPodkl");
            g.click(window, "cmdWalk");
            g.click(window, "cmdAnek");
        });
        g.click("frmMain", "imgInternet");
        QCOMPARE(seen.join('|'), QStringLiteral("frmInternet:1|frmInterAnek:1|Ха-ха-ха|"
                                                "frmInternet:1|Вы подключились к интернету."));
        QVERIFY(!g.nav().dialog("frmInternet"));
        QCOMPARE(g.messages.shown.back().text, std::string("Спасибо за посещение сайта!"));
        QCOMPARE(g.text("frmMain", "lblMoney"), QStringLiteral("140"));
    }

    void aWonFightHidesTheVirusWindowForTheNextVirus() {
        UiGame g;
        g.startGame();
        g.state().lblAntvirus = "IVP 100";
        ui::PlaceDialog* first = nullptr;
        soon([&] {
            first = g.nav().dialog("frmVirus");
            QCOMPARE(g.widget("frmVirus", "cmdKill")->accessibleName(),
                     QStringLiteral("Смириться"));
            g.click("frmVirus", "cmdLive");  // the amount is 10 at the load: IVP 100 wins
        });
        g.nav().show("frmVirus", Modality::Modal);
        QVERIFY(first && first->isHidden() && g.nav().dialog("frmVirus") == first);
        QCOMPARE(g.messages.shown.back().title, std::string("Ура. Вирус убит."));

        soon([&] { g.click("frmVirus", "cmdKill"); });
        g.nav().show("frmVirus", Modality::Modal);
        QVERIFY(!g.nav().dialog("frmVirus"));
        QCOMPARE(g.text("frmMain", "lblMoney"), QStringLiteral("160"));
    }
};

BRANKOR_WINDOW_TEST(PlacesTest)
#include "places_test.moc"
