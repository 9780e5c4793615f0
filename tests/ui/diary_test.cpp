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

QString cell(QTableView* table, int row, int column) {
    return table->model()->index(row, column).data().toString();
}

/// Picks `path` in the picture dialog once it is open.
void choosePicture(const QString& path, QStringList* filters) {
    soon([path, filters] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        *filters = dialog->nameFilters();
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
    });
}

}  // namespace

class DiaryTest : public QObject {
    Q_OBJECT
  private slots:
    void theMenuOpensOneDiaryThatFollowsTheGameHourByHour() {
        UiGame g;
        g.startGame();
        // "Дневник" stands just above "О программе".
        const QList<QAction*> items =
            g.main()->findChild<QMenu*>(QStringLiteral("mnuHelp"))->actions();
        const auto diaryItem = std::find_if(items.begin(), items.end(), [](QAction* a) {
            return a->objectName() == QStringLiteral("Diary");
        });
        QVERIFY(diaryItem != items.end());
        QCOMPARE((*diaryItem)->text(), QStringLiteral("&Дневник"));
        QCOMPARE((*(diaryItem + 1))->objectName(), QStringLiteral("AboutPr"));

        g.state().lblMyWork = g.state().lblSWork = "Грузчик";
        g.state().lblWorkEarn = "10";
        ui::DiaryWindow* diary = openDiary(g);
        QVERIFY(diary && diary->isVisible() && !diary->isModal());
        QCOMPARE(diary->windowTitle(), QStringLiteral("Дневник"));
        QCOMPARE(openDiary(g), diary);  // a second time raises the same window
        const QList<QLineSeries*> lines = diary->chart()->lines();
        QStringList names;
        for (QLineSeries* line : lines) names << line->name();
        QCOMPARE(names, (QStringList{QStringLiteral("Деньги"), QStringLiteral("Счёт в банке"),
                                     QStringLiteral("Настроение"), QStringLiteral("Сытость")}));
        QCOMPARE(lines[0]->count(), 1);  // only the present moment so far

        // Three game days from one o'clock: three midnights, six life ticks.
        QSignalSpy redraws(lines[0], &QXYSeries::pointsReplaced);
        play(g, 72);
        // Redrawn only when something shown changed: three midnights, six life ticks.
        QCOMPARE(redraws.count(), 9);
        for (QLineSeries* line : lines) QCOMPARE(line->count(), 4);
        QCOMPARE(lines[0]->at(2), QPointF(3, 200));  // the third midnight, salary paid
        QCOMPARE(lines[2]->at(2), QPointF(3, 20));   // five life ticks before it
        QCOMPARE(lines[0]->at(3), QPointF(3.5, 200));
        QCOMPARE(lines[2]->at(3).y(), 18.0);  // the present, after the sixth
        QCOMPARE(lines[3]->at(3).y(), 18.0);
        QCOMPARE(lines[1]->at(3).y(), 0.0);

        // Between two clock ticks nothing is redrawn, even when the player buys something.
        g.state().lblMoney = "150";
        g.main()->advanceTime(kHour / 2);
        QCOMPARE(redraws.count(), 9);
        g.main()->advanceTime(kHour / 2);
        QCOMPARE(lines[0]->at(3).y(), 150.0);

        // The same numbers as a table: three midnights and the present.
        auto* table = diary->findChild<QTableView*>(QStringLiteral("tblLife"));
        QVERIFY(table);
        QCOMPARE(table->model()->rowCount(), 4);
        QCOMPARE(table->model()->headerData(2, Qt::Horizontal).toString(),
                 QStringLiteral("Счёт в банке"));
        QCOMPARE(cell(table, 0, 0), QStringLiteral("10/05/26"));
        QCOMPARE(cell(table, 2, 1), QStringLiteral("200"));
        QCOMPARE(cell(table, 3, 0), QStringLiteral("сейчас, 12/05/26"));
        QCOMPARE(cell(table, 3, 1), QStringLiteral("150"));

        // A reader on a row stays there while the days go by.
        table->setCurrentIndex(table->model()->index(1, 1));
        play(g, 24);
        QCOMPARE(table->model()->rowCount(), 5);
        QCOMPARE(table->currentIndex().row(), 1);
        QCOMPARE(cell(table, 3, 0), QStringLiteral("13/05/26"));

        // Closing the window deletes it; the menu at once after it opens a new one.
        QPointer<ui::DiaryWindow> closed = diary;
        QTest::keyClick(diary, Qt::Key_Escape);
        ui::DiaryWindow* again = openDiary(g);
        QVERIFY(again && again != closed && again->isVisible());
        QTRY_VERIFY(!closed);
        QCOMPARE(again->findChild<QTableView*>(QStringLiteral("tblLife"))->model()->rowCount(), 5);
        again->close();
        QTRY_VERIFY(!g.main()->diary());
        play(g, 1);  // the game goes on without it
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
        QList<double> values;
        for (const QPointF& p : money->points()) values.append(p.y());
        QCOMPARE(*std::max_element(values.begin(), values.end()), 9999.0);
        QCOMPARE(money->points().back(), QPointF(3650.5, 5));
        auto* table = diary->findChild<QTableView*>(QStringLiteral("tblLife"));
        QCOMPARE(table->model()->rowCount(), 3651);
        QCOMPARE(cell(table, 1233, 1), QStringLiteral("9999"));

        // The next midnight drops the oldest day and event; the reader stays on the same day.
        auto* events = diary->findChild<QListWidget*>(QStringLiteral("lstEvents"));
        table->setCurrentIndex(table->model()->index(1233, 1));
        events->setCurrentRow(1233);
        s.lblHours = "23";
        play(g, 1);
        QCOMPARE(table->model()->rowCount(), 3651);
        QCOMPARE(table->currentIndex().row(), 1232);
        QCOMPARE(cell(table, 1232, 1), QStringLiteral("9999"));
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
        QVERIFY(events);
        QCOMPARE(events->count(), 1);
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
        QStringList filters;
        const QString path = dir.filePath(QStringLiteral("life.png"));
        choosePicture(path, &filters);
        QTest::mouseClick(diary->findChild<QPushButton*>(QStringLiteral("cmdSavePicture")),
                          Qt::LeftButton);
        QCOMPARE(filters, QStringList{QStringLiteral("Картинка PNG (*.png)")});
        const QImage saved(path, "PNG");
        QVERIFY(!saved.isNull());
        QVERIFY(saved.width() >= 400 && saved.height() >= 250);
        QCOMPARE(g.messages.shown.size(), boxes);

        // A folder that does not exist: the player is told, nothing pretends to have worked.
        const QString nowhere = dir.filePath(QStringLiteral("нет/life.png"));
        choosePicture(nowhere, &filters);
        QTest::mouseClick(diary->findChild<QPushButton*>(QStringLiteral("cmdSavePicture")),
                          Qt::LeftButton);
        QCOMPARE(g.messages.shown.size(), boxes + 1);
        QCOMPARE(g.messages.shown.back().icon, Icon::Error);
        const QString told = QString::fromStdString(g.messages.shown.back().text);
        QVERIFY2(told.startsWith(QStringLiteral("Не удалось сохранить картинку в файл /")) &&
                     told.endsWith(QStringLiteral("/нет/life.png")),
                 qPrintable(told));
    }

