// The diary window on real widgets: opened from the help menu, it follows the game hour by hour,
// reads as a table too, lists the events, saves the chart as a PNG and goes with a death.
#include <QAction>
#include <QChart>
#include <QFileDialog>
#include <QLineSeries>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>

#include "core/lifecycle.h"
#include "ui/diarychart.h"
#include "ui/diarywindow.h"
#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

constexpr int kHour = 1500;  // one clock tick

ui::DiaryWindow* openDiary(UiGame& g) {
    g.main()->findChild<QAction*>(QStringLiteral("Diary"))->trigger();
    return g.main()->diary();
}

/// Lets `hours` game hours pass one tick at a time, as the timers would.
void play(UiGame& g, int hours) {
    for (int i = 0; i < hours; ++i) g.main()->advanceTime(kHour);
}

QTableView* table(QWidget* diary) {
    return diary->findChild<QTableView*>(QStringLiteral("tblLife"));
}

QString cell(QWidget* diary, int row, int column) {
    return table(diary)->model()->index(row, column).data().toString();
}

/// Clicks "save the picture" and picks `path` in the dialog; returns the dialog's filters.
QStringList savePicture(ui::DiaryWindow* diary, const QString& path) {
    QStringList filters;
    soon([&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        filters = dialog->nameFilters();
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
    });
    QTest::mouseClick(diary->findChild<QPushButton*>(QStringLiteral("cmdSavePicture")),
                      Qt::LeftButton);
    return filters;
}

}  // namespace

class DiaryTest : public QObject {
    Q_OBJECT
  private slots:
    void theMenuOpensOneDiaryThatFollowsTheGameHourByHour() {
        UiGame g;
        g.startGame();
        QStringList items;  // "Дневник" stands just above "О программе"
        for (QAction* a : g.main()->findChild<QMenu*>(QStringLiteral("mnuHelp"))->actions())
            items << a->text();
        QCOMPARE(items.mid(3), (QStringList{"&Дневник", "О программе"}));

        g.state().lblMyWork = g.state().lblSWork = "Грузчик";
        g.state().lblWorkEarn = "10";
        ui::DiaryWindow* diary = openDiary(g);
        QVERIFY(diary && diary->isVisible() && !diary->isModal());
        QCOMPARE(diary->windowTitle(), QStringLiteral("Дневник"));
        QCOMPARE(openDiary(g), diary);  // a second time raises the same window
        const QList<QLineSeries*> lines = diary->chart()->lines();
        QStringList names;
        for (QLineSeries* line : lines) names << line->name();
        QCOMPARE(names, (QStringList{"Деньги", "Счёт в банке", "Настроение", "Сытость"}));
        QCOMPARE(lines[0]->count(), 1);  // only the present moment so far

        // Three game days from one o'clock, redrawn only when something shown changed: three
        // midnights, six life ticks.
        QSignalSpy redraws(lines[0], &QXYSeries::pointsReplaced);
        play(g, 72);
        QCOMPARE(redraws.count(), 9);
        QCOMPARE(lines[0]->points(), (QList<QPointF>{{1, 180}, {2, 190}, {3, 200}, {3.5, 200}}));
        QCOMPARE(lines[2]->at(2), QPointF(3, 20));  // five life ticks before the third midnight
        QCOMPARE(lines[3]->at(3).y(), 18.0);        // the present, after the sixth

        // A purchase between two clock ticks shows at the next one.
        g.state().lblMoney = "150";
        g.main()->advanceTime(kHour / 2);
        QCOMPARE(redraws.count(), 9);
        g.main()->advanceTime(kHour / 2);
        QCOMPARE(lines[0]->at(3).y(), 150.0);

        // The same numbers as a table, three midnights and the present; a reader on a row stays
        // there while the days go by.
        QCOMPARE(table(diary)->model()->headerData(2, Qt::Horizontal).toString(),
                 QStringLiteral("Счёт в банке"));
        QCOMPARE(cell(diary, 0, 0) + cell(diary, 2, 1) + cell(diary, 3, 0) + cell(diary, 3, 1),
                 QStringLiteral("10/05/26200сейчас, 12/05/26150"));
        table(diary)->setCurrentIndex(table(diary)->model()->index(1, 1));
        play(g, 24);
        QCOMPARE(table(diary)->model()->rowCount(), 5);
        QCOMPARE(table(diary)->currentIndex().row(), 1);

        // Closing the window deletes it; the menu at once after it opens a new one.
        QPointer<ui::DiaryWindow> closed = diary;
        QTest::keyClick(diary, Qt::Key_Escape);
        ui::DiaryWindow* again = openDiary(g);
        QVERIFY(again && again != closed && again->isVisible());
        QTRY_VERIFY(!closed);
        QCOMPARE(table(again)->model()->rowCount(), 5);
    }

