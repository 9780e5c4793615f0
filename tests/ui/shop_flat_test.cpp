// The shop and the flat on real widgets: the pointer over a button fills the offer panel, a click
// reaches the rules, and the main window's status panel shows the result at once.
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// Moves the pointer to the middle of `widget`, as the window system reports it.
void pointAt(QWidget* widget) {
    QVERIFY(widget);
    const QPointF local = QRectF(widget->rect()).center();
    QMouseEvent move(QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

QString text(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) return edit->toPlainText();
    return QStringLiteral("<missing>");
}

struct Session : UiGame {
    /// Opens `window` from its picture button on the main window and runs `inside` while it is
    /// shown; the window is closed afterwards even when a check inside fails.
    void visit(const char* button, const char* window, const std::function<void()>& inside) {
        soon([this, window, inside] {
            inside();
            if (ui::PlaceDialog* open = nav().dialog(window)) open->done(QDialog::Rejected);
        });
        QTest::mouseClick(widget<QToolButton>("frmMain", button), Qt::LeftButton);
        QVERIFY(!nav().dialog(window));
    }
    QWidget* in(const char* window, const char* name) { return widget(window, name); }
    QString panel(const char* name) { return text(widget("frmMain", name)); }
};

}  // namespace

class ShopFlatTest : public QObject {
    Q_OBJECT
  private slots:
    void shopPanelFollowsThePointerAndAClickDressesThePlayer() {
        Session g;
        g.startGame();
        g.visit("imgShop", "frmShop", [&] {
            QCOMPARE(g.nav().dialog("frmShop")->windowTitle(), QStringLiteral("Магазины"));
            QCOMPARE(text(g.in("frmShop", "lblHungr")), QStringLiteral("30"));
            pointAt(g.in("frmShop", "cmdBuyClothes"));
            QCOMPARE(text(g.in("frmShop", "lblWhat")), QStringLiteral("Спорт.костюм"));
            QCOMPARE(text(g.in("frmShop", "lblShCost")), QStringLiteral("5"));
            QCOMPARE(text(g.in("frmShop", "txtSpec")),
                     QStringLiteral("Купить дешевый спортивный костюм."));
            QTest::mouseClick(g.widget<QPushButton>("frmShop", "cmdBuyClothes"), Qt::LeftButton);
            QCOMPARE(g.panel("lblClothes"), QStringLiteral("Спорт.костюм"));
            QCOMPARE(g.panel("lblMoney"), QStringLiteral("165"));

            pointAt(g.in("frmShop", "cmdBuyDinner"));
            QCOMPARE(text(g.in("frmShop", "lblShHungr")), QStringLiteral("8"));
            QTest::mouseClick(g.widget<QPushButton>("frmShop", "cmdBuyDinner"), Qt::LeftButton);
            QCOMPARE(g.panel("lblHungry"), QStringLiteral("38"));
            QCOMPARE(text(g.in("frmShop", "lblHungr")), QStringLiteral("38"));

            pointAt(g.in("frmShop", "lblShCostTitle"));  // a caption is part of the bare window
            QCOMPARE(text(g.in("frmShop", "lblWhat")), QStringLiteral("------------"));
            QCOMPARE(text(g.in("frmShop", "lblShCost")), QStringLiteral("00"));
            QCOMPARE(text(g.in("frmShop", "lblShHungr")), QStringLiteral("00"));
        });
    }

    void carPurchaseShowsTheNextCarAndTheStatusPanel() {
        Session g;
        g.startGame();
        g.state().lblMoney = "60";
        g.visit("imgShop", "frmShop", [&] {
            auto* picture = g.widget<QLabel>("frmShop", "imgCCar");
            QVERIFY(!picture->pixmap().isNull());
            const QImage first = picture->pixmap().toImage();
            pointAt(g.in("frmShop", "cmdCar"));
            QCOMPARE(text(g.in("frmShop", "lblCar")), QStringLiteral("Пятерка2105"));
            QCOMPARE(text(g.in("frmShop", "lblShCost")), QStringLiteral("30"));
            QTest::mouseClick(g.widget<QPushButton>("frmShop", "cmdCar"), Qt::LeftButton);
            QCOMPARE(g.messages.shown.back().text,
                     std::string("Поздравляю! Вы купили машину марки Пятерка2105."));
            QCOMPARE(g.panel("lblCar"), QStringLiteral("Пятерка2105"));
            QCOMPARE(g.panel("lblMoney"), QStringLiteral("30"));
            QCOMPARE(text(g.in("frmShop", "lblCurCar")), QStringLiteral("Пятерка2105"));
            pointAt(g.in("frmShop", "cmdCar"));
            QCOMPARE(text(g.in("frmShop", "lblCar")), QStringLiteral("Девятка21093"));
            QVERIFY(picture->pixmap().toImage() != first);
        });
    }

