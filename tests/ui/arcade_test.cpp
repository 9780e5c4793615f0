// The arcade on real widgets: a game started from its button runs on the window's own timer,
// the arrow keys and the arrow buttons reach the rules, and a tick repaints the field alone.
#include <QKeyEvent>
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

}  // namespace

class ArcadeTest : public QObject {
    Q_OBJECT
  private slots:
    void aStartedGameRunsAndTheArrowKeysAndButtonsMoveThePaddle() {
        UiGame g;
        g.startGame();
        bool checked = false;
        soon([&] {
            ui::PlaceDialog* dialog = g.nav().dialog("frmAr");
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Арканоид"));
            auto& rules = static_cast<FrmAr&>(dialog->place());
            auto* field = g.widget("frmAr", "Picture1");
            QVERIFY(field);
            QVERIFY(!g.widget<QAbstractButton>("frmAr", "Command2")->icon().isNull());
            const QImage before = field->grab().toImage();

            g.click("frmAr", "cmdNew");
            QVERIFY(!g.widget("frmAr", "cmdBack")->isEnabled());
            QTRY_VERIFY_WITH_TIMEOUT(rules["P1"].geometry->left >= 300, 2000);
            QVERIFY(field->grab().toImage() != before);

            const int left = rules["C1"].geometry->left;
            QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : dialog;
            QTest::keyClick(focus, Qt::Key_Right);
            QCOMPARE(rules["C1"].geometry->left, left + 150);
            focus = QApplication::focusWidget() ? QApplication::focusWidget() : dialog;
            QTest::keyClick(focus, Qt::Key_Left);
            QTest::keyClick(focus, Qt::Key_Left);
            QCOMPARE(rules["C1"].geometry->left, left - 150);

            // Held down, an arrow button moves the paddle at once and then steadily until it
            // is let go.
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
            PaintCounter counter(*dialog);
            const int ballAt = rules["P1"].geometry->left;
            QTRY_VERIFY_WITH_TIMEOUT(rules["P1"].geometry->left != ballAt, 1000);
            QTest::qWait(200);
            QCOMPARE(counter.painted, QSet<QString>{QStringLiteral("Picture1")});
            checked = true;
            dialog->done(QDialog::Rejected);
        });
        g.nav().show("frmAr", Modality::Modal);
        QVERIFY(checked);
        QVERIFY(!g.nav().dialog("frmAr"));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ui::Application::applyStyle();
    ArcadeTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "arcade_test.moc"
