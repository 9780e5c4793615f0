// Endurance: a seeded "monkey" plays the real windows offscreen with thousands of random clicks,
// pointer movements, key presses, typed texts and hours of game time, answers the real message
// boxes at random, and after every step checks that the game state still makes sense.
//
// It reaches every window the game has: the place buttons, menus, replacements and the boxes open
// whatever is registered, so new windows are played as soon as they exist.
//
//   BRANKOR_MONKEY_SEED=n    replay one seed (a failure prints the seed it ran)
//   BRANKOR_MONKEY_STEPS=n   steps per seed
//   BRANKOR_MONKEY_TRACE=1   print every step
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <deque>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/ladder.h"
#include "core/lifecycle.h"
#include "core/ports.h"
#include "fakes/fakes.h"
#include "life/flat.h"
#include "life/shop.h"
#include "ui/application.h"
#include "ui/mainwindow.h"
#include "ui/navigator.h"

using namespace brankor;

namespace {

/// Modal windows inside each other: a place, a window it opens (the end window), the virus window
/// over both, and one more for a window not yet thought of. Replacements do not nest.
constexpr int kMaxModalDepth = 4;
/// Event loops inside each other (modal windows plus the message boxes they wait on).
constexpr int kMaxLoopLevel = 12;
constexpr int kDefaultSteps = 12000;
/// A seed that takes longer than this (a slow machine) stops early rather than hold up CI.
constexpr int kSecondsPerSeed = 40;
constexpr std::uint32_t kDefaultSeeds[] = {1, 2, 3};

// What a crash handler can print without allocating.
char g_crashNote[512] = "";

void onCrash(int signal) {
    const char* head = "\nmonkey crashed during: ";
    (void)!write(STDERR_FILENO, head, std::strlen(head));
    (void)!write(STDERR_FILENO, g_crashNote, std::strlen(g_crashNote));
    (void)!write(STDERR_FILENO, "\n", 1);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

/// The game's own chance, drawn from the monkey's seed so that a run can be replayed.
class SeededRandom : public Random {
  public:
    explicit SeededRandom(std::uint32_t seed) : m_engine(seed) {}
    void randomize() override { m_engine.seed(m_engine()); }
    double rnd() override { return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine); }

  private:
    std::mt19937 m_engine;
};

/// The file dialog: one of two files in a scratch folder, or cancelled.
class ScratchFiles : public FileDialogs {
  public:
    explicit ScratchFiles(std::mt19937& pick) : m_pick(pick) {}
    std::optional<std::string> choose(FileDialogKind) override {
        switch (m_pick() % 4) {
            case 0:
                return std::nullopt;
            case 1:
                return m_dir.filePath(QStringLiteral("b.brk")).toStdString();
            default:
                return m_dir.filePath(QStringLiteral("a.brk")).toStdString();
        }
    }

