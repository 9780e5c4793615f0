// Time and the lifetime of windows on the real widgets: the real timer brings the ticks, a window
// replaced once does not come back, and a death inside a window's box does not free it under
// its handler.
#include <QPointer>

#include "life/jobs.h"
#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// A player who meets every requirement of the computer president's job.
void makePresident(GameState& s) {
    for (const Requirement& r : jobOf("cmdWPresident")->requirements) {
        if (r.field) s.*r.field = r.test == Requirement::Test::Not ? "Есть" : std::string(r.text);
        if (r.variable == &GameState::CarIndex) setCar(s, static_cast<std::int16_t>(r.number));
        if (r.variable == &GameState::FishTotal) s.FishTotal = static_cast<std::int16_t>(r.number);
    }
}

}  // namespace

class TimersTest : public QObject {
    Q_OBJECT
  private slots:
    void theRealTimerBringsALifeTickAndTheClockGoesOnWhileItsBoxIsOpen() {
        UiGame g;
        g.startGame();
        g.state().lblHungry = "-19";  // the life tick warns
        std::int64_t hoursAtBox = -1;
        g.messages.whileOpen = [&](const Message&) {
            if (hoursAtBox >= 0) return;
            hoursAtBox = g.main()->clockTicks();
            // Only the real timer can bring the next hour while the box holds the life tick.
            QVERIFY(g.main()->tickTimer().isActive());
            QTRY_VERIFY_WITH_TIMEOUT(g.main()->clockTicks() > hoursAtBox, 4000);
        };
        // The first life tick is 300 ms away: the real timer, not this call, brings it.
        g.main()->advanceTime(18000 - 300 - g.main()->elapsed());
        QTRY_COMPARE_WITH_TIMEOUT(g.main()->lifeTicks(), std::int64_t{1}, 4000);
        QCOMPARE(g.messages.shown.at(0).title, std::string("ОПАСНОСТЬ!!!"));
        QCOMPARE(hoursAtBox, std::int64_t{12});
        QVERIFY(g.main()->clockTicks() > hoursAtBox);
        QVERIFY(g.main()->tickTimer().isActive());
    }

    void theEndWindowComesOnceForThePresidencyNotOnTheNextVisit() {
        UiGame g;
        g.startGame();
        makePresident(g.state());
        int ends = 0;
        connect(&g.nav(), &ui::Navigator::shown, this, [&](const QString& window) {
            if (window != QStringLiteral("frmTheEnd")) return;
            ++ends;
            g.click("frmTheEnd", "cmdOK");
        });
        g.visit("imgWork", "frmWork", [&] {
            pointAt(g.widget("frmWork", "cmdWPresident"));
            g.click("frmWork", "cmdWPresident");
        });
        QCOMPARE(ends, 1);
        QCOMPARE(g.state().lblMyWork, std::string("ком.през."));
        g.visit("imgWork", "frmWork", [] {});
        QCOMPARE(ends, 1);
        QVERIFY(!g.nav().dialog("frmTheEnd") && g.main()->isVisible());
    }

    // Under AddressSanitizer a window freed too early is also a use after free. After the death
    // the start-up window's "OK" starts a fresh main window, its hidden rows shown again.
    void aDeathInsideAWindowsBoxKeepsThatWindowUntilItsHandlerReturns() {
        UiGame g;
        g.startGame();
        g.state().hiddenControls = {"lblSStoim", "lblSCost"};
        g.state().lblMoney = "0";
        g.state().lblHungry = "-29";  // the next life tick kills
        QPointer<ui::PlaceDialog> flat;
        bool keptDuringBox = false;
        g.messages.whileOpen = [&](const Message& box) {
            if (box.title != "Внимание") return;  // the refusal, not the death
            g.main()->advanceTime(18000);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            keptDuringBox = !flat.isNull();
        };
        // Opened beside the main window, as the software shop is, so that no handler of the
        // main window holds it up: the main window goes at once and must not take this one along.
        g.nav().show("frmFlat", Modality::Modeless);
        flat = g.nav().dialog("frmFlat");
        pointAt(g.widget("frmFlat", "cmdBuyBath"));
        g.click("frmFlat", "cmdBuyBath");
        QCOMPARE(g.messages.shown.back().title, std::string("+СМЕРТЬ+"));
        QVERIFY(keptDuringBox);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!flat && !g.main() && !g.quit);
        auto* first = g.nav().dialog("frmFirst");
        QVERIFY(first && first->isVisible());
        QCOMPARE(first->windowModality(), Qt::ApplicationModal);
        QTest::mouseClick(g.widget<QPushButton>("frmFirst", "cmdOK"), Qt::LeftButton);
        QVERIFY(g.main() && g.main()->isVisible());
        QCOMPARE(g.state().lblHungry + g.state().lblMoney, std::string("30170"));
        QVERIFY(!g.widget("frmMain", "lblSCost")->isHidden());
    }
};

BRANKOR_WINDOW_TEST(TimersTest)
#include "timers_test.moc"