    void aDeathTakesTheDiaryAlongAndANewGameStartsAFreshOne() {
        UiGame g;
        g.startGame();
        QPointer<ui::DiaryWindow> diary = openDiary(g);
        g.state().lblHungry = "-29";
        play(g, 12);  // the life tick: -31, death
        QCOMPARE(g.app.game().diary.events().back().text, std::string("Смерть от голода"));
        QTRY_VERIFY(!diary);

        auto* ok = g.widget<QPushButton>("frmFirst", "cmdOK");
        QVERIFY(ok);
        QTest::mouseClick(ok, Qt::LeftButton);
        QTRY_VERIFY(g.main());
        QVERIFY(g.app.game().diary.events().empty());
        diary = openDiary(g);
        QCOMPARE(diary->chart()->lines()[0]->count(), 1);
    }

    void aDeathWhileThePictureDialogIsOpenTakesTheDialogAndTheDiaryAlong() {
        UiGame g;
        g.startGame();
        QPointer<ui::DiaryWindow> diary = openDiary(g);
        QPointer<QFileDialog> dialog;
        soon([&] {
            dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            g.state().lblHungry = "-40";
            g.main()->advanceTime(kLifeTickInterval);
        });
        QTest::mouseClick(diary->findChild<QPushButton*>(QStringLiteral("cmdSavePicture")),
                          Qt::LeftButton);
        QVERIFY(!g.main());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!diary && !dialog);
        QVERIFY(g.nav().dialog("frmFirst")->isVisible());
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ui::Application::applyStyle();
    DiaryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "diary_test.moc"
