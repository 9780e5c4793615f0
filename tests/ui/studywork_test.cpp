// The study window and the job market on real widgets: the pointer over a button fills the
// window's labels, a click reaches the rules, and the status panel shows the outcome at once.
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// Moves the pointer to the middle of `widget`, as the window system reports it.
void pointAt(QWidget* widget, std::optional<QPoint> at = {}) {
    QVERIFY(widget);
    const QPointF local = at ? QPointF(*at) : QRectF(widget->rect()).center();
    QMouseEvent move(QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

/// Whether the label shows all of its text (word-wrapped where it wraps).
bool showsAllOf(const QLabel* label) {
    const QRect room = label->contentsRect();
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed = label->fontMetrics().boundingRect(room, flags, label->text());
    return needed.width() <= room.width() && needed.height() <= room.height();
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
    QLabel* label(const char* window, const char* name) { return widget<QLabel>(window, name); }
    QPushButton* button(const char* window, const char* name) {
        return widget<QPushButton>(window, name);
    }
    QString panel(const char* name) { return label("frmMain", name)->text(); }
    /// The verdict sentence as the work window shows it.
    QString sentence() {
        QStringList words;
        for (const char* part : {"lbladdYou", "lblWCan", "lbladdOnthisW"})
            if (!label("frmWork", part)->text().isEmpty()) words << label("frmWork", part)->text();
        return words.join(' ');
    }
};

void makePresidentMaterial(GameState& s) {
    s.lblEduncation = "Высшее";
    s.lblStatus = "Сверх профессионал";
    s.lblEnglish = "8 уровень";
    s.lblClothes = "Посл.моды";
    s.lblProgram = "VC++";
    s.lblGraph = "3D StMax III";
    s.lblModem = "V90";
    s.lblVichod = "Есть";
    s.lblRoom = "7";
    s.lblBath = "Бол.бассейн";
    s.lblKitchen = "Комфортная";
    s.lblSMebel = "Офисная";
    setCar(s, 5);
    s.FishTotal = 200;
}

}  // namespace

class StudyWorkTest : public QObject {
    Q_OBJECT
  private slots:
    void studyButtonsEnrolAndThePanelShowsTheFee() {
        Session g;
        g.startGame();
        g.visit("imgLearn", "frmStudy", [&] {
            QCOMPARE(g.nav().dialog("frmStudy")->windowTitle(), QStringLiteral("Обучение"));
            pointAt(g.button("frmStudy", "cmdEnglish"));
            QCOMPARE(g.label("frmStudy", "lblWhat")->text(), QStringLiteral("Курсы"));
            QCOMPARE(g.label("frmStudy", "lblCost")->text(), QStringLiteral("8"));
            pointAt(g.nav().dialog("frmStudy"), QPoint(4, 4));
            QCOMPARE(g.label("frmStudy", "lblWhat")->text(), QStringLiteral("------------"));
            QCOMPARE(g.label("frmStudy", "lblCost")->text(), QStringLiteral("00"));

            QTest::mouseClick(g.button("frmStudy", "cmdEnglish"), Qt::LeftButton);
            QCOMPARE(g.button("frmStudy", "cmdEnglish")->text(),
                     QStringLiteral("Закончить ходить на курсы англ.яз."));
            QCOMPARE(g.panel("lblEEnglish"), QStringLiteral("Курсы"));
            QCOMPARE(g.panel("lblECost"), QStringLiteral("8"));
            QTest::mouseClick(g.button("frmStudy", "cmdComp"), Qt::LeftButton);
            for (QPushButton* button : g.nav().dialog("frmStudy")->findChildren<QPushButton*>())
                QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->text()));
            QTest::mouseClick(g.button("frmStudy", "cmdBack"), Qt::LeftButton);
        });
    }

    void hoverTellsTheVerdictAndAClickHiresOnThePanel() {
        Session g;
        g.startGame();
        g.visit("imgWork", "frmWork", [&] {
            QCOMPARE(g.nav().dialog("frmWork")->windowTitle(), QStringLiteral("Работа"));
            QCOMPARE(g.sentence(), QStringLiteral("Вы можете работать на этой работе"));
            pointAt(g.button("frmWork", "cmdWTaxi"));
            QCOMPARE(g.sentence(), QStringLiteral("Вы не можете работать на этой работе"));
            QCOMPARE(g.label("frmWork", "lbladdSpec")->text(),
                     QStringLiteral("Здесь вы должны просто напросто перевозить людей."));
            pointAt(g.button("frmWork", "cmdWGruschik"));
            QCOMPARE(g.sentence(), QStringLiteral("Вы можете работать на этой работе"));

            QTest::mouseClick(g.button("frmWork", "cmdWGruschik"), Qt::LeftButton);
            QCOMPARE(g.messages.shown.back().title, std::string("Вы грузчик."));
            QCOMPARE(g.label("frmWork", "lblWWho")->text(), QStringLiteral("Грузчик"));
            QCOMPARE(g.panel("lblMyWork"), QStringLiteral("Грузчик"));
            QCOMPARE(g.panel("lblSWork"), QStringLiteral("Грузчик"));
            QCOMPARE(g.panel("lblWorkEarn"), QStringLiteral("10"));

            // A click on the bare window takes the end of the sentence away.
            QTest::mouseClick(g.nav().dialog("frmWork"), Qt::LeftButton, {}, QPoint(300, 212));
            QCOMPARE(g.label("frmWork", "lbladdOnthisW")->text(), QString());
            QCOMPARE(g.sentence(), QStringLiteral("Вы"));
            QTest::mouseClick(g.button("frmWork", "cmdBack"), Qt::LeftButton);
        });
    }

    void theSentenceAndDescriptionStandWhereTheyShouldAndShowWhole() {
        Session g;
        g.startGame();
        g.visit("imgWork", "frmWork", [&] {
            const std::pair<const char*, QRect> labels[] = {
                {"lbladdSpec", QRect(256, 64, 217, 73)},
                {"lbladdYou", QRect(257, 168, 18, 13)},
                {"lblWCan", QRect(281, 168, 23, 13)},
                {"lbladdOnthisW", QRect(304, 168, 153, 29)},
            };
            for (const auto& [name, where] : labels) {
                QLabel* label = g.label("frmWork", name);
                QVERIFY2(label && label->isVisible(), name);
                QCOMPARE(label->geometry(), where);
                QVERIFY2(label->font().bold(), name);
            }
            for (const char* name : {"lbladdYou", "lblWCan", "lbladdOnthisW"})
                QCOMPARE(g.label("frmWork", name)->palette().color(QPalette::WindowText),
                         QColor(Qt::white));
            QCOMPARE(g.label("frmWork", "lbladdSpec")->palette().color(QPalette::WindowText),
                     QColor(128, 0, 0));
            QCOMPARE(g.label("frmWork", "lbladdSpec")->font().pointSize(), 10);

            QVERIFY(showsAllOf(g.label("frmWork", "lbladdYou")));
            QVERIFY(showsAllOf(g.label("frmWork", "lbladdOnthisW")));
            for (const char* job :
                 {"cmdWGruschik", "cmdWTaxi", "cmdWGardener", "cmdWBegProg", "cmdWProg",
                  "cmdWProva", "cmdWHakker", "cmdWAdministrator", "cmdWPresident"}) {
                pointAt(g.button("frmWork", job));
                QVERIFY2(showsAllOf(g.label("frmWork", "lbladdSpec")), job);
                QVERIFY2(showsAllOf(g.label("frmWork", "lblWCan")), job);
                QPushButton* button = g.button("frmWork", job);
                QVERIFY2(
                    button->fontMetrics().horizontalAdvance(button->text()) < button->width() - 8,
                    job);
            }
        });
    }

    void thePresidentSeesTheEndWindowAndPlaysOn() {
        Session g;
        g.startGame();
        makePresidentMaterial(g.state());
        QStringList shown;
        connect(&g.nav(), &ui::Navigator::shown, this, [&](const QString& window) {
            shown << window;
            if (window == "frmTheEnd")
                QTest::mouseClick(g.button("frmTheEnd", "cmdOK"), Qt::LeftButton);
        });
        g.visit("imgWork", "frmWork", [&] {
            pointAt(g.button("frmWork", "cmdWPresident"));
            QCOMPARE(g.label("frmWork", "lblWCan")->text(), QString());
            QTest::mouseClick(g.button("frmWork", "cmdWPresident"), Qt::LeftButton);
        });
        QCOMPARE(shown, QStringList({"frmWork", "frmTheEnd"}));
        QVERIFY(!g.nav().dialog("frmTheEnd"));
        QCOMPARE(g.messages.shown.back().title, std::string("ком.през."));
        QCOMPARE(g.panel("lblMyWork"), QStringLiteral("ком.през."));
        QCOMPARE(g.panel("lblWorkEarn"), QStringLiteral("70"));
        QVERIFY(g.main()->isVisible());
    }

    void saveScreenshotsWhenAsked() {
        const QByteArray dir = qgetenv("BRANKOR_SCREENSHOTS");
        if (dir.isEmpty()) QSKIP("set BRANKOR_SCREENSHOTS to a folder to write pictures");
        Session g;
        g.startGame();
        g.state().lblSCost = "6";
        g.visit("imgLearn", "frmStudy", [&] {
            pointAt(g.button("frmStudy", "cmdComp"));
            g.nav().dialog("frmStudy")->grab().save(QString::fromUtf8(dir) + "/frmStudy.png");
        });
        g.state().lblMyWork = "Садовник";
        g.visit("imgWork", "frmWork", [&] {
            pointAt(g.button("frmWork", "cmdWPresident"));
            g.nav().dialog("frmWork")->grab().save(QString::fromUtf8(dir) + "/frmWork.png");
            pointAt(g.button("frmWork", "cmdWGruschik"));
            g.nav().dialog("frmWork")->grab().save(QString::fromUtf8(dir) + "/frmWork2.png");
        });
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ui::Application::applyStyle();
    StudyWorkTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "studywork_test.moc"