  private:
    std::mt19937& m_pick;
    QTemporaryDir m_dir;
};

/// The 16-bit variables, to tell a wrap (a jump across the whole range) from a change.
struct Counters {
    std::int16_t BankBalance, CarIndex, VinchesterIndex, BaitPacks, FishTotal;
    static Counters of(const GameState& s) {
        return {s.BankBalance, s.CarIndex, s.VinchesterIndex, s.BaitPacks, s.FishTotal};
    }
};

/// A field and the texts it may hold.
struct LadderField {
    const char* field;
    std::function<bool(const std::string&)> onLadder;
};

std::vector<LadderField> ladderFields() {
    std::vector<LadderField> result = {
        {"lblStatus", [](const std::string& t) { return statusLadder().contains(t); }},
        {"lblEnglish", [](const std::string& t) { return englishLadder().contains(t); }},
        {"lblEduncation", [](const std::string& t) { return educationLadder().contains(t); }},
        {"lblClothes", [](const std::string& t) { return clothesLadder().contains(t); }},
    };
    for (const HomeLadder& home : homeLadders()) {
        for (const Field& f : fields())
            if (f.member == home.field)
                result.push_back({f.name.data(), [offers = home.offers](const std::string& t) {
                                      return rungFrom(offers, t).has_value();
                                  }});
    }
    return result;
}

const char* const kTexts[] = {
    "",       "0",      "1",     "5",    "-5",
    "10",     "100",    "170",   "999",  "32767",
    "32768",  "-32768", "65536", "1e5",  "2,5",
    "2.5",    " 7",     "7 ",    "abc",  "12abc",
    "деньги", "-",      ".",     "0x10", "99999999999999999999",
};

const Qt::Key kKeys[] = {
    Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape, Qt::Key_Tab,       Qt::Key_Left,
    Qt::Key_Up,     Qt::Key_Right, Qt::Key_Down,  Qt::Key_A,      Qt::Key_S,         Qt::Key_Z,
    Qt::Key_0,      Qt::Key_5,     Qt::Key_9,     Qt::Key_F1,     Qt::Key_Backspace,
};

/// Game time in one step: an hour, a day, a life tick or a few, a week.
const std::int64_t kTimeSteps[] = {1500,  1500,  1500,      6 * 1500, 18000,
                                   18000, 36000, 24 * 1500, 90000,    7 * 24 * 1500};

class Monkey {
  public:
    Monkey(std::uint32_t seed, int steps)
        : m_seed(seed),
          m_steps(steps),
          m_pick(seed),
          m_random(seed ^ 0x9e3779b9u),
          m_files(m_pick) {
        m_trace = qEnvironmentVariableIsSet("BRANKOR_MONKEY_TRACE");
        m_ladders = ladderFields();
    }

    /// Plays; returns "" or what went wrong.
    std::string run() {
        m_clockOn.start();
        startApplication();
        QTimer::singleShot(0, &m_context, [this] { step(); });
        m_loop.exec();
        m_app.reset();
        return m_failure;
    }

    int stepsTaken() const { return m_step; }
    int deepestModal() const { return m_deepestModal; }
    int deaths() const { return m_deaths; }
    int restarts() const { return m_restarts; }
    const std::set<std::string>& windowsSeen() const { return m_windowsSeen; }

  private:
    int pick(int n) { return static_cast<int>(m_pick() % static_cast<std::uint32_t>(n)); }
    template <class T, std::size_t N>
    const T& oneOf(const T (&choices)[N]) {
        return choices[pick(static_cast<int>(N))];
    }
    template <class T>
    T* pickOf(const QList<T*>& list) {
        return list.isEmpty() ? nullptr : list.at(pick(static_cast<int>(list.size())));
    }

    void startApplication() {
        m_app.reset();
        m_quitAsked = false;
        m_app = std::make_unique<ui::Application>(ui::ApplicationPorts{
            nullptr, &m_clock, &m_random, &m_files, [this] { m_quitAsked = true; }});
        QObject::connect(&m_app->navigator(), &ui::Navigator::shown, &m_context,
                         [this](const QString& w) { m_windowsSeen.insert(w.toStdString()); });
        m_app->start();
        m_previous = Counters::of(m_app->game().state);
    }

    void note(const QString& what) {
        const QByteArray line =
            QStringLiteral("seed %1 step %2: %3").arg(m_seed).arg(m_step).arg(what).toUtf8();
        std::snprintf(g_crashNote, sizeof g_crashNote, "%s", line.constData());
        m_recent.push_back(line.toStdString());
        if (m_recent.size() > 40) m_recent.pop_front();
        if (m_trace) std::fprintf(stderr, "%s\n", line.constData());
    }

    void fail(const std::string& what) {
        if (!m_failure.empty()) return;
        m_failure = what;
        std::fprintf(stderr,
                     "\nFAILED with seed %u at step %d: %s\nreplay: BRANKOR_MONKEY_SEED=%u "
                     "BRANKOR_MONKEY_STEPS=%d\nlast steps:\n",
                     m_seed, m_step, what.c_str(), m_seed, m_steps);
        for (const std::string& line : m_recent) std::fprintf(stderr, "  %s\n", line.c_str());
        std::fflush(stderr);
    }

