// A fishing trip on the real windows: the hobby window gives way to the lake, clicks on the fish
// widget count, and going home shows the new fish total in a fresh hobby window.
#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

class FishingTest : public QObject {
    Q_OBJECT
  private slots:
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

BRANKOR_WINDOW_TEST(FishingTest)
#include "fishing_test.moc"
