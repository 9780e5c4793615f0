// Endurance: a seeded "monkey" plays the real windows offscreen with random clicks, pointer
// movements, key presses, typed texts and hours of game time, answers the real message boxes at
// random, and after every step checks that the game state still makes sense. It acts on whatever
// window is on screen, so a new window is played as soon as it is registered.
//
//   BRANKOR_MONKEY_SEED=n    replay one seed (a failure prints its seed and step)
//   BRANKOR_MONKEY_STEPS=n   steps per seed
#include <QtTest>
#include <QtWidgets>
#include <random>

#include "computer/computerladders.h"
#include "core/ladder.h"
#include "core/lifecycle.h"
#include "fakes/fakes.h"
#include "life/flat.h"
#include "life/shop.h"
#include "ui/application.h"
#include "ui/placeregistry.h"

using namespace brankor;

namespace {

constexpr int kMaxModalDepth = 4;  // a place, a window it opens, the virus window, one to spare
constexpr int kSecondsPerSeed = 25;

const QStringList kTexts =
    QStringLiteral("|0|5|-5|170|32767|32768|-32768|1e5|2,5|abc|деньги|99999999999999999999")
        .split('|');
const Qt::Key kKeys[] = {Qt::Key_Return,  Qt::Key_Space, Qt::Key_Escape,   Qt::Key_Tab,
                         Qt::Key_Backtab, Qt::Key_Down,  Qt::Key_Left,     Qt::Key_Right,
                         Qt::Key_A,       Qt::Key_5,     Qt::Key_Backspace};
/// Game time in one step: an hour (1500 ms), six hours, a life tick, two, a week of them.
const std::int64_t kTimeSteps[] = {1500, 1500, 9000, 18000, 36000, 36000, 7 * 36000};
/// The 16-bit counters: none may go below zero, which is also where a wrap past 32767 lands.
const std::pair<const char*, std::int16_t GameState::*> kCounters[] = {
    {"BankBalance", &GameState::BankBalance},
    {"BaitPacks", &GameState::BaitPacks},
    {"FishTotal", &GameState::FishTotal},
    {"CarIndex", &GameState::CarIndex},
    {"VinchesterIndex", &GameState::VinchesterIndex}};
const std::tuple<const char*, std::string GameState::*, const Ladder& (*)()> kLadders[] = {
    {"lblStatus", &GameState::lblStatus, statusLadder},
    {"lblEnglish", &GameState::lblEnglish, englishLadder},
    {"lblEduncation", &GameState::lblEduncation, educationLadder},
    {"lblClothes", &GameState::lblClothes, clothesLadder},
    {"lblSystem", &GameState::lblSystem, systems},
    {"lblProgram", &GameState::lblProgram, languages},
    {"lblGraph", &GameState::lblGraph, editors},
    {"lblAntvirus", &GameState::lblAntvirus, antiviruses}};

bool unusable(QWidget* w) {
    return !w->isVisible() || !w->isEnabled() || qobject_cast<QMenuBar*>(w);
}

/// Plays one seed. The game's chance and file dialog draw from the same seed, so a run replays.
class Monkey : public Random, public FileDialogs {
  public:
    Monkey(std::uint32_t seed, int steps) : m_seed(seed), m_steps(steps), m_pick(seed) {}
    void randomize() override {}
    double rnd() override { return std::uniform_real_distribution<double>(0, 1)(m_pick); }
    std::optional<std::string> choose(FileDialogKind) override {
        if (pick(4) == 0) return std::nullopt;  // cancelled
        return m_dir.filePath(pick(2) ? "a.brk" : "b.brk").toStdString();
    }

    /// Plays; afterwards `failure` says what went wrong, if anything, with the last steps.
    void run() {
        startApplication();
        QTimer::singleShot(0, &m_context, [this] { step(); });
        m_loop.exec();
        m_app.reset();
    }
    QString failure;
    std::set<std::string> shown;
    int taken = 0;

