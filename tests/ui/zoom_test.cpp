// The zoom: every window at 100, 150 and 200 % shows every text whole and no control on top of
// another; the main window follows a change of zoom while it is open; the menu offers only the
// steps at which the main window fits on the screen, and the zoom is kept for the next run.
#include "ui/zoom.h"
#include "ui/gamesettings.h"
#include "ui/placeregistry.h"
#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

QString nameOf(const QWidget& widget) {
    const QString name = widget.objectName();
    return name.isEmpty() ? QString::fromUtf8(widget.metaObject()->className()) : name;
}

/// A label whose text needs more room than the label has.
bool clipped(const QLabel& label) {
    if (label.text().isEmpty() || !label.pixmap().isNull()) return false;
    if (label.wordWrap()) return label.heightForWidth(label.width()) > label.height();
    const QSize needed = label.sizeHint();
    return needed.width() > label.width() || needed.height() > label.height();
}

/// A picture that lies under the controls drawn on it, as the lake lies under its fish and the
/// rules' help: the design puts it there on purpose, so only another picture over it would be
/// an overlap. A picture is a label that shows a picture and no text.
bool backdrop(const QWidget& widget) {
    const auto* label = qobject_cast<const QLabel*>(&widget);
    return label && label->text().isEmpty() && !label->pixmap().isNull();
}

/// Two controls side by side in one parent whose rectangles share pixels, the first of them
/// under the second.
bool overlap(const QWidget& under, const QWidget& over) {
    if (!under.geometry().intersects(over.geometry())) return false;
    return !(backdrop(under) && !backdrop(over));
}

/// What is wrong with `window` as the player sees it: texts cut off, controls on top of one
/// another, controls reaching beyond the frame that holds them.
QStringList faults(QWidget& window) {
    QStringList found;
    QList<QWidget*> parents = window.findChildren<QWidget*>();
    parents.prepend(&window);
    for (QWidget* parent : std::as_const(parents)) {
        if (parent->window() != &window || !parent->isVisible()) continue;
        // The parts of a scroll area, a tab bar or a spin box are the platform's to arrange.
        if (!parent->objectName().startsWith(QLatin1String("qt_")) &&
            qobject_cast<QAbstractScrollArea*>(parent->parentWidget()))
            continue;
        if (auto* label = qobject_cast<QLabel*>(parent); label && clipped(*label))
            found << QStringLiteral("%1 cuts off “%2”").arg(nameOf(*label), label->text());
        // A control wholly outside its frame is not in sight (the fish wait off the lake).
        QList<QWidget*> children;
        for (QObject* child : parent->children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (widget && !widget->isWindow() && widget->isVisible() &&
                parent->rect().intersects(widget->geometry()))
                children << widget;
        }
        for (qsizetype i = 0; i < children.size(); ++i) {
            if (!parent->rect().contains(children[i]->geometry()) && parent != &window)
                found << QStringLiteral("%1 reaches out of %2")
                             .arg(nameOf(*children[i]), nameOf(*parent));
            for (qsizetype j = i + 1; j < children.size(); ++j)
                if (overlap(*children[i], *children[j]))
                    found << QStringLiteral("%1 overlaps %2")
                                 .arg(nameOf(*children[i]), nameOf(*children[j]));
        }
    }
    return found;
}

/// Opens `window` as the game opens it and returns its faults.
QStringList faultsOf(UiGame& g, const std::string& window) {
    QStringList found;
    soon([&] {
        ui::PlaceDialog* open = g.nav().dialog(window);
        if (!open) return;
        QApplication::processEvents();  // the layouts settle
        found = faults(*open);
        open->done(QDialog::Rejected);
    });
    g.nav().show(window, Modality::Modal);
    return found;
}

/// Counts the paints of the widgets it watches.
class PaintCounter : public QObject {
  public:
    int paints = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return QObject::eventFilter(watched, event);
    }
};

QAction* item(UiGame& g, const char* name) {
    return g.main()->findChild<QAction*>(QString::fromUtf8(name));
}

}  // namespace

