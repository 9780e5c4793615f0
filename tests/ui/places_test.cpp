// The everyday places on real widgets: the shop, the flat, study and work, the bank and the help
// window. The pointer over a button fills the window's labels, a click reaches the rules, and the
// main window's status panel shows the result at once.
#include <QAction>
#include <QLineEdit>

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
    void theShopPanelFollowsThePointerAndAClickReachesTheStatusPanel() {
        UiGame g;
        g.startGame();
        g.state().lblClothes = "Посл.моды";
        g.visit("imgShop", "frmShop", [&] {
            QCOMPARE(g.nav().dialog("frmShop")->windowTitle(), QStringLiteral("Магазины"));
            pointAt(g.widget("frmShop", "cmdBuyDinner"));
            QCOMPARE(g.texts("frmShop", {"lblShCost", "lblShHungr"}), QStringLiteral("8|8"));
            g.click("frmShop", "cmdBuyDinner");
            QCOMPARE(g.text("frmMain", "lblHungry") + g.text("frmShop", "lblHungr"),
                     QStringLiteral("3838"));
            // The clothes button is disabled at the top, so under the pointer it is bare window.
            QVERIFY(!g.widget("frmShop", "cmdBuyClothes")->isEnabled());
            pointAt(g.widget("frmShop", "cmdBuyClothes"));
            QCOMPARE(g.text("frmShop", "lblShHungr"), QStringLiteral("00"));

            // The car picture follows the car on offer.
            auto* picture = g.widget<QLabel>("frmShop", "imgCCar");
            const QImage first = picture->pixmap().toImage();
            QVERIFY(!first.isNull());
            pointAt(g.widget("frmShop", "cmdCar"));
            g.click("frmShop", "cmdCar");
            QCOMPARE(g.text("frmMain", "lblCar"), QStringLiteral("Пятерка2105"));
            pointAt(g.widget("frmShop", "cmdCar"));
            QVERIFY(picture->pixmap().toImage() != first);
        });
    }

    void theFlatPicturesFollowThePointerAndAPurchaseLiftsTheMood() {
        UiGame g;
        g.startGame();
        g.visit("imgFlat", "frmFlat", [&] {
            QCOMPARE(g.nav().dialog("frmFlat")->windowTitle(), QStringLiteral("Квартира"));
            QVERIFY(g.widget("frmFlat", "imgBath")->isHidden());
            pointAt(g.widget("frmFlat", "cmdBuyBath"));
            QCOMPARE(g.text("frmFlat", "lblWhat"), QStringLiteral("Ведро"));
            QVERIFY(!g.widget("frmFlat", "imgBath")->isHidden());
            QVERIFY(!g.widget<QLabel>("frmFlat", "imgBath")->pixmap().isNull());
            QVERIFY(g.widget("frmFlat", "imgMainFlat")->isHidden());
            g.click("frmFlat", "cmdBuyBath");
            QCOMPARE(g.texts("frmMain", {"lblBath", "lblHappyness"}), QStringLiteral("Ведро|31"));
            pointAt(g.widget("frmFlat", "lblMTitle"));  // a caption is part of the bare window
            QVERIFY(!g.widget("frmFlat", "imgMainFlat")->isHidden());
        });
    }

    void theStudyPanelFollowsThePointerAndAClickEnrols() {
        UiGame g;
        g.startGame();
        g.visit("imgLearn", "frmStudy", [&] {
            pointAt(g.widget("frmStudy", "cmdEnglish"));
            QCOMPARE(g.text("frmStudy", "lblWhat"), QStringLiteral("Курсы"));
            g.click("frmStudy", "cmdEnglish");
            QCOMPARE(g.text("frmMain", "lblEEnglish"), QStringLiteral("Курсы"));
        });
    }

    void theJobSentenceReadsWholeAndAClickHiresOnTheStatusPanel() {
        UiGame g;
        g.startGame();
        g.visit("imgWork", "frmWork", [&] {
            pointAt(g.widget("frmWork", "cmdWGruschik"));
            QStringList words;
            for (const char* part : {"lbladdYou", "lblWCan", "lbladdOnthisW"})
                if (!g.text("frmWork", part).isEmpty()) words << g.text("frmWork", part);
            QCOMPARE(words.join(' '), QStringLiteral("Вы можете работать на этой работе"));
            g.click("frmWork", "cmdWGruschik");
            QCOMPARE(g.text("frmMain", "lblMyWork"), QStringLiteral("Грузчик"));
        });
    }

    void taxiToTheBankDepositAndMidnightInterest() {
        UiGame g;
        g.startGame();
        g.state().lblHours = "23";
        g.messages.answers = {Answer::Yes};  // take the taxi; no accident on the way
        bool visited = false;
        soon([&] {
            QCOMPARE(g.messages.shown.size(), size_t{1});  // the taxi question
            QTest::keyClicks(g.widget<QLineEdit>("frmBank", "txtPut"), QStringLiteral("100"));
            g.click("frmBank", "cmdPut");
            QCOMPARE(g.text("frmBank", "lblYHave") + "|" + g.text("frmMain", "lblMoney"),
                     QStringLiteral("100|60"));
            g.main()->advanceTime(1500);  // the clock strikes midnight while the bank is open
            QCOMPARE(g.texts("frmBank", {"lblYHave", "lblInc"}), QStringLiteral("105|5"));
            visited = true;
            g.click("frmBank", "cmdBack");
        });
        g.click("frmMain", "imgBank");
        QVERIFY(visited);
        QVERIFY(!g.nav().dialog("frmBank"));
    }

    void helpMenusButtonsAndTheAboutBox() {
        UiGame g;
        g.startGame();
        soon([&] {
            QVERIFY(g.visible("frmHelp", "txtSmallHelp"));
            g.click("frmHelp", "Command2");
            QVERIFY(g.visible("frmHelp", "txtPoboch") && !g.visible("frmHelp", "txtSmallHelp"));
            g.click("frmHelp", "cmdOk");
        });
        trigger(g, "SmallHelp");
        QVERIFY(!g.nav().dialog("frmHelp"));

        // Help's own button replaces the help window with the about box.
        soon([&] {
            QVERIFY(g.visible("frmHelp", "txtMainWindow"));
            g.click("frmHelp", "cmdAbout");
        });
        trigger(g, "BigHelp");
        QVERIFY(!g.nav().dialog("frmHelp"));
        // The about box as help's button left it, then again from the menu.
        for (const char* item : {"", "AboutPr"}) {
            if (*item) trigger(g, item);
            QVERIFY(g.visible("frmFirst", "cmdOkAbout"));
            QVERIFY(!g.visible("frmFirst", "cmdOK") && !g.visible("frmFirst", "cmdExit"));
            g.click("frmFirst", "cmdOkAbout");
            QVERIFY(!g.nav().dialog("frmFirst") && g.main()->isVisible() && !g.quit);
        }

        // "Новая игра" brings the start-up window back with its own buttons.
        g.messages.answers = {Answer::Yes};
        trigger(g, "NewGame");
        QVERIFY(g.visible("frmFirst", "cmdOK") && g.visible("frmFirst", "cmdExit"));
        QVERIFY(!g.visible("frmFirst", "cmdOkAbout"));
    }
};

BRANKOR_WINDOW_TEST(PlacesTest)
#include "places_test.moc"