  private:
    int pick(qsizetype n) { return static_cast<int>(m_pick() % std::max<qsizetype>(n, 1)); }
    template <class T>
    T* pickOf(const QList<T*>& list) {
        return list.isEmpty() ? nullptr : list[pick(list.size())];
    }
    bool over() const { return !failure.isEmpty() || taken >= m_steps || m_deadline.hasExpired(); }

    void startApplication() {
        m_quitAsked = false;
        m_app.reset();
        // On a desktop the file dialogs are the platform's own, typed into and cancelled.
        FileDialogs* files = m_desktop ? nullptr : this;
        m_app = std::make_unique<ui::Application>(
            ui::ApplicationPorts{nullptr, &m_clock, this, files, [this] { m_quitAsked = true; }});
        QObject::connect(&m_app->navigator(), &ui::Navigator::shown, &m_context,
                         [this](const QString& w) { shown.insert(w.toStdString()); });
        m_app->start();
    }

    void note(const QString& what) {
        m_recent << QStringLiteral("step %1: %2").arg(taken).arg(what);
        if (m_recent.size() > 20) m_recent.removeFirst();
    }

    void expect(bool holds, const std::string& what, const std::string& value) {
        if (holds || !failure.isEmpty()) return;
        failure =
            QStringLiteral("replay: BRANKOR_MONKEY_SEED=%1 BRANKOR_MONKEY_STEPS=%2\n%3 is \"%4\"\n")
                .arg(m_seed)
                .arg(taken)
                .arg(QString::fromStdString(what), QString::fromStdString(value)) +
            m_recent.join('\n');
    }

    /// The invariants that must hold whatever the player did.
    void check() {
        const GameState& s = m_app->game().state;
        const int depth = m_app->navigator().modalDepth();
        expect(depth <= kMaxModalDepth, "the modal depth", std::to_string(depth));
        for (const auto& [name, counter] : kCounters)
            expect(s.*counter >= 0, name, std::to_string(s.*counter));
        // Before the first game starts the state holds the main window's design-time texts.
        if (!m_app->navigator().mainWindow()) return;
        const int car = s.CarIndex, disk = s.VinchesterIndex;
        expect(car >= 0 && car < std::ssize(CarNames) && CarNames[car] == s.lblCar,
               "lblCar with CarIndex " + std::to_string(car), s.lblCar);
        expect(disk >= 0 && disk < std::ssize(VinchesterNames) &&
                   VinchesterNames[disk] == s.lblVinchester,
               "lblVinchester with VinchesterIndex " + std::to_string(disk), s.lblVinchester);
        for (const auto& [name, field, ladder] : kLadders)
            expect(ladder().contains(s.*field), name, s.*field);
        for (const Component& part : components())
            expect(part.models.contains(s.*part.field),
                   "the component bought by " + std::string(part.button), s.*part.field);
        expect(s.lblVichod == kNothingOwned || s.lblVichod == "Есть", "lblVichod", s.lblVichod);
        for (const HomeLadder& home : homeLadders())
            expect(rungFrom(home.offers, s.*home.field).has_value(),
                   "the flat's rung bought by " + std::string(home.button), s.*home.field);
    }

    /// One step, run from a timer so that it also runs inside the event loop of any modal window
    /// or box the previous step opened: the next step is due before this one acts. The check
    /// comes first, so it also sees what the window timers did between steps.
    void step() {
        check();
        if (m_quitAsked || over()) return windDown();
        ++taken;
        QTimer::singleShot(pick(40) == 0 ? 5 + pick(40) : 0, &m_context, [this] { step(); });
        act();
    }

