// The study window and the job market on real widgets: the pointer over a button fills the
// window's labels, a click reaches the rules, and the status panel shows the outcome at once.
#include "life/jobs.h"
#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// Whether the label shows all of its text (word-wrapped where it wraps).
bool showsAllOf(const QLabel* label) {
    const QRect room = label->contentsRect();
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed = label->fontMetrics().boundingRect(room, flags, label->text());
    return needed.width() <= room.width() && needed.height() <= room.height();
}

/// Whether every button of `window` shows its whole caption.
bool captionsFit(UiGame& g, const char* window) {
    for (const QPushButton* button : g.nav().dialog(window)->findChildren<QPushButton*>())
        if (button->fontMetrics().horizontalAdvance(button->text()) > button->width() - 8)
            return false;
    return true;
}

/// The verdict sentence as the work window shows it.
QString sentence(UiGame& g) {
    QStringList words;
    for (const char* part : {"lbladdYou", "lblWCan", "lbladdOnthisW"})
        if (!g.text("frmWork", part).isEmpty()) words << g.text("frmWork", part);
    return words.join(' ');
}

}  // namespace

class StudyWorkTest : public QObject {
    Q_OBJECT
  private slots:
    void theStudyPanelFollowsThePointerAndAClickEnrols() {
        UiGame g;
        g.startGame();
        g.visit("imgLearn", "frmStudy", [&] {
            QCOMPARE(g.nav().dialog("frmStudy")->windowTitle(), QStringLiteral("Обучение"));
            const std::tuple<const char*, const char*, const char*> offers[] = {
                {"cmdSchool", "Вечерняя школа", "6"},
                {"cmdComp", "Ком.курсы", "8"},
                {"grpOffer", "------------", "00"},  // the bare window
                {"cmdEnglish", "Курсы", "8"},
            };
            for (const auto& [control, what, cost] : offers) {
                pointAt(g.widget("frmStudy", control));
                QCOMPARE(g.text("frmStudy", "lblWhat"), QString::fromUtf8(what));
                QCOMPARE(g.text("frmStudy", "lblCost"), QString::fromUtf8(cost));
            }
            g.click("frmStudy", "cmdEnglish");
            QCOMPARE(g.text("frmStudy", "cmdEnglish"),
                     QStringLiteral("Закончить ходить на курсы англ.яз."));
            QCOMPARE(g.text("frmMain", "lblEEnglish"), QStringLiteral("Курсы"));
            QCOMPARE(g.text("frmMain", "lblECost"), QStringLiteral("8"));
            g.click("frmStudy", "cmdComp");  // the longest caption
            QVERIFY(captionsFit(g, "frmStudy"));
        });
    }

    void theJobSentenceReadsWholeAndAClickHiresOnTheStatusPanel() {
        UiGame g;
        g.startGame();
        g.visit("imgWork", "frmWork", [&] {
            QCOMPARE(g.nav().dialog("frmWork")->windowTitle(), QStringLiteral("Работа"));
            QVERIFY(captionsFit(g, "frmWork"));
            for (const Job& job : jobs()) {
                pointAt(g.widget("frmWork", std::string(job.button).c_str()));
                QVERIFY2(showsAllOf(g.widget<QLabel>("frmWork", "lbladdSpec")), job.button.data());
            }
            QCOMPARE(sentence(g), QStringLiteral("Вы не можете работать на этой работе"));
            pointAt(g.widget("frmWork", "cmdWGruschik"));
            QCOMPARE(sentence(g), QStringLiteral("Вы можете работать на этой работе"));

            g.click("frmWork", "cmdWGruschik");
            QCOMPARE(g.text("frmWork", "lblWWho"), QStringLiteral("Грузчик"));
            QCOMPARE(g.text("frmMain", "lblMyWork"), QStringLiteral("Грузчик"));
            QCOMPARE(g.text("frmMain", "lblWorkEarn"), QStringLiteral("10"));

            // A click on the bare window takes the end of the sentence away...
            QTest::mouseClick(g.nav().dialog("frmWork"), Qt::LeftButton, {}, QPoint(300, 212));
            QCOMPARE(sentence(g), QStringLiteral("Вы"));
        });
        g.visit("imgWork", "frmWork", [&] {  // until the next visit
            QCOMPARE(sentence(g), QStringLiteral("Вы можете работать на этой работе"));
        });
    }

    void thePresidentSeesTheEndWindowAndPlaysOn() {
        UiGame g;
        g.startGame();
        for (const Requirement& r : jobOf("cmdWPresident")->requirements) {
            if (r.variable)
                g.state().*r.variable = static_cast<std::int16_t>(r.number);
            else
                g.state().*r.field = r.test == Requirement::Test::Not ? "Есть" : r.text;
        }
        QStringList shown;
        connect(&g.nav(), &ui::Navigator::shown, this, [&](const QString& window) {
            shown << window;
            if (window == "frmTheEnd") g.click("frmTheEnd", "cmdOK");
        });
        g.visit("imgWork", "frmWork", [&] {
            pointAt(g.widget("frmWork", "cmdWPresident"));
            g.click("frmWork", "cmdWPresident");
        });
        QCOMPARE(shown, QStringList({"frmWork", "frmTheEnd"}));
        QCOMPARE(g.text("frmMain", "lblMyWork"), QStringLiteral("ком.през."));
        QVERIFY(g.main()->isVisible());
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