    void aFullHistoryIsDrawnThinnedWithItsPeaksAndKeepsTheReadersPlace() {
        UiGame g;
        g.startGame();
        GameState& s = g.state();
        Diary& history = g.app.game().diary;
        for (std::size_t day = 1; day <= Diary::kMaxDays; ++day) {
            s.lblMoney = day == 1234 ? "9999" : std::to_string(day % 100);
            history.recordMidnight(s);
            history.note(s, DiaryEventKind::Virus, std::to_string(day));
        }
        s.lblMoney = "5";
        ui::DiaryWindow* diary = openDiary(g);
        QLineSeries* money = diary->chart()->lines()[0];
        QVERIFY(money->count() > 300 && money->count() <= 601);
        QVERIFY(money->points().contains(QPointF(1234, 9999)));
        QCOMPARE(money->points().back(), QPointF(3650.5, 5));
        QCOMPARE(table(diary)->model()->rowCount(), 3651);

        // The next midnight drops the oldest day and event; the reader stays on the same day.
        auto* events = diary->findChild<QListWidget*>(QStringLiteral("lstEvents"));
        table(diary)->setCurrentIndex(table(diary)->model()->index(1233, 1));
        events->setCurrentRow(1233);
        s.lblHours = "23";
        play(g, 1);
        QCOMPARE(table(diary)->model()->rowCount(), 3651);
        QCOMPARE(table(diary)->currentIndex().row(), 1232);
        QCOMPARE(cell(diary, 1232, 1), QStringLiteral("9999"));
        history.note(s, DiaryEventKind::Virus, "3651");
        play(g, 1);
        QCOMPARE(events->count(), 3650);
        QCOMPARE(events->currentRow(), 1232);
        QVERIFY(events->item(3649)->text().endsWith(QStringLiteral("— 3651")));
    }

    void eventsAreListedAndTheChartIsSavedAsAPicture() {
        UiGame g;
        g.startGame();
        ui::DiaryWindow* diary = openDiary(g);
        auto* events = diary->findChild<QListWidget*>(QStringLiteral("lstEvents"));
        QCOMPARE(events->item(0)->text(), QStringLiteral("Пока ничего не случилось."));
        g.state().lblMoney = "500";
        g.visit("imgShop", "frmShop", [&] {
            pointAt(g.widget("frmShop", "cmdCar"));
            g.click("frmShop", "cmdCar");
        });
        play(g, 1);
        QCOMPARE(events->count(), 1);
        QCOMPARE(events->item(0)->text(),
                 QStringLiteral("09/05/26, 1 ч — Куплена машина Пятерка2105"));

        const std::size_t boxes = g.messages.shown.size();  // the car's congratulations
        QTemporaryDir dir;
        QCOMPARE(savePicture(diary, dir.filePath("life.png")), QStringList{"Картинка PNG (*.png)"});
        const QImage saved(dir.filePath("life.png"), "PNG");
        QVERIFY(saved.width() >= 400 && saved.height() >= 250);
        QCOMPARE(g.messages.shown.size(), boxes);

        // A folder that does not exist: the player is told, nothing pretends to have worked.
        savePicture(diary, dir.filePath(QStringLiteral("нет/life.png")));
        QCOMPARE(g.messages.shown.size(), boxes + 1);
        QCOMPARE(g.messages.shown.back().icon, Icon::Error);
        const QString told = QString::fromStdString(g.messages.shown.back().text);
        QVERIFY2(told.startsWith("Не удалось сохранить картинку в файл /") &&
                     told.endsWith("/нет/life.png"),
                 qPrintable(told));
    }

    void aDeathTakesTheDiaryAndItsPictureDialogAlongAndANewGameStartsAFreshOne() {
        UiGame g;
        g.startGame();
        g.state().lblHours = "3";
        play(g, 21);  // a midnight in the diary
        QPointer<ui::DiaryWindow> diary = openDiary(g);
        QPointer<QFileDialog> dialog;
        soon([&] {
            dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            g.state().lblHungry = "-40";
            g.main()->advanceTime(kLifeTickInterval);
        });
        QTest::mouseClick(diary->findChild<QPushButton*>(QStringLiteral("cmdSavePicture")),
                          Qt::LeftButton);
        QCOMPARE(g.app.game().diary.events().back().text, std::string("Смерть от голода"));
        QVERIFY(!g.main());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!diary && !dialog);

        g.click("frmFirst", "cmdOK");
        QVERIFY(g.app.game().diary.events().empty());
        QCOMPARE(openDiary(g)->chart()->lines()[0]->count(), 1);
    }
};

BRANKOR_WINDOW_TEST(DiaryTest)
#include "diary_test.moc"
