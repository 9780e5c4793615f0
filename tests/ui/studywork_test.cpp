// The study window and the job market on real widgets: the pointer over a button fills the
// window's labels, a click reaches the rules, and the status panel shows the outcome at once.
#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

class StudyWorkTest : public QObject {
    Q_OBJECT
  private slots:
    void theStudyPanelFollowsThePointerAndAClickEnrols() {
        UiGame g;
        g.startGame();
        g.visit("imgLearn", "frmStudy", [&] {
            pointAt(g.widget("frmStudy", "cmdEnglish"));
            QCOMPARE(g.text("frmStudy", "lblWhat"), QStringLiteral("Курсы"));
            g.click("frmStudy", "cmdEnglish");
            QCOMPARE(g.text("frmMain", "lblEEnglish"), QStringLiteral("Курсы"));
        });
    }

    void theJobSentenceReadsWholeAndAClickHiresOnTheStatusPanel() {
        UiGame g;
        g.startGame();
        g.visit("imgWork", "frmWork", [&] {
            pointAt(g.widget("frmWork", "cmdWGruschik"));
            QStringList words;
            for (const char* part : {"lbladdYou", "lblWCan", "lbladdOnthisW"})
                if (!g.text("frmWork", part).isEmpty()) words << g.text("frmWork", part);
            QCOMPARE(words.join(' '), QStringLiteral("Вы можете работать на этой работе"));
            g.click("frmWork", "cmdWGruschik");
            QCOMPARE(g.text("frmMain", "lblMyWork"), QStringLiteral("Грузчик"));
        });
    }
};

BRANKOR_WINDOW_TEST(StudyWorkTest)
#include "studywork_test.moc"