    /// The invariants that must hold whatever the player did.
    void check(const char* when) {
        if (!m_app) return;
        const GameState& s = m_app->game().state;
        ui::Navigator& nav = m_app->navigator();
        auto failHere = [&](const std::string& what) { fail(what + " (" + when + ")"); };
        if (nav.modalDepth() > kMaxModalDepth)
            failHere("modal windows nested " + std::to_string(nav.modalDepth()) + " deep");
        if (QThread::currentThread()->loopLevel() > kMaxLoopLevel)
            failHere("event loops nested " + std::to_string(QThread::currentThread()->loopLevel()) +
                     " deep");
        m_deepestModal = std::max(m_deepestModal, nav.modalDepth());

        const Counters now = Counters::of(s);
        const std::pair<const char*, std::pair<int, int>> counters[] = {
            {"BankBalance", {m_previous.BankBalance, now.BankBalance}},
            {"CarIndex", {m_previous.CarIndex, now.CarIndex}},
            {"VinchesterIndex", {m_previous.VinchesterIndex, now.VinchesterIndex}},
            {"BaitPacks", {m_previous.BaitPacks, now.BaitPacks}},
            {"FishTotal", {m_previous.FishTotal, now.FishTotal}},
        };
        for (const auto& [name, values] : counters) {
            const auto [before, after] = values;
            if ((before > 16000 && after < -16000) || (before < -16000 && after > 16000))
                failHere(std::string(name) + " wrapped from " + std::to_string(before) + " to " +
                         std::to_string(after));
        }
        m_previous = now;

        // Before the first game starts the state holds the main window's design-time texts.
        if (!nav.mainWindow()) return;
        if (s.CarIndex < 0 || s.CarIndex > 5)
            failHere("CarIndex is " + std::to_string(s.CarIndex));
        else if (s.lblCar != CarNames[static_cast<std::size_t>(s.CarIndex)])
            failHere("lblCar is \"" + s.lblCar + "\" with CarIndex " + std::to_string(s.CarIndex));
        if (s.VinchesterIndex < 0 || s.VinchesterIndex > 9)
            failHere("VinchesterIndex is " + std::to_string(s.VinchesterIndex));
        else if (s.lblVinchester != VinchesterNames[static_cast<std::size_t>(s.VinchesterIndex)])
            failHere("lblVinchester is \"" + s.lblVinchester + "\" with VinchesterIndex " +
                     std::to_string(s.VinchesterIndex));
        for (const auto& [name, value] :
             {std::pair{"BankBalance", s.BankBalance}, std::pair{"BaitPacks", s.BaitPacks},
              std::pair{"FishTotal", s.FishTotal}})
            if (value < 0) failHere(std::string(name) + " is " + std::to_string(value));
        GameState& state = m_app->game().state;
        for (const LadderField& ladder : m_ladders) {
            const std::string* text = fieldByName(state, ladder.field);
            if (text && !ladder.onLadder(*text))
                failHere(std::string(ladder.field) + " holds \"" + *text +
                         "\", no rung of its ladder");
        }
    }

    /// One step, run from a zero-time timer so that it also runs inside the event loop of any
    /// modal window or box the previous step opened.
    void step() {
        if (!m_failure.empty() || m_finished) {
            windDown();
            return;
        }
        check("before the step");
        if (m_step >= m_steps || m_quitAsked || m_clockOn.elapsed() > kSecondsPerSeed * 1000) {
            windDown();
            return;
        }
        ++m_step;
        // The next step is due before this one acts: an action that opens a modal window runs
        // that window's event loop, and the monkey must go on acting inside it.
        const int pause = pick(40) == 0 ? 5 + pick(40) : 0;  // now and then let window timers run
        QTimer::singleShot(pause, &m_context, [this] { step(); });
        act();
        check("after the step");
    }

