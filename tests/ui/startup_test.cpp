// The start-up window, the main window and its menus: a new game, saved games through the file
// dialogs, the recovery save and "&Восстановить игру", also after a game killed outright (a child
// process: this program run with "--play-a-day"). The diary window: chart, table, events, picture.
#include <QCategoryAxis>
#include <QChartView>
#include <QGraphicsSimpleTextItem>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>
#include <cmath>

#include "game/lifecycle.h"
#include "game/savegame/savedgame.h"
#include "ui/chart/diarychart.h"
#include "ui/diarywindow.h"
#include "uitestsupport.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

constexpr std::int64_t kHour = 1500;  // one clock tick
constexpr const char* kPlay = "--play-a-day";

QString recoveryFile() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/recovery.brk";
}

/// The money in the saved game at `path`, or why it cannot be read.
std::string savedMoney(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "no file";
    const Outcome<SavedGame> record = parseSavedGame(file.readAll().toStdString());
    if (!record) return record.reason();
    GameState saved;
    applySavedGame(saved, record.value());
    return saved.lblMoney;
}

void trigger(UiGame& g, const char* item) {
    g.main()->findChild<QAction*>(QString::fromUtf8(item))->trigger();
}

/// Opens the "&Файл" menu as the player does and tells whether "Восстановить игру" can be chosen.
bool restoreOffered(UiGame& g) {
    auto* menu = g.main()->findChild<QMenu*>(QStringLiteral("mnuFile"));
    menu->popup(g.main()->mapToGlobal(QPoint(0, 0)));
    const bool enabled = g.main()->findChild<QAction*>(QStringLiteral("Restore"))->isEnabled();
    menu->hide();
    return enabled;
}

/// Runs `open`, then checks the file dialog it shows offers `filter` alone and picks `path` in it.
void pickFile(const std::function<void()>& open, const char* filter, const QString& path) {
    QStringList filters;
    soon([&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        filters = dialog->nameFilters();
        dialog->selectFile(path);
        // done() rather than accept(), which would ask before replacing a file.
        static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
    });
    open();
    QCOMPARE(filters, QStringList{QString::fromUtf8(filter)});
}

void toMidnight(UiGame& g) {
    g.main()->advanceTime((24 - std::stoi(g.state().lblHours)) * kHour);
}

/// Lets `hours` game hours pass one clock tick at a time.
void play(UiGame& g, int hours) {
    for (int i = 0; i < hours; ++i) g.main()->advanceTime(kHour);
}

ui::DiaryWindow* openDiary(UiGame& g) {
    trigger(g, "Diary");
    return g.main()->diary();
}

/// The diary's chart, as the chart library drew it.
ui::DiaryChart* chartOf(QWidget* diary) {
    return static_cast<ui::DiaryChart*>(
        diary->findChild<QChartView*>(QStringLiteral("chtLife"))->chart());
}

QAbstractItemModel* table(QWidget* diary) {
    return diary->findChild<QTableView*>(QStringLiteral("tblLife"))->model();
}

QString cell(QWidget* diary, int row, int column) {
    return table(diary)->index(row, column).data().toString();
}

/// How many pixels of the chart's plot area show `colour`, give or take a shade.
int pixelsOf(ui::DiaryWindow* diary, const QColor& colour) {
    auto* view = diary->findChild<QChartView*>(QStringLiteral("chtLife"));
    const QImage image = view->viewport()->grab().toImage();
    const QRect plot = view->mapFromScene(chartOf(diary)->plotArea()).boundingRect();
    const qreal ratio = image.devicePixelRatio();
    int count = 0;
    for (int y = int(plot.top() * ratio); y < int(plot.bottom() * ratio); ++y) {
        for (int x = int(plot.left() * ratio); x < int(plot.right() * ratio); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) <
                30)
                ++count;
        }
    }
    return count;
}