class ZoomTest : public QObject {
    Q_OBJECT
  private slots:
    // Every case starts at 100 % with no window place remembered, and leaves it so for the next.
    void init() { ui::gameSettings()->clear(); }
    void cleanup() {
        ui::Zoom::instance().setPercent(100);
        ui::gameSettings()->clear();
    }

    void everyWindowShowsItsTextsWholeAtEveryStep_data() {
        QTest::addColumn<int>("percent");
        for (const int percent : {100, 150, 200})
            QTest::newRow(qPrintable(QStringLiteral("%1 %").arg(percent))) << percent;
    }

    void everyWindowShowsItsTextsWholeAtEveryStep() {
        QFETCH(int, percent);
        UiGame g;
        g.startGame();
        // The main window is scaled while it is open; the places are made at the new zoom.
        ui::Zoom::instance().setPercent(percent);
        QApplication::processEvents();
        QStringList found = faults(*g.main());
        for (const auto& [name, kind] : ui::placeKinds())
            for (const QString& fault : faultsOf(g, name))
                found << QString::fromStdString(name) + ": " + fault;
        QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
    }

    // A new value repaints its label alone, at every step and also after a step changed under an
    // open window: nothing beneath it is drawn again, and nothing shows that it was not, the
    // label's background being that of the frame or window around it.
    void aNewValueRepaintsItsLabelAloneInTheColourAroundIt() {
        UiGame g;
        g.startGame();
        g.nav().show("frmInterAnek", Modality::Modeless);
        QWidget* site = g.nav().dialog("frmInterAnek");
        QVERIFY(site);
        PaintCounter beneath;
        for (QWidget* w : {static_cast<QWidget*>(g.main()), site}) {
            w->installEventFilter(&beneath);
            for (QWidget* child : w->findChildren<QWidget*>())
                if (child->property("role").toString() != QLatin1String("value"))
                    child->installEventFilter(&beneath);
        }
        for (const int percent : {100, 150}) {
            ui::Zoom::instance().setPercent(percent);
            QApplication::processEvents();
            for (QWidget* w : {static_cast<QWidget*>(g.main()), site}) {
                w->repaint();  // as the player sees it now
                for (QLabel* value : w->findChildren<QLabel*>()) {
                    if (value->property("role").toString() != QLatin1String("value") ||
                        !value->isVisible() || value->window() != w)
                        continue;
                    const QString where =
                        QStringLiteral("%1 at %2 %").arg(value->objectName()).arg(percent);
                    // Other figures of the same width: the new value needs no other room.
                    QString next = value->text();
                    for (QChar& c : next)
                        if (c.isDigit()) c = QChar(u'0' + (c.digitValue() + 1) % 10);
                    if (next == value->text()) continue;
                    QApplication::processEvents();  // what the last one moved is drawn
                    beneath.paints = 0;
                    value->setText(next);
                    QApplication::processEvents();
                    QVERIFY2(beneath.paints == 0, qPrintable(where));
                    // Above the text, at its right end, the label shows what lies around it.
                    const QImage drawn = w->grab().toImage();
                    const QPoint inside = value->mapTo(w, QPoint(value->width() - 1, 0));
                    const QPoint outside = inside + QPoint(2, 0);
                    QVERIFY2(drawn.pixel(inside) == drawn.pixel(outside), qPrintable(where));
                }
            }
        }
    }

    // There and back again: after 150 % and 200 %, 100 % is the window it was, every size and
    // gap as at the start.
    void aZoomAndBackLeavesTheWindowAsItWas() {
        UiGame g;
        g.startGame();
        const auto sizes = [&g] {
            QStringList all;
            for (const QLayout* layout : g.main()->findChildren<QLayout*>()) {
                const QMargins m = layout->contentsMargins();
                all << QStringLiteral("%1 %2,%3,%4,%5 %6")
                           .arg(layout->objectName())
                           .arg(m.left())
                           .arg(m.top())
                           .arg(m.right())
                           .arg(m.bottom())
                           .arg(layout->spacing());
            }
            for (const QWidget* w : g.main()->findChildren<QWidget*>())
                all << w->objectName() + " " + QString::number(w->font().pointSizeF()) + " " +
                           QString::number(w->minimumWidth());
            return all;
        };
        const QStringList before = sizes();
        for (const int percent : {150, 200, 100}) ui::Zoom::instance().setPercent(percent);
        QCOMPARE(sizes(), before);
    }