    /// Closes whatever is open, from the top down; once back in the outermost
    /// loop, starts a new program (after a scripted quit) or ends the run.
    void windDown() {
        if (++m_windingDown > 500) {
            fail("the windows would not close");
            std::_Exit(1);
        }
        QWidget* modal = QApplication::activeModalWidget();
        const bool outermost = QThread::currentThread()->loopLevel() == 1;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            note(QStringLiteral("wind down: close the box \"%1\"").arg(box->windowTitle()));
            QTimer::singleShot(0, &m_context, [this] { step(); });
            QAbstractButton* away = box->escapeButton();
            if (!away) away = box->buttons().value(0);
            if (away) away->click();
            return;
        }
        if (modal || !outermost) {
            note(QStringLiteral("wind down: close every place window"));
            QTimer::singleShot(0, &m_context, [this] { step(); });
            if (m_app) m_app->navigator().closeAllPlaces();
            return;
        }
        if (m_quitAsked && m_failure.empty() && !m_finished && m_step < m_steps &&
            m_clockOn.elapsed() <= kSecondsPerSeed * 1000) {
            note(QStringLiteral("the game quit: start the program again"));
            ++m_restarts;
            m_windingDown = 0;
            startApplication();
            QTimer::singleShot(0, &m_context, [this] { step(); });
            return;
        }
        m_finished = true;
        m_loop.quit();
    }

