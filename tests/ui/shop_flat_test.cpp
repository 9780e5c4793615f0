// The shop and the flat on real widgets: the pointer over a button fills the offer panel, a click
// reaches the rules, and the main window's status panel shows the result at once.
#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

class ShopFlatTest : public QObject {
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
};

BRANKOR_WINDOW_TEST(ShopFlatTest)
#include "shop_flat_test.moc"