    /// Closes whatever is open from the top down; back in the outermost loop, starts the program
    /// again after a scripted quit, or ends the run.
    void windDown() {
        QWidget* modal = QApplication::activeModalWidget();
        const bool outermost = !modal && QThread::currentThread()->loopLevel() == 1;
        if (outermost && (!m_quitAsked || over())) return m_loop.quit();
        if (++m_windingDown > 500) qFatal("the windows would not close");
        QTimer::singleShot(0, &m_context, [this] { step(); });
        if (qobject_cast<QMessageBox*>(modal)) {
            modal->close();  // as its escape button: "No", or the only button
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            dialog->reject();
        } else if (!outermost) {
            m_app->navigator().closeAllPlaces();
        } else {
            note(QStringLiteral("the game quit: start the program again"));
            m_windingDown = 0;
            startApplication();
        }
    }

    /// The player's input goes to the popup or modal window on top, else to any visible window.
    void act() {
        QWidget* on = QApplication::activePopupWidget();
        if (!on) on = QApplication::activeModalWidget();
        QWidgetList windows = QApplication::topLevelWidgets();
        windows.removeIf([](QWidget* w) { return !w->isVisible(); });
        if (!on && !(on = pickOf(windows))) return;
        const int roll = pick(100);
        auto* box = qobject_cast<QMessageBox*>(on);
        ui::MainWindow* main = m_app->navigator().mainWindow();
        if (auto* dialog = qobject_cast<QFileDialog*>(on)) return answerFileDialog(*dialog, roll);
        if (qobject_cast<ui::PlaceDialog*>(on) && main && roll >= 97)
            return leaveAndUseTheMenu(*on, *main, roll);
        if (on->windowType() == Qt::Popup || (box && roll < 92)) {
            QAbstractButton* button = box && roll < 80 ? pickOf(box->buttons()) : nullptr;
            note(on->windowTitle() + (button ? " answered " + button->text() : " Return/Escape"));
            if (button) return QTest::mouseClick(button, Qt::LeftButton);
            QTest::keyClick(on, box && roll % 2 ? Qt::Key_Return : Qt::Key_Escape);
        } else if (roll < 60) {  // a click on a button or anywhere, or the pointer over anything
            QWidgetList widgets = on->findChildren<QWidget*>();
            widgets.removeIf([&](QWidget* w) {
                return unusable(w) || (roll < 30 && !qobject_cast<QAbstractButton*>(w));
            });
            QWidget* w = widgets.isEmpty() ? on : pickOf(widgets);
            const QPoint at(pick(w->width()), pick(w->height()));
            note((roll < 38 ? "click " : "move over ") + w->objectName());
            // A player's pointer gets there before it clicks. The move goes to the widget
            // itself: the offscreen platform may hand a synthetic cursor move to another window.
            QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                             Qt::NoModifier);
            QApplication::sendEvent(w, &move);
            if (roll < 38) QTest::mouseClick(w, Qt::LeftButton, {}, at);
        } else if (roll < 68) {
            QWidget* focus = on->focusWidget() ? on->focusWidget() : on;
            const Qt::Key key = kKeys[pick(std::size(kKeys))];
            note("key " + QKeySequence(key).toString() + " on " + focus->objectName());
            QTest::keyClick(focus, key);
        } else if (roll < 78) {
            QList<QLineEdit*> edits = on->findChildren<QLineEdit*>();
            edits.removeIf([](QLineEdit* e) { return unusable(e) || e->isReadOnly(); });
            QLineEdit* edit = pickOf(edits);
            if (!edit) return;
            const QString text = kTexts[pick(kTexts.size())];
            note("type \"" + text + "\" into " + edit->objectName());
            edit->setFocus();
            if (pick(2)) edit->clear();
            for (const QChar ch : text)  // key by key: QTest's own typing takes Latin-1 only
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, ch, Qt::NoModifier);
        } else if (roll < 88 || box) {  // with a box open: a life tick while a handler waits
            const std::int64_t ms = kTimeSteps[pick(std::size(kTimeSteps))];
            note(QStringLiteral("%1 ms of game time").arg(ms));
            if (main) main->advanceTime(ms);
        } else if (roll < 94) {
            QAction* item = on == main
                                ? pickOf(main->findChildren<QAction*>(QRegularExpression(".")))
                                : nullptr;
            if (!item || !item->isEnabled() || item->menu()) return;
            note("menu " + item->objectName());
            item->trigger();
        } else if (roll < 97) {
            note("close " + on->objectName());
            on->close();
        } else {  // what a long game reaches: riches, or a counter near the top of its range
            GameState& s = m_app->game().state;
            const int which = pick(6);
            note(QStringLiteral("push the game state (%1)").arg(which));
            if (which == 3) {
                s.lblMoney = "40000";
            } else if (which == 4) {  // a hacker: the hacking window opens
                s.lblStatus = "Хакер";
            } else if (which == 5) {  // a complete, connected computer: sites and viruses
                for (const Component& part : components()) s.*part.field = part.models[1];
                setVinchester(s, 1);
                s.lblSystem = systems()[1];
                s.lblVichod = "Есть";
            } else {
                s.*kCounters[which].second = static_cast<std::int16_t>(32700 + pick(68));
            }
        }
    }

    /// The platform's file dialog: a path typed and Return, or Escape.
    void answerFileDialog(QFileDialog& dialog, int roll) {
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!name || roll < 30) {
            note(QStringLiteral("file dialog: Escape"));
            return QTest::keyClick(&dialog, Qt::Key_Escape);
        }
        const QString path = m_dir.filePath(roll < 60 ? "a.brk" : roll < 90 ? "b.brk" : "c");
        note("file dialog: type " + path);
        name->setFocus();
        name->setText(path);
        QTest::keyClick(name, Qt::Key_Return);
    }

    /// What players do in a hurry: leave a place by "<< Назад", Escape or the close box and, in
    /// the same breath, choose a menu item of the main window.
    void leaveAndUseTheMenu(QWidget& placeWindow, ui::MainWindow& main, int roll) {
        QList<QAction*> items = main.findChildren<QAction*>(QRegularExpression("."));
        items.removeIf([](QAction* a) { return !a->isEnabled() || a->menu() || a->isSeparator(); });
        QAction* item = pickOf(items);
        QPointer<QWidget> guard = &placeWindow;
        QWidget& place = placeWindow;
        auto* back = place.findChild<QPushButton*>(QStringLiteral("cmdBack"));
        note(QStringLiteral("leave %1 by %2, then menu %3")
                 .arg(place.objectName(),
                      roll == 97 && back ? "<< Назад"
                      : roll == 98       ? "Escape"
                                         : "the close box",
                      item ? item->objectName() : QStringLiteral("none")));
        if (roll == 97 && back && back->isVisible() && back->isEnabled())
            QTest::mouseClick(back, Qt::LeftButton);
        else if (roll == 98)
            QTest::keyClick(&place, Qt::Key_Escape);
        else
            place.close();
        // The menu is out of reach while the place stays (a refusal to leave).
        if (item && (!guard || !guard->isVisible())) item->trigger();
    }

    std::uint32_t m_seed;
    int m_steps;
    const bool m_desktop = qEnvironmentVariableIsSet("BRANKOR_MONKEY_DESKTOP");
    std::mt19937 m_pick;
    QTemporaryDir m_dir;
    testing::FakeClock m_clock;
    std::unique_ptr<ui::Application> m_app;
    QObject m_context;
    QEventLoop m_loop;
    QDeadlineTimer m_deadline{kSecondsPerSeed * 1000};
    QStringList m_recent;
    int m_windingDown = 0;
    bool m_quitAsked = false;
};

