// The diary window on real widgets: opened from the help menu, it follows the game hour by hour,
// reads as a table too, lists the events, saves the chart as a PNG and goes with a death.
#include <QLineSeries>

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

QListWidget* events(QWidget* diary) {
    return diary->findChild<QListWidget*>(QStringLiteral("lstEvents"));
}

/// Clicks "save the picture"; `inDialog` runs in the file dialog the click opens.
void savePicture(QWidget* diary, const std::function<void(QFileDialog*)>& inDialog) {
    soon([inDialog] { inDialog(qobject_cast<QFileDialog*>(QApplication::activeModalWidget())); });
    QTest::mouseClick(diary->findChild<QPushButton*>(QStringLiteral("cmdSavePicture")),
                      Qt::LeftButton);
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

        // The same numbers as a table, three midnights and the present.
        QCOMPARE(table(diary)->model()->headerData(2, Qt::Horizontal).toString(),
                 QStringLiteral("Счёт в банке"));
        QCOMPARE(cell(diary, 0, 0) + cell(diary, 2, 1) + cell(diary, 3, 0) + cell(diary, 3, 1),
                 QStringLiteral("10/05/26200сейчас, 12/05/26150"));

        // Closing the window deletes it; the menu at once after it opens a new one.
        QPointer<ui::DiaryWindow> closed = diary;
        QTest::keyClick(diary, Qt::Key_Escape);
        ui::DiaryWindow* again = openDiary(g);
        QVERIFY(again && again != closed && again->isVisible());
        QTRY_VERIFY(!closed);
        QCOMPARE(table(again)->model()->rowCount(), 4);
    }

    void aFullHistoryIsDrawnThinnedWithItsPeaksAndKeepsTheReadersPlace() {
        UiGame g;
        g.startGame();
        for (std::size_t day = 1; day <= Diary::kMaxDays; ++day) {
            g.state().lblMoney = day == 1234 ? "9999" : std::to_string(day % 100);
            g.app.game().diary.recordMidnight(g.state());
        }
        ui::DiaryWindow* diary = openDiary(g);
        QLineSeries* money = diary->chart()->lines()[0];
        QVERIFY(money->count() > 300 && money->count() <= 601);
        QVERIFY(money->points().contains(QPointF(1234, 9999)));

        // The next midnight drops the oldest day; a reader on a row stays on the same day.
        table(diary)->setCurrentIndex(table(diary)->model()->index(1233, 1));
        g.state().lblHours = "23";
        play(g, 1);
        QCOMPARE(table(diary)->model()->rowCount(), 3651);
        QCOMPARE(cell(diary, table(diary)->currentIndex().row(), 1), QStringLiteral("9999"));
    }

    void eventsAreListedAndTheChartIsSavedAsAPicture() {
        UiGame g;
        g.startGame();
        ui::DiaryWindow* diary = openDiary(g);
        QCOMPARE(events(diary)->item(0)->text(), QStringLiteral("Пока ничего не случилось."));
        g.state().lblMoney = "500";
        g.visit("imgShop", "frmShop", [&] {
            pointAt(g.widget("frmShop", "cmdCar"));
            g.click("frmShop", "cmdCar");
        });
        play(g, 1);
        QCOMPARE(events(diary)->count(), 1);
        QCOMPARE(events(diary)->item(0)->text(),
                 QStringLiteral("09/05/26, 1 ч — Куплена машина Пятерка2105"));

        const std::size_t boxes = g.messages.shown.size();  // the car's congratulations
        QTemporaryDir dir;
        // Picks `name` in the picture dialog, which offers PNG pictures only.
        const auto saveAs = [&](const QString& name) {
            savePicture(diary, [&](QFileDialog* dialog) {
                QCOMPARE(dialog->nameFilters(), QStringList{"Картинка PNG (*.png)"});
                dialog->selectFile(dir.filePath(name));
                static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
            });
        };
        saveAs("life.png");
        const QImage saved(dir.filePath("life.png"), "PNG");
        QVERIFY(saved.width() >= 400 && saved.height() >= 250);
        QCOMPARE(g.messages.shown.size(), boxes);

        // A folder that does not exist: the player is told, nothing pretends to have worked.
        saveAs(QStringLiteral("нет/life.png"));
        QCOMPARE(g.messages.shown.back().icon, Icon::Error);
        const QString told = QString::fromStdString(g.messages.shown.back().text);
        QCOMPARE(
            told.section('/', 0, 0) + told.section('/', -2),  // the folder as the system has it
            QStringLiteral("Не удалось сохранить картинку в файл нет/life.png"));
    }

    void aDeathTakesTheDiaryAndItsPictureDialogAlongAndANewGameStartsAFreshOne() {
        UiGame g;
        g.startGame();
        g.state().lblHours = "3";
        play(g, 21);  // a midnight in the diary
        QPointer<ui::DiaryWindow> diary = openDiary(g);
        QPointer<QFileDialog> dialog;
        savePicture(diary, [&](QFileDialog* open) {
            dialog = open;
            g.state().lblHungry = "-40";
            g.main()->advanceTime(kLifeTickInterval);
        });
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
