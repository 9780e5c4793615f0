// The arcade on real widgets, reached from the casino: a started game runs on the window's own
// timer, the arrow keys and the arrow buttons reach the rules, a tick repaints the field alone,
// and leaving brings back the leisure window.
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

class ArcadeTest : public QObject {
    Q_OBJECT
  private slots:
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
};

BRANKOR_WINDOW_TEST(ArcadeTest)
#include "arcade_test.moc"