    void flatPicturesFollowThePointerAndAPurchaseLiftsTheMood() {
        Session g;
        g.startGame();
        g.visit("imgFlat", "frmFlat", [&] {
            QCOMPARE(g.nav().dialog("frmFlat")->windowTitle(), QStringLiteral("Квартира"));
            QVERIFY(!g.in("frmFlat", "imgMainFlat")->isHidden());
            QVERIFY(g.in("frmFlat", "imgBath")->isHidden());
            pointAt(g.in("frmFlat", "cmdBuyBath"));
            QCOMPARE(text(g.in("frmFlat", "lblWhat")), QStringLiteral("Ведро"));
            QCOMPARE(text(g.in("frmFlat", "lblM")), QStringLiteral("5"));
            QVERIFY(!g.in("frmFlat", "imgBath")->isHidden());
            QVERIFY(!g.widget<QLabel>("frmFlat", "imgBath")->pixmap().isNull());
            QVERIFY(g.in("frmFlat", "imgMainFlat")->isHidden());
            QTest::mouseClick(g.widget<QPushButton>("frmFlat", "cmdBuyBath"), Qt::LeftButton);
            QCOMPARE(g.panel("lblBath"), QStringLiteral("Ведро"));
            QCOMPARE(g.panel("lblHappyness"), QStringLiteral("31"));
            QCOMPARE(g.panel("lblMoney"), QStringLiteral("165"));

            pointAt(g.in("frmFlat", "cmdBuyFlat"));
            pointAt(g.in("frmFlat", "lblMTitle"));
            QVERIFY(!g.in("frmFlat", "imgMainFlat")->isHidden());
            QVERIFY(!g.in("frmFlat", "imgFlat")->isHidden());
            QCOMPARE(text(g.in("frmFlat", "txtSpec")),
                     QStringLiteral("Покупайте и обустраивайте вашу квартиру"));
        });
    }

    void aDisabledButtonUnderThePointerCountsAsTheBareWindow() {
        Session g;
        g.startGame();
        g.state().lblClothes = "Посл.моды";
        g.visit("imgShop", "frmShop", [&] {
            QVERIFY(!g.in("frmShop", "cmdBuyClothes")->isEnabled());
            pointAt(g.in("frmShop", "cmdBuyDinner"));
            pointAt(g.in("frmShop", "cmdBuyClothes"));
            QCOMPARE(text(g.in("frmShop", "lblShCost")), QStringLiteral("00"));
            QCOMPARE(text(g.in("frmShop", "lblWhat")), QStringLiteral("------------"));
        });
    }

    void flatButtonsAtTheirTopsAreDisabledOnOpening() {
        Session g;
        g.startGame();
        g.state().lblRoom = "7";
        g.visit("imgFlat", "frmFlat", [&] {
            QVERIFY(!g.in("frmFlat", "cmdBuyFlat")->isEnabled());
            QVERIFY(g.in("frmFlat", "cmdBuyMebel")->isEnabled());
        });
    }

    void saveScreenshotsWhenAsked() {
        const QString dir = QString::fromUtf8(qgetenv("BRANKOR_SCREENSHOTS"));
        if (dir.isEmpty()) QSKIP("set BRANKOR_SCREENSHOTS to a folder to write pictures");
        Session g;
        g.startGame();
        g.state().lblClothes = "Рубашка";
        g.visit("imgShop", "frmShop", [&] {
            pointAt(g.in("frmShop", "cmdBuyClothes"));
            g.nav().dialog("frmShop")->grab().save(dir + "/frmShop.png");
        });
        setCar(g.state(), 5);
        g.state().lblClothes = "Посл.моды";
        g.visit("imgShop", "frmShop",
                [&] { g.nav().dialog("frmShop")->grab().save(dir + "/frmShop_top.png"); });
        g.state().lblRoom = "6";
        g.visit("imgFlat", "frmFlat", [&] {
            pointAt(g.in("frmFlat", "cmdBuyFlat"));
            g.nav().dialog("frmFlat")->grab().save(dir + "/frmFlat.png");
            pointAt(g.in("frmFlat", "lblMTitle"));
            g.nav().dialog("frmFlat")->grab().save(dir + "/frmFlat_bare.png");
        });
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ui::Application::applyStyle();
    ShopFlatTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "shop_flat_test.moc"