/// The box on top; after a death the waiting box is no longer the active modal window.
QMessageBox* openBox() {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) return box;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) return box;
    return nullptr;
}

/// Found by the monkey: dying while a handler waits on a real box deleted the waiting window and
/// the box under it. Clicks `control` of `window` (an action for the main window), starves to
/// death while the box that opens waits, answers the death box, then the first box with `last`.
void dieWhileWaiting(const std::string& window, const char* control,
                     QMessageBox::StandardButton last, const QStringList& titles) {
    testing::FakeClock clock;
    testing::FakeRandom random;
    bool quit = false;
    ui::Application app({nullptr, &clock, &random, nullptr, [&] { quit = true; }});
    app.start();
    QTest::mouseClick(app.navigator().dialog("frmFirst")->findChild<QWidget*>("cmdOK"),
                      Qt::LeftButton);
    app.game().state.lblMoney = "0";
    QStringList seen;
    QObject context;
    std::function<void()> tick = [&] {
        QTimer::singleShot(0, &context, tick);  // also runs inside the boxes this one opens
        QMessageBox* box = openBox();
        if (!box || seen.size() == 3) return;
        seen << box->windowTitle();
        if (seen.size() > 1)  // the death box, then the first box
            return QTest::mouseClick(box->button(seen.size() == 2 ? QMessageBox::Ok : last),
                                     Qt::LeftButton);
        app.game().state.lblHungry = "-40";
        app.navigator().mainWindow()->advanceTime(kLifeTickInterval);
    };
    tick();
    if (window == "frmMain") {
        app.navigator().mainWindow()->findChild<QAction*>(control)->trigger();
    } else {
        QTimer::singleShot(0, &context, [&] {
            QTest::mouseClick(app.navigator().dialog(window)->findChild<QWidget*>(control),
                              Qt::LeftButton);
        });
        app.navigator().show(window, Modality::Modal);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(seen, titles);
    QVERIFY(!openBox() && !quit && !app.navigator().mainWindow());
    QVERIFY(!app.navigator().dialog(window) && app.navigator().dialog("frmFirst")->isVisible());
    QCOMPARE(app.navigator().modalDepth(), 0);
}

QtMessageHandler g_log = nullptr;

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        ui::Application::installTranslations();
        ui::Application::applyStyle();
        // The offscreen platform says on every window that it cannot raise or resize it: noise.
        g_log = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& at, const QString& text) {
                if (!text.startsWith(QLatin1String("This plugin does not support")))
                    g_log(type, at, text);
            });
    }

    void deathWhileAPlaceWaitsOnItsBox() {
        dieWhileWaiting("frmShop", "cmdBuyBrakfast", QMessageBox::Ok,
                        {"Внимание", "+СМЕРТЬ+", "Внимание"});
    }

    void deathWhileTheMainWindowAsksToExit() {
        dieWhileWaiting("frmMain", "Exit", QMessageBox::No,
                        {"Подтвердите", "+СМЕРТЬ+", "Подтвердите"});
    }

    void playsEveryWindowWithoutBreakingTheGame() {
        bool replay = false, stepsSet = false;
        const int only = qEnvironmentVariableIntValue("BRANKOR_MONKEY_SEED", &replay);
        const int steps = qEnvironmentVariableIntValue("BRANKOR_MONKEY_STEPS", &stepsSet);
        if (qEnvironmentVariableIsSet("BRANKOR_MONKEY_DESKTOP")) {
            // As a screen reader's user runs the game: the accessibility bridge is on.
            QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
        }
        for (const int seed : replay ? QList<int>{only} : QList<int>{1, 2, 3}) {
            std::printf("monkey: seed %d (replay with BRANKOR_MONKEY_SEED=%d)\n", seed, seed);
            std::fflush(stdout);  // named before it runs, in case it crashes
            Monkey monkey(static_cast<std::uint32_t>(seed), stepsSet ? steps : 12000);
            monkey.run();
            QVERIFY2(monkey.failure.isEmpty(), qPrintable(monkey.failure));
            std::string missed;
            for (const auto& [name, kind] : ui::placeKinds())
                if (!monkey.shown.count(name)) missed += " " + name;
            std::printf("  %d steps; windows never shown:%s\n", monkey.taken,
                        missed.empty() ? " none" : missed.c_str());
        }
    }
};

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
