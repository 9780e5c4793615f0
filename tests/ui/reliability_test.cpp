// What a player's desktop does to the windows: a place closed while a menu opens a dialog, help
// read while the clock ticks, boxes on a system without Qt's translations.
#include <QAction>
#include <QFileDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// The real windows with the platform's own file dialogs and, optionally, message boxes.
struct DesktopGame {
    explicit DesktopGame(bool realBoxes = false)
        : app(ui::ApplicationPorts{realBoxes ? nullptr : &messages, &clock, &random, nullptr,
                                   [this] { quit = true; }}) {
        app.start();
        QTest::mouseClick(app.navigator().dialog("frmFirst")->findChild<QPushButton*>("cmdOK"),
                          Qt::LeftButton);
    }
    FakeMessages messages;
    FakeClock clock;
    FakeRandom random;
    bool quit = false;
    ui::Application app;
    ui::MainWindow* main() { return app.navigator().mainWindow(); }
    void trigger(const char* item) {
        main()->findChild<QAction*>(QString::fromUtf8(item))->trigger();
    }
};

/// Runs `answer` on the modal dialog of type T as soon as one is on top.
template <class T>
void whenOpen(std::function<void(T&)> answer) {
    soon([answer] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        QVERIFY2(dialog, "no dialog of the expected kind is open");
        answer(*dialog);
    });
}

}  // namespace

class ReliabilityTest : public QObject {
    Q_OBJECT
  private slots:
    // "<< Назад" and, in the same turn of the event loop, "Сохранить игру" or "Загрузить игру":
    // the place is deleted while the file dialog runs, and the dialog must not be its child.
    void aPlaceClosedUnderTheFileDialogTakesNothingAlong() {
        DesktopGame g;
        for (int round = 0; round < 200; ++round) {
            const char* item = round % 2 ? "Load" : "Save";
            QWidget* parent = g.main();  // anything else is wrong
            bool asked = false;
            soon([&] {
                ui::PlaceDialog* shop = g.app.navigator().dialog("frmShop");
                QVERIFY(shop && shop->isVisible());
                whenOpen<QFileDialog>([&](QFileDialog& dialog) {
                    asked = true;
                    parent = dialog.parentWidget();
                    dialog.reject();
                });
                QTest::mouseClick(shop->findChild<QPushButton*>("cmdBack"), Qt::LeftButton);
                // As on a desktop, the window system has not yet moved activation on.
                QApplication::setActiveWindow(shop);
                g.trigger(item);
            });
            QTest::mouseClick(g.main()->findChild<QToolButton*>("imgShop"), Qt::LeftButton);
            QVERIFY(asked);
            QCOMPARE(parent, static_cast<QWidget*>(g.main()));
            QCOMPARE(g.messages.shown.back().title,
                     std::string(round % 2 ? "Не загрузили" : "Не сохранили."));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!g.app.navigator().dialog("frmShop"));
        }
    }

    // A box that a place's own handler opens belongs to that place, and the place stays until
    // the box is answered even when a death closes it meanwhile.
    void aBoxKeepsItsWindowUntilAnswered() {
        DesktopGame g(true);
        g.app.game().state.lblMoney = "0";
        QPointer<ui::PlaceDialog> shop;
        soon([&] {
            shop = g.app.navigator().dialog("frmShop");
            whenOpen<QMessageBox>([&](QMessageBox& box) {
                QCOMPARE(box.parentWidget(), static_cast<QWidget*>(shop.data()));
                g.app.navigator().closeAllPlaces();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                QVERIFY(shop);  // hidden, but not deleted under its box
                box.button(QMessageBox::Ok)->click();
            });
            QTest::mouseClick(shop->findChild<QPushButton*>("cmdBuyBrakfast"), Qt::LeftButton);
        });
        QTest::mouseClick(g.main()->findChild<QToolButton*>("imgShop"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!shop);
    }

    // No translations are installed in this program: the game's boxes speak Russian anyway.
    void boxesSayYesAndNoInRussianWithoutTranslations() {
        DesktopGame g(true);
        QStringList buttons;
        whenOpen<QMessageBox>([&](QMessageBox& box) {
            for (QAbstractButton* b : box.buttons()) buttons << b->text().remove('&');
            box.button(QMessageBox::No)->click();
        });
        g.trigger("Exit");
        buttons.sort();
        QCOMPARE(buttons, (QStringList{QStringLiteral("Да"), QStringLiteral("Нет")}));
        QVERIFY(!g.quit);
    }

    // Help read in the middle of a long text keeps its place while the clock ticks.
    void helpKeepsTheReadersPlaceWhileTimeRuns() {
        DesktopGame g;
        bool read = false;
        soon([&] {
            auto* text =
                g.app.navigator().dialog("frmHelp")->findChild<QPlainTextEdit*>("txtMainWindow");
            QVERIFY(text && text->isVisible());
            QTextCursor cursor = text->textCursor();
            cursor.setPosition(text->document()->characterCount() / 2);
            text->setTextCursor(cursor);
            QScrollBar* bar = text->verticalScrollBar();
            bar->setValue(bar->maximum() / 2);
            const int scrolled = bar->value();
            QVERIFY(scrolled > 0);
            g.main()->advanceTime(3 * 1500);
            QCOMPARE(g.app.game().state.lblHours, std::string("4"));
            QCOMPARE(text->textCursor().position(), cursor.position());
            QCOMPARE(bar->value(), scrolled);
            read = true;
            g.app.navigator().dialog("frmHelp")->done(QDialog::Rejected);
        });
        g.trigger("BigHelp");
        QVERIFY(read);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ui::Application::applyStyle();
    ReliabilityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "reliability_test.moc"