    /// Where the player's input goes: the modal window or box on top, else any visible window.
    QWidget* target() {
        if (QWidget* popup = QApplication::activePopupWidget()) return popup;
        if (QWidget* modal = QApplication::activeModalWidget()) return modal;
        QList<QWidget*> windows;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->windowType() != Qt::ToolTip && w->windowType() != Qt::Popup)
                windows.append(w);
        return pickOf(windows);
    }

    template <class W>
    QList<W*> usable(QWidget* root) {
        QList<W*> result;
        for (W* w : root->findChildren<W*>())
            if (w->isVisible() && w->isEnabled() && !qobject_cast<QMenuBar*>(w)) result.append(w);
        return result;
    }

    static QPoint somewhereIn(QWidget* w, int x, int y) {
        return {w->width() > 0 ? x % w->width() : 0, w->height() > 0 ? y % w->height() : 0};
    }

    QString describe(QWidget* w) {
        QString name = w->objectName();
        if (name.isEmpty()) name = QString::fromUtf8(w->metaObject()->className());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            name += QStringLiteral(" \"%1\"").arg(button->text());
        QWidget* window = w->window();
        return window == w ? name : window->objectName() + QStringLiteral("/") + name;
    }

    void act() {
        QPointer<QWidget> on = target();
        if (!on) {
            note(QStringLiteral("nothing on screen: wait"));
            return;
        }
        ui::MainWindow* main = m_app->navigator().mainWindow();
        if (auto* box = qobject_cast<QMessageBox*>(on.data())) {
            answer(box, main);
        } else if (qobject_cast<QMenu*>(on.data()) || on->windowType() == Qt::Popup) {
            note(QStringLiteral("close the popup"));
            QTest::keyClick(on, Qt::Key_Escape);
        } else {
            play(on, main);
        }
    }

    void answer(QMessageBox* box, ui::MainWindow* main) {
        const int roll = pick(100);
        const QString title = box->windowTitle();
        if (title == QStringLiteral("+СМЕРТЬ+")) ++m_deaths;
        if (roll < 80) {
            QAbstractButton* button = pickOf(box->buttons());
            note(QStringLiteral("box \"%1\": %2").arg(title, button ? button->text() : "?"));
            if (button) QTest::mouseClick(button, Qt::LeftButton);
        } else if (roll < 92) {
            const Qt::Key key = pick(2) ? Qt::Key_Return : Qt::Key_Escape;
            note(QStringLiteral("box \"%1\": key %2").arg(title, QKeySequence(key).toString()));
            QTest::keyClick(box, key);
        } else if (main) {
            passTime(main);
        } else {
            hover(box);
        }
    }

    void play(QWidget* on, ui::MainWindow* main) {
        const int roll = pick(100);
        if (roll < 30) {
            clickButton(on);
        } else if (roll < 52) {
            hover(on);
        } else if (roll < 60) {
            clickAnywhere(on);
        } else if (roll < 68) {
            pressKey(on);
        } else if (roll < 78) {
            type(on);
        } else if (roll < 88) {
            if (main) passTime(main);
        } else if (roll < 94) {
            if (on == main) useMenu(main);
        } else if (roll < 97) {
            note(QStringLiteral("close box of %1").arg(describe(on)));
            on->close();
        } else {
            nudge();
        }
    }

    void clickButton(QWidget* on) {
        QAbstractButton* button = pickOf(usable<QAbstractButton>(on));
        if (!button) return hover(on);
        note(QStringLiteral("click %1").arg(describe(button)));
        QTest::mouseClick(button, Qt::LeftButton, {}, somewhereIn(button, pick(1000), pick(1000)));
    }

    void clickAnywhere(QWidget* on) {
        QList<QWidget*> all = usable<QWidget>(on);
        all.append(on);
        QWidget* w = pickOf(all);
        const QPoint at = somewhereIn(w, pick(1000), pick(1000));
        note(QStringLiteral("click %1 at %2,%3").arg(describe(w)).arg(at.x()).arg(at.y()));
        QTest::mouseClick(w, Qt::LeftButton, {}, at);
    }

    void hover(QWidget* on) {
        QList<QWidget*> all = usable<QWidget>(on);
        all.append(on);
        QWidget* w = pickOf(all);
        const QPoint at = somewhereIn(w, pick(1000), pick(1000));
        note(QStringLiteral("move over %1 at %2,%3").arg(describe(w)).arg(at.x()).arg(at.y()));
        QTest::mouseMove(w, at);
    }

    void pressKey(QWidget* on) {
        const Qt::Key key = oneOf(kKeys);
        QWidget* focus = on->focusWidget() ? on->focusWidget() : on;
        note(QStringLiteral("key %1 on %2").arg(QKeySequence(key).toString(), describe(focus)));
        QTest::keyClick(focus, key);
    }

    void type(QWidget* on) {
        QList<QLineEdit*> boxes;
        for (QLineEdit* edit : usable<QLineEdit>(on))
            if (!edit->isReadOnly()) boxes.append(edit);
        QLineEdit* edit = pickOf(boxes);
        if (!edit) return pressKey(on);
        const QString text = QString::fromUtf8(oneOf(kTexts));
        note(QStringLiteral("type \"%1\" into %2").arg(text, describe(edit)));
        edit->setFocus();
        if (pick(2)) QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);  // replace it all
        // Typed one key at a time, as a keyboard would; QTest's own typing takes Latin-1 only.
        for (const QChar ch : text) {
            QTest::sendKeyEvent(QTest::Press, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
        if (pick(3) == 0) QTest::keyClick(edit, Qt::Key_Return);
    }

    void passTime(ui::MainWindow* main) {
        const std::int64_t ms = oneOf(kTimeSteps);
        note(QStringLiteral("%1 ms of game time").arg(ms));
        main->advanceTime(ms);
    }

    void useMenu(ui::MainWindow* main) {
        QList<QAction*> items;
        for (QAction* action : main->findChildren<QAction*>())
            if (!action->objectName().isEmpty() && action->isEnabled() && !action->menu() &&
                !action->isSeparator())
                items.append(action);
        QAction* item = pickOf(items);
        if (!item) return;
        note(QStringLiteral("menu %1").arg(item->objectName()));
        item->trigger();
    }

    /// States a long game can reach, to bring the limits into play: near death, rich or broke,
    /// counters near the top of their range, a virus about to strike.
    void nudge() {
        GameState& s = m_app->game().state;
        switch (pick(9)) {
            case 0:
                note(QStringLiteral("nudge: nearly starved"));
                s.lblHungry = "-28";
                break;
            case 1:
                note(QStringLiteral("nudge: nearly bored to death"));
                s.lblHappyness = "-38";
                break;
            case 2:
                note(QStringLiteral("nudge: rich"));
                s.lblMoney = "40000";
                break;
            case 3:
                note(QStringLiteral("nudge: broke"));
                s.lblMoney = pick(2) ? "0" : "-50";
                break;
            case 4:
                note(QStringLiteral("nudge: bank account near the top"));
                s.BankBalance = static_cast<std::int16_t>(32700 + pick(68));
                break;
            case 5:
                note(QStringLiteral("nudge: many fish caught"));
                s.FishTotal = static_cast<std::int16_t>(32700 + pick(68));
                break;
            case 6:
                note(QStringLiteral("nudge: many bait packs"));
                s.BaitPacks = static_cast<std::int16_t>(32700 + pick(68));
                break;
            case 7:
                note(QStringLiteral("nudge: virus counter at 9"));
                s.lblVir = "9";
                break;
            default:
                note(QStringLiteral("nudge: a course about to promote"));
                s.lblCom = "9";
                s.lblCCost = "8";
                s.lblCComputer = "Курсы";
                break;
        }
        m_previous = Counters::of(s);
        m_app->navigator().refresh();
    }

    std::uint32_t m_seed;
    int m_steps;
    std::mt19937 m_pick;
    SeededRandom m_random;
    testing::FakeClock m_clock;
    ScratchFiles m_files;
    std::unique_ptr<ui::Application> m_app;
    QObject m_context;
    QEventLoop m_loop;
    QElapsedTimer m_clockOn;
    std::vector<LadderField> m_ladders;
    Counters m_previous{};
    std::deque<std::string> m_recent;
    std::set<std::string> m_windowsSeen;
    std::string m_failure;
    int m_step = 0;
    int m_deepestModal = 0;
    int m_deaths = 0;
    int m_restarts = 0;
    int m_windingDown = 0;
    bool m_quitAsked = false;
    bool m_finished = false;
    bool m_trace = false;
};

}  // namespace