    /// Ctrl+= and Ctrl+− walk the steps, Ctrl+0 goes back; each is kept for the next run. A step
    /// at which the main window would be larger than the screen is not offered.
    void theMenuOffersTheStepsThatFitAndKeepsTheChoice() {
        UiGame g;
        g.startGame();
        const auto zoomIs = [&g] {
            QStringList steps;
            for (const int percent : ui::kZoomSteps) {
                const QAction* step = item(g, qPrintable(QStringLiteral("Zoom%1").arg(percent)));
                steps << QStringLiteral("%1%2%3")
                             .arg(step->isChecked() ? "*" : "")
                             .arg(percent)
                             .arg(step->isEnabled() ? "" : "-");
            }
            return steps.join(' ');
        };
        QCOMPARE(zoomIs(), QStringLiteral("*100 125 150 175 200"));
        g.main()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(g.main()));
        QTest::keyClick(g.main(), Qt::Key_Equal, Qt::ControlModifier);
        QTest::keyClick(g.main(), Qt::Key_Equal, Qt::ControlModifier);
        QTest::keyClick(g.main(), Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(zoomIs(), QStringLiteral("100 *125 150 175 200"));
        QCOMPARE(QApplication::font().pointSizeF(), 9 * 1.25);
        ui::Application::applyStyle();  // as the next run starts
        QCOMPARE(ui::Zoom::instance().percent(), 125);
        QTest::keyClick(g.main(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(zoomIs(), QStringLiteral("*100 125 150 175 200"));
        // A main window that needs 1500 × 1300 pixels at 100 % (as with a large desktop font)
        // fits the 3200 × 2400 screen up to 175 %; at 175 %, Ctrl+= goes no further.
        QMenu* menu = g.main()->findChild<QMenu*>(QStringLiteral("mnuZoom"));
        g.main()->setMinimumSize(1500, 1300);
        emit menu->aboutToShow();
        QCOMPARE(zoomIs(), QStringLiteral("*100 125 150 175 200-"));
        ui::Zoom::instance().setPercent(175);
        g.main()->setMinimumSize(2625, 2275);
        emit menu->aboutToShow();
        QCOMPARE(zoomIs(), QStringLiteral("100 125 150 *175 200-"));
        QTest::keyClick(g.main(), Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(ui::Zoom::instance().percent(), 175);
        QVERIFY(!item(g, "ZoomIn")->isEnabled());
    }

    // The menu's window waits under an open place; the keys zoom from the place as well.
    void theKeysZoomFromAPlaceToo() {
        UiGame g;
        g.startGame();
        g.messages.answers = {Answer::Yes};  // the taxi to the bank
        int zoomed = 0;
        g.visit("imgBank", "frmBank", [&] {
            QWidget* amount = g.widget("frmBank", "txtPut");
            amount->setFocus();
            QTest::keyClick(amount, Qt::Key_Equal, Qt::ControlModifier);
            zoomed = ui::Zoom::instance().percent();
            QTest::keyClick(amount, Qt::Key_0, Qt::ControlModifier);
        });
        QCOMPARE(zoomed, 125);
        QCOMPARE(ui::Zoom::instance().percent(), 100);
    }
};

int main(int argc, char** argv) {
    // One screen of 3200 × 2400, on which the main window fits at every step.
    QTemporaryDir dir;
    const QString screens = dir.filePath(QStringLiteral("screens.json"));
    QFile file(screens);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(R"({"screens": [{"name": "big", "x": 0, "y": 0, "width": 3200,
                      "height": 2400, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") < 0)
        return 1;
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.toUtf8());
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    brankor::ui::Application::applyStyle();
    ZoomTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "zoom_test.moc"