/// The tooltip the chart shows with the pointer on day `x` of `line`, halfway up the plot.
QString tipAt(ui::DiaryWindow* diary, QLineSeries* line, double x) {
    ui::DiaryChart* chart = chartOf(diary);
    auto* view = diary->findChild<QChartView*>(QStringLiteral("chtLife"));
    const QPointF at(chart->mapToPosition({x, 0}, line).x(), chart->plotArea().center().y());
    // Straight to the chart: the tooltip's own window may lie under a pointer the offscreen
    // platform moves.
    const QPointF pointer = view->mapFromScene(chart->mapToScene(at));
    QMouseEvent move(QEvent::MouseMove, pointer, view->viewport()->mapToGlobal(pointer),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
    return QToolTip::text();
}

void clickSavePicture(QWidget* diary) {
    diary->findChild<QPushButton*>(QStringLiteral("cmdSavePicture"))->click();
}

/// The child: a new game with money and a salary, the clock run past midnight and most of the next
/// day spent; then it prints the day of that midnight and waits to be killed.
int playADay() {
    UiGame g;
    g.startGame();
    g.state().lblMoney = "4321";
    g.state().lblWorkEarn = "79";
    while (g.state().lblHours != "0") play(g, 1);
    const std::string day = g.state().lblDay;
    // The disk has a whole game day to take the write; here it gets what it needs.
    for (int waited = 0; !QFile::exists(recoveryFile()) && waited < 4000; ++waited)
        QThread::msleep(5);
    g.state().lblMoney = "1";  // what the day after the midnight brings is lost
    play(g, 23);
    std::printf("midnight day=%s\n", day.c_str());
    std::fflush(stdout);
    return QApplication::exec();
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_data;

  private slots:
    void init() {
        qputenv("XDG_DATA_HOME", m_data.path().toUtf8());
        QVERIFY(recoveryFile().startsWith(m_data.path()));
        QFile::remove(recoveryFile());
    }

    void okShowsTheNewGameOnTheStatusPanel() {
        UiGame g;
        g.clock.date = {2026, 12, 6};
        g.app.start();
        QVERIFY(!g.main() && !g.visible("frmFirst", "cmdOkAbout"));
        g.click("frmFirst", "cmdOK");
        g.state().lblMoney = "999";
        g.messages.answers = {Answer::Yes};
        trigger(g, "NewGame");  // the start-up window again, with its own buttons
        QVERIFY(!g.main()->isVisible() && g.visible("frmFirst", "cmdExit"));
        g.click("frmFirst", "cmdOK");
        QVERIFY(g.main()->isVisible() && !g.nav().dialog("frmFirst"));
        QCOMPARE(g.texts("frmMain", {"lblMoney", "lblStatus", "lblDay", "lblMonth", "lblYear",
                                     "lblHours", "lblSSchool", "lblCar"}),
                 QStringLiteral("170|Чайник|06|12|26|1|Не учусь|Нет машины"));
        // A screen reader hears a value with its caption.
        QCOMPARE(g.widget("frmMain", "lblMoney")->accessibleName(), QStringLiteral("Деньги: 170"));
    }

    void aSavedGameComesBackOnThePanel() {
        UiGame g;
        g.startGame();
        QTemporaryDir dir;
        const QString path = dir.filePath("game.brk");
        const auto choose = [&](const char* item, const QString& name) {
            pickFile([&] { trigger(g, item); }, "Бранкор (*.brk)", dir.filePath(name));
        };
        g.state().lblMoney = "4321";
        g.state().Caption = "Бранкор: мой";
        choose("Save", QStringLiteral("game"));  // the dialog adds ".brk"
        QCOMPARE(savedMoney(path), std::string("4321"));

        // A sum the letter code cannot hold is refused, and the earlier file stays.
        g.state().lblMoney = "-5";
        choose("Save", QStringLiteral("game.brk"));
        QCOMPARE(g.messages.shown.back().text,
                 std::string("Вы не сохранили игру.Сумму «-5» нельзя записать буквами"));
        QCOMPARE(savedMoney(path), std::string("4321"));

        g.state().Caption = "Бранкор";
        choose("Load", QStringLiteral("game.brk"));
        QCOMPARE(g.messages.shown.size(), size_t{1});
        QCOMPARE(g.text("frmMain", "lblMoney") + g.main()->windowTitle(), "4321Бранкор: мой");
    }

    // `brankor FILE`, as the file manager opens a saved game.
    void aFileGivenAtStartOpensTheGameOrTheStartUpWindow() {
        QTemporaryDir dir;
        GameState saved;
        saved.lblMoney = "4321";
        saved.Caption = "Бранкор: мой";
        const Outcome<std::string> bytes = encodeSavedGame(saved);
        QVERIFY(bytes);
        const auto write = [&](const QString& name, const std::string& content) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content.data(), static_cast<qint64>(content.size()));
        };
        write("good.brk", bytes.value());
        write("cut.brk", bytes.value().substr(0, bytes.value().find("#FALSE#")));

        {
            UiGame g;
            g.app.open(dir.filePath("good.brk").toStdString());
            QVERIFY(g.messages.shown.empty() && !g.nav().dialog("frmFirst"));
            QVERIFY(g.main() && g.main()->isVisible());
            QCOMPARE(g.text("frmMain", "lblMoney") + g.main()->windowTitle(), "4321Бранкор: мой");
        }
        for (const auto& [name, reason] :
             {std::pair{"cut.brk", "Элемент 50: файл кончился раньше времени"},
              std::pair{"missing.brk", "Файл не найден"}}) {
            UiGame g;
            g.app.open(dir.filePath(QString::fromUtf8(name)).toStdString());
            QCOMPARE(g.messages.shown.size(), size_t{1});
            QCOMPARE(QString::fromStdString(g.messages.shown.back().title + " " +
                                            g.messages.shown.back().text),
                     QStringLiteral("Не загрузили Вы не загрузили игру.") + reason);
            QVERIFY(!g.main() && g.visible("frmFirst", "cmdOK"));
        }
    }

    void restoreFollowsTheRecoveryFileAndBringsBackTheLastMidnight() {
        UiGame g;
        g.startGame();
        g.state().lblMoney = "4321";
        play(g, 10);
        QVERIFY(!restoreOffered(g));  // no midnight yet
        toMidnight(g);
        // Current before the menu is opened, as assistive tools read it.
        QVERIFY(g.main()->findChild<QAction*>(QStringLiteral("Restore"))->isEnabled());
        QVERIFY(restoreOffered(g));
        g.state().lblMoney = "5";
        g.state().lblClothes = "Модная";
        play(g, 5);
        trigger(g, "Restore");
        QCOMPARE(g.texts("frmMain", {"lblMoney", "lblClothes"}), QStringLiteral("4321|Дряхлая"));
        QVERIFY(QFile::remove(recoveryFile()));  // gone behind the game's back
        QVERIFY(!restoreOffered(g));

        // A death removes it; the close box, answered Yes, saves the game in play on the way out.
        toMidnight(g);
        g.state().lblHungry = "-29";
        g.main()->advanceTime(18 * kHour);  // the next life tick kills
        QVERIFY(!g.main() && !QFile::exists(recoveryFile()));
        g.click("frmFirst", "cmdOK");
        QVERIFY(!restoreOffered(g));
        g.state().lblMoney = "777";
        g.messages.answers = {Answer::No, Answer::Yes};
        QVERIFY(!g.main()->close() && !g.quit);
        g.main()->close();
        QVERIFY(g.quit);
        QCOMPARE(savedMoney(recoveryFile()), std::string("777"));
    }

    void anUnwritableDataFolderChangesNothingVisible() {
        // The data folder's place is taken by a file, so it cannot be created.
        QFile blocker(m_data.filePath(QStringLiteral("blocked")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        qputenv("XDG_DATA_HOME", blocker.fileName().toUtf8());
        UiGame g;
        g.startGame();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Recovery save: cannot create "));
        toMidnight(g);
        QVERIFY(!restoreOffered(g) && g.messages.shown.empty());
        play(g, 3);  // the clock goes on
        QCOMPARE(g.text("frmMain", "lblHours"), QStringLiteral("3"));
    }

    void aKilledGameLosesAtMostTheDayAfterTheLastMidnight() {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {QString::fromUtf8(kPlay)});
        QByteArray report;
        while (!report.contains('\n') && child.waitForReadyRead(60000)) report += child.readAll();
        QVERIFY2(report.startsWith("midnight day="), report.constData());
        child.kill();  // SIGKILL: no handler, no aboutToQuit, nothing flushed
        QVERIFY(child.waitForFinished() && child.exitStatus() == QProcess::CrashExit);

        UiGame g;  // the next run, here: a new game, then "Восстановить игру"
        g.startGame();
        trigger(g, "Restore");
        QCOMPARE(g.texts("frmMain", {"lblMoney", "lblDay"}),
                 "4400|" + QString::fromUtf8(report.mid(13).trimmed()));  // with the salary
    }

    // The career guide follows a purchase made while it is open; the status panel shows hunger
    // amber below 0 and red where the warning comes, with the way to death in its hover text.
    void theCareerGuideAndTheDangerColoursFollowTheGame() {
        UiGame g;
        g.startGame();
        trigger(g, "Career");
        QTreeWidget* tree = g.main()->findChild<QTreeWidget*>(QStringLiteral("treCareer"));
        QVERIFY(tree && tree->isVisible());
        QCOMPARE(tree->topLevelItemCount(), 9);
        QTreeWidgetItem* clothes = tree->topLevelItem(1)->child(1);
        const auto cell = [clothes] {  // what it shows, then what a screen reader says
            QStringList columns;
            for (int column = 0; column < 4; ++column) columns << clothes->text(column);
            for (int column = 0; column < 4; ++column)
                columns << clothes->data(column, Qt::AccessibleTextRole).toString();
            return columns.join("|");
        };
        QCOMPARE(tree->topLevelItem(1)->text(0), QStringLiteral("Таксист — следующая цель"));
        QCOMPARE(cell(), QStringLiteral("Одежда|Спорт.костюм или лучше|Дряхлая|✘ нет|Одежда: "
                                        "требуется Спорт.костюм или лучше / у вас Дряхлая, "
                                        "не выполнено|требуется Спорт.костюм или лучше|"
                                        "у вас Дряхлая|не выполнено"));
        g.state().lblClothes = "Спорт.костюм";
        g.nav().refresh();
        QVERIFY(cell().contains("|Спорт.костюм|✔ да|") &&
                cell().endsWith("|у вас Спорт.костюм|выполнено"));
        g.state().lblMyWork = "Таксист.";  // hired: the goal moves one row down
        g.nav().refresh();
        QCOMPARE(tree->topLevelItem(1)->text(0), QStringLiteral("Таксист — ваша работа"));
        QCOMPARE(tree->topLevelItem(2)->text(0), QStringLiteral("Садовник — следующая цель"));

        auto* hungry = g.widget<QLabel>("frmMain", "lblHungry");
        QStringList seen;
        for (const char* value : {"0", "-1", "-20", "-21"}) {
            g.state().lblHungry = value;
            g.nav().refresh();
            QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(hungry);
            seen << hungry->text() + " " + hungry->styleSheet() + " " +
                        reader->text(QAccessible::Description);
        }
        QCOMPARE(seen, (QStringList{
                           "0  Чем больше это число, тем лучше.",
                           "-1 color: #9a5800; Чем больше это число, тем лучше.",
                           "-20 color: #9a5800; Чем больше это число, тем лучше.",
                           "-21 color: #c62828; Чем больше это число, тем лучше.\nдо смерти от "
                           "голода: 9",
                       }));
    }

    void theMenuOpensOneDiaryThatFollowsTheGameHourByHour() {
        UiGame g;
        g.startGame();
        g.state().lblMyWork = g.state().lblSWork = "Грузчик";
        g.state().lblWorkEarn = "10";
        ui::DiaryWindow* diary = openDiary(g);
        QVERIFY(diary && diary->isVisible() && !diary->isModal());
        QCOMPARE(diary->windowTitle(), QStringLiteral("Дневник"));
        QCOMPARE(openDiary(g), diary);  // a second time raises the same window
        const QList<QLineSeries*> lines = chartOf(diary)->lines();

        // Three game days from one o'clock, redrawn only when something shown changed: three
        // midnights, six life ticks.
        QSignalSpy redraws(lines[0], &QXYSeries::pointsReplaced);
        play(g, 72);
        QCOMPARE(redraws.count(), 9);
        QCOMPARE(lines[0]->points(), (QList<QPointF>{{1, 180}, {2, 190}, {3, 200}, {3.5, 200}}));
        QCOMPARE(lines[2]->at(2), QPointF(3, 20));  // five life ticks before the third midnight

        // A purchase between two clock ticks shows at the next one, in the chart and the table.
        g.state().lblMoney = "150";
        g.main()->advanceTime(kHour / 2);
        QCOMPARE(redraws.count(), 9);
        g.main()->advanceTime(kHour / 2);
        QCOMPARE(lines[0]->at(3).y(), 150.0);
        QCOMPARE(cell(diary, 0, 0) + cell(diary, 2, 1) + cell(diary, 3, 0) + cell(diary, 3, 1),
                 QStringLiteral("10/05/26200сейчас, 12/05/26150"));

        // Closing the window deletes it; the menu at once after it opens a new one.
        QPointer<ui::DiaryWindow> closed = diary;
        QTest::keyClick(diary, Qt::Key_Escape);
        ui::DiaryWindow* again = openDiary(g);
        QVERIFY(again && again != closed && again->isVisible());
        QTRY_VERIFY(!closed);
        QCOMPARE(table(again)->rowCount(), 4);
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
        QCOMPARE(events->item(0)->text(),
                 QStringLiteral("09/05/26, 1 ч — Куплена машина Пятерка2105"));

        const std::size_t boxes = g.messages.shown.size();  // the car's congratulations
        QTemporaryDir dir;
        const auto saveAs = [&](const QString& name) {
            pickFile([&] { clickSavePicture(diary); }, "Картинка PNG (*.png)", dir.filePath(name));
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

    void equalMoodAndSatietyStayTwoLinesAndTheDangerLinesAreNamedBesideThem() {
        UiGame g;
        g.startGame();
        ui::DiaryWindow* diary = openDiary(g);
        play(g, 72);  // both bars start at 30 and fall alike
        ui::DiaryChart* chart = chartOf(diary);
        QLineSeries* mood = chart->lines()[2];
        QLineSeries* satiety = chart->lines()[3];
        QCOMPARE(mood->points(), satiety->points());
        QVERIFY(pixelsOf(diary, mood->pen().color()) > 100);
        QVERIFY(pixelsOf(diary, satiety->pen().color()) > 100);
        // The legend names the four lines, and none of the danger lines.
        QStringList legend;
        for (QLegendMarker* marker : chart->legend()->markers())
            if (marker->isVisible()) legend << marker->label();
        QCOMPARE(legend, (QStringList{"Деньги", "Счёт в банке", "Настроение", "Сытость"}));

        // Each danger line is named beside it, inside the plot, no name over another, also
        // when a high mood squeezes the right axis.
        const auto checkNames = [&] {
            QStringList names;
            QList<QRectF> taken;
            for (int i = 0; i < chart->dangerLines().size(); ++i) {
                QLineSeries* line = chart->dangerLines()[i];
                QGraphicsSimpleTextItem* label = chart->dangerLabels()[i];
                names << label->text();
                const QRectF place = label->mapRectToParent(label->boundingRect());
                const qreal y = chart->mapToPosition(line->at(0), line).y();
                QVERIFY(label->isVisible() && chart->plotArea().contains(place));
                QVERIFY(qAbs(place.bottom() - y) < 2 || qAbs(place.top() - y) < 2);
                for (const QRectF& other : taken) QVERIFY(!other.intersects(place));
                taken << place;
            }
            QCOMPARE(names,
                     (QStringList{"голод: предупреждение ниже −20", "голод: смерть ниже −30",
                                  "тоска: предупреждение ниже −30", "тоска: смерть ниже −40"}));
        };
        checkNames();
        g.state().lblHappyness = "400";
        play(g, 1);
        checkNames();
    }

    void theMoneyAxisFollowsTheMoneyUpAndDownAndAlwaysShowsIt() {
        UiGame g;
        g.startGame();
        ui::DiaryWindow* diary = openDiary(g);
        QLineSeries* money = chartOf(diary)->lines()[0];
        QValueAxis* axis = nullptr;
        for (QAbstractAxis* a : money->attachedAxes())
            if (a->orientation() == Qt::Vertical) axis = qobject_cast<QValueAxis*>(a);
        QVERIFY(axis);
        // Each time: the axis reaches below nothing and above the money, in round numbers, and
        // not so far above that the line sits at the bottom.
        const auto showsMoney = [&](const char* dollars, double least, double most) {
            g.state().lblMoney = dollars;
            play(g, 1);
            const double now = money->points().back().y();
            QCOMPARE(now, QString::fromLatin1(dollars).toDouble());
            QVERIFY2(axis->min() <= std::min(0.0, now) && axis->max() >= now,
                     qPrintable(QStringLiteral("%1..%2").arg(axis->min()).arg(axis->max())));
            QVERIFY(axis->max() >= least && axis->max() <= most);
            QCOMPARE(axis->max(), std::round(axis->max()));
        };
        showsMoney("170", 170, 300);
        showsMoney("169", 169, 300);  // a dollar less leaves the round bound where it was
        showsMoney("5000", 5000, 10000);
        showsMoney("150", 150, 300);  // back down: the axis shrinks with it
        showsMoney("-700", 100, 300);
        QVERIFY(axis->min() <= -700 && axis->min() > -2000);
    }

    void everyPlottedDayTellsItsDateTheLastOneToo() {
        UiGame g;
        g.startGame();
        ui::DiaryWindow* diary = openDiary(g);
        play(g, 240);  // ten midnights: more dates than the axis has room for
        QLineSeries* money = chartOf(diary)->lines()[0];
        QCOMPARE(money->count(), 11);

        // The pointer anywhere near a day tells the date the table gives that day.
        for (int row = 0; row < 10; ++row) {
            QCOMPARE(tipAt(diary, money, row + 0.6).section('\n', 0, 0), cell(diary, row, 0));
            QCOMPARE(tipAt(diary, money, row + 1.2).section('\n', 0, 0), cell(diary, row, 0));
        }
        QCOMPARE(
            tipAt(diary, money, 10.5),
            cell(diary, 10, 0) + "\nДеньги: 170\nСчёт в банке: 0\nНастроение: -10\nСытость: -10");
        QCOMPARE(cell(diary, 10, 0), QStringLiteral("сейчас, 19/05/26"));

        // Under the chart, the last midnight is always named.
        auto* days = qobject_cast<QCategoryAxis*>(chartOf(diary)->axes(Qt::Horizontal)[0]);
        QCOMPARE(days->categoriesLabels().back(), QStringLiteral("19/05/26"));
        QVERIFY(days->categoriesLabels().size() <= 9);
    }

    void aDeathTakesTheDiaryAndItsPictureDialogAlongAndANewGameStartsAFreshOne() {
        UiGame g;
        g.startGame();
        toMidnight(g);  // a midnight in the diary
        QPointer<ui::DiaryWindow> diary = openDiary(g);
        QPointer<QWidget> dialog;
        soon([&] {
            dialog = QApplication::activeModalWidget();
            g.state().lblHungry = "-40";
            g.main()->advanceTime(kLifeTickInterval);
        });
        clickSavePicture(diary);
        QCOMPARE(g.app.game().diary.events().back().text, std::string("Смерть от голода"));
        QVERIFY(!g.main());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!diary && !dialog);

        g.click("frmFirst", "cmdOK");
        QVERIFY(g.app.game().diary.events().empty());
        QCOMPARE(chartOf(openDiary(g))->lines()[0]->count(), 1);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ui::Application::setUpQt();  // the game's name, so both runs share its data folder
    if (argc > 1 && QByteArray(argv[1]) == kPlay) return playADay();
    StartupTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "startup_test.moc"