/// The real windows with the real message boxes, on a fixed clock and seeded chance.
struct RealBoxesGame {
    testing::FakeClock clock;
    SeededRandom random{1};
    std::mt19937 pick{1};
    ScratchFiles files{pick};
    bool quit = false;
    ui::Application app{
        ui::ApplicationPorts{nullptr, &clock, &random, &files, [this] { quit = true; }}};

    RealBoxesGame() {
        app.start();
        QTest::mouseClick(app.navigator().dialog("frmFirst")->findChild<QAbstractButton*>("cmdOK"),
                          Qt::LeftButton);
    }
    ui::MainWindow* main() { return app.navigator().mainWindow(); }
    /// The open message box on top, if any.
    static QMessageBox* box() {
        if (auto* top = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) return top;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* b = qobject_cast<QMessageBox*>(w); b && b->isVisible()) return b;
        return nullptr;
    }
    /// Notes the open box's title and presses `button` on it.
    void answer(QMessageBox::StandardButton button, QStringList& titles) {
        QMessageBox* open = box();
        QVERIFY(open);
        titles << open->windowTitle();
        QTest::mouseClick(open->button(button), Qt::LeftButton);
    }
    /// Starves to death on the next life tick, answering the death box.
    void starveNow(QStringList& titles) {
        app.game().state.lblHungry = "-40";
        QObject context;
        QTimer::singleShot(0, &context, [this, &titles] { answer(QMessageBox::Ok, titles); });
        main()->advanceTime(kLifeTickInterval);
    }
    void expectStartWindowOnly() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!main());
        QVERIFY(app.navigator().dialog("frmFirst"));
        QVERIFY(app.navigator().dialog("frmFirst")->isVisible());
        QCOMPARE(app.navigator().modalDepth(), 0);
    }
};

QtMessageHandler g_testLog = nullptr;

/// The offscreen platform says on every window that it cannot raise or resize it; that is noise.
void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support"))) return;
    g_testLog(type, context, text);
}

class MonkeyTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { g_testLog = qInstallMessageHandler(quietOffscreen); }

    // Found by the monkey: dying while a window's handler waits on a box deleted
    // the window (and the box, its child) under the handler. The box now stays
    // until it is answered, and the window goes once its handler has returned.
    void deathWhileAPlaceWaitsOnItsBox() {
        RealBoxesGame g;
        g.app.game().state.lblMoney = "0";
        QStringList titles;
        QObject context;
        QTimer::singleShot(0, &context, [&] {
            QTimer::singleShot(0, &context, [&] {
                titles << RealBoxesGame::box()->windowTitle();
                g.starveNow(titles);
                QTimer::singleShot(0, &context, [&] { g.answer(QMessageBox::Ok, titles); });
            });
            QTest::mouseClick(
                g.app.navigator().dialog("frmShop")->findChild<QAbstractButton*>("cmdBuyBrakfast"),
                Qt::LeftButton);
        });
        g.app.navigator().show("frmShop", Modality::Modal);
        QCOMPARE(titles, QStringList({"Внимание", "+СМЕРТЬ+", "Внимание"}));
        QVERIFY(!RealBoxesGame::box());
        g.expectStartWindowOnly();
        QVERIFY(!g.app.navigator().dialog("frmShop"));
    }

    void deathWhileTheMainWindowAsksToExit() {
        RealBoxesGame g;
        QStringList titles;
        QObject context;
        QTimer::singleShot(0, &context, [&] {
            titles << RealBoxesGame::box()->windowTitle();
            g.starveNow(titles);
            QTimer::singleShot(0, &context, [&] { g.answer(QMessageBox::No, titles); });
        });
        g.main()->findChild<QAction*>(QStringLiteral("Exit"))->trigger();
        QCOMPARE(titles, QStringList({"Подтвердите", "+СМЕРТЬ+", "Подтвердите"}));
        QVERIFY(!RealBoxesGame::box());
        g.expectStartWindowOnly();
        QVERIFY(!g.quit);
    }

    void playsEveryWindowWithoutBreakingTheGame() {
        std::vector<std::uint32_t> seeds(std::begin(kDefaultSeeds), std::end(kDefaultSeeds));
        if (qEnvironmentVariableIsSet("BRANKOR_MONKEY_SEED"))
            seeds = {
                static_cast<std::uint32_t>(qEnvironmentVariableIntValue("BRANKOR_MONKEY_SEED"))};
        const int steps = qEnvironmentVariableIsSet("BRANKOR_MONKEY_STEPS")
                              ? qEnvironmentVariableIntValue("BRANKOR_MONKEY_STEPS")
                              : kDefaultSteps;
        for (const std::uint32_t seed : seeds) {
            std::printf("monkey: seed %u, %d steps (replay with BRANKOR_MONKEY_SEED=%u)\n", seed,
                        steps, seed);
            std::fflush(stdout);
            Monkey monkey(seed, steps);
            const std::string failure = monkey.run();
            QVERIFY2(failure.empty(), ("seed " + std::to_string(seed) + ": " + failure).c_str());
            std::string seen;
            for (const std::string& w : monkey.windowsSeen()) seen += " " + w;
            std::printf(
                "  %d steps; windows shown:%s; deepest modal nesting %d; deaths %d; "
                "program restarts %d\n",
                monkey.stepsTaken(), seen.c_str(), monkey.deepestModal(), monkey.deaths(),
                monkey.restarts());
        }
    }
};

int main(int argc, char** argv) {
    std::signal(SIGSEGV, onCrash);
    std::signal(SIGABRT, onCrash);
    std::signal(SIGFPE, onCrash);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ui::Application::installTranslations();
    ui::Application::applyStyle();
    MonkeyTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "monkey_test.moc"
