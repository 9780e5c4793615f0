// Endurance: a seeded "monkey" plays every window, the real boxes and file dialogs among them,
// and checks the game after every step. BRANKOR_MONKEY_SEED and _STEPS replay a seed.
#include <QtWidgets>
#include <random>

#include "game/ladders.h"
#include "life/flat.h"
#include "life/shop.h"
#include "uitestsupport.h"

using namespace brankor;

namespace {

constexpr int kMaxModalDepth = 4;  // a place, a window it opens, the virus window, one to spare
const QStringList kTexts =
    QStringLiteral("|0|5|-5|170|32767|32768|-32768|1e5|2,5|abc|деньги|99999999999999999999")
        .split('|');
const Qt::Key kKeys[] = {Qt::Key_Return,  Qt::Key_Space, Qt::Key_Escape,   Qt::Key_Tab,
                         Qt::Key_Backtab, Qt::Key_Down,  Qt::Key_Left,     Qt::Key_Right,
                         Qt::Key_A,       Qt::Key_5,     Qt::Key_Backspace};
/// Game time in one step: an hour (1500 ms), six hours, a life tick, two, a week of them.
const std::int64_t kTimeSteps[] = {1500, 1500, 9000, 18000, 36000, 36000, 7 * 36000};
/// The 16-bit counters: none may go below zero, which is also where a wrap past 32767 lands.
std::int16_t GameState::*const kCounters[] = {&GameState::BankBalance, &GameState::BaitPacks,
                                              &GameState::FishTotal, &GameState::CarIndex,
                                              &GameState::VinchesterIndex};
const std::pair<std::string GameState::*, const Ladder& (*)()> kLadders[] = {
    {&GameState::lblStatus, statusLadder},
    {&GameState::lblEnglish, englishLadder},
    {&GameState::lblEduncation, educationLadder},
    {&GameState::lblClothes, clothesLadder},
    {&GameState::lblSystem, systems},
    {&GameState::lblProgram, languages},
    {&GameState::lblGraph, editors},
    {&GameState::lblAntvirus, antiviruses}};

/// Plays one seed. The game's chance draws from the same seed, so a run replays.
class Monkey : public Random {
  public:
    Monkey(std::uint32_t seed, int steps) : m_steps(steps), m_pick(seed) {}
    void randomize() override {}
    double rnd() override { return std::uniform_real_distribution<double>(0, 1)(m_pick); }
    void run() {
        startApplication();
        QTimer::singleShot(0, &m_context, [this] { step(); });
        m_loop.exec();
    }
    std::string failure;
    int taken = 0;

  private:
    int pick(qsizetype n) { return static_cast<int>(m_pick() % std::max<qsizetype>(n, 1)); }
    template <class T>
    T* pickOf(const QList<T*>& list) {
        return list.value(pick(list.size()));
    }
    QAction* menuItem(ui::MainWindow& main) {
        QList<QAction*> items = main.findChildren<QAction*>(QRegularExpression("."));
        items.removeIf([](QAction* a) { return !a->isEnabled() || a->menu() || a->isSeparator(); });
        return pickOf(items);
    }
    bool over() const { return !failure.empty() || taken >= m_steps || m_deadline.hasExpired(); }
    void expect(bool holds, std::string_view what, const std::string& value) {
        if (!holds && failure.empty())
            failure = "step " + std::to_string(taken) + ": " + std::string(what) + " = " + value;
    }

    void startApplication() {
        m_quitAsked = false;
        m_app.reset();
        m_app = std::make_unique<ui::Application>(
            ui::ApplicationPorts{nullptr, &m_clock, this, nullptr, [this] { m_quitAsked = true; }});
        m_app->start();
    }

    /// The invariants that must hold whatever the player did.
    void check() {
        const GameState& s = m_app->game().state;
        const int depth = m_app->navigator().modalDepth();
        expect(depth <= kMaxModalDepth, "the modal depth", std::to_string(depth));
        for (auto counter : kCounters)
            expect(s.*counter >= 0, "a 16-bit counter", std::to_string(s.*counter));
        // Before the first game starts the state holds the main window's design-time texts.
        if (!m_app->navigator().mainWindow()) return;
        const auto named = [&](int i, const auto& names, const std::string& shown) {
            expect(i >= 0 && i < std::ssize(names) && names[i] == shown,
                   "the name of car or disk " + std::to_string(i), shown);
        };
        named(s.CarIndex, CarNames, s.lblCar);
        named(s.VinchesterIndex, VinchesterNames, s.lblVinchester);
        for (const auto& [field, ladder] : kLadders)
            expect(ladder().contains(s.*field), "a rung of a ladder", s.*field);
        for (const Component& part : components())
            expect(part.models.contains(s.*part.field), part.button, s.*part.field);
        for (const HomeLadder& home : homeLadders())
            expect(rungFrom(home.offers, s.*home.field).has_value(), home.button, s.*home.field);
        expect(s.lblVichod == kNothingOwned || s.lblVichod == "Есть", "lblVichod", s.lblVichod);
        if (Place* arcade = m_app->navigator().find("frmAr")) {
            // The ball flies diagonally at 100 twips a tick; the paddle only shrinks, 2 a tick.
            for (const std::string& velocity : {(*arcade)["T1"].text, (*arcade)["T2"].text})
                expect(velocity == "100" || velocity == "-100", "the ball's velocity", velocity);
            const int width = (*arcade)["C1"].geometry ? (*arcade)["C1"].geometry->width : 0;
            expect(width >= 300 && width <= 1080 && width % 2 == 0, "the paddle width",
                   std::to_string(width));
        }
    }

    /// Runs from a timer, so also inside a box the last step opened; checks what timers did too.
    void step() {
        check();
        if (m_quitAsked || over()) return windDown();
        ++taken;
        QTimer::singleShot(pick(40) == 0 ? 5 + pick(40) : 0, &m_context, [this] { step(); });
        act();
    }

    /// Closes whatever is open from the top down, then starts the program again after a quit.
    void windDown() {
        QWidget* modal = QApplication::activeModalWidget();
        const bool outermost = !modal && QThread::currentThread()->loopLevel() == 1;
        if (outermost && (!m_quitAsked || over())) return m_loop.quit();
        if (++m_windingDown > 500) qFatal("the windows would not close");
        QTimer::singleShot(0, &m_context, [this] { step(); });
        if (qobject_cast<QMessageBox*>(modal) || qobject_cast<QFileDialog*>(modal)) {
            modal->close();  // as the escape button: "No", the only button or "Cancel"
        } else if (!outermost) {
            m_app->navigator().closeAllPlaces();
        } else {
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
        if (auto* dialog = qobject_cast<QFileDialog*>(on)) {
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (!name || roll < 30) return QTest::keyClick(dialog, Qt::Key_Escape);
            name->setFocus();
            name->setText(m_dir.filePath(roll < 60 ? "a.brk" : roll < 90 ? "b.brk" : "c"));
            return QTest::keyClick(name, Qt::Key_Return);
        }
        if (qobject_cast<ui::PlaceDialog*>(on) && main && roll >= 97) {
            // In a hurry: leave a place by "<< Назад", Escape or the close box and, in the same
            // breath, choose a menu item of the main window.
            QAction* item = menuItem(*main);
            QPointer<QWidget> place = on;
            auto* back = on->findChild<QPushButton*>(QStringLiteral("cmdBack"));
            if (roll == 97 && back && back->isVisible()) QTest::mouseClick(back, Qt::LeftButton);
            if (roll == 98) QTest::keyClick(on, Qt::Key_Escape);
            if (roll == 99) on->close();
            return item && (!place || !place->isVisible()) ? item->trigger() : void();
        }
        if (on->windowType() == Qt::Popup || (box && roll < 92)) {
            if (box && roll < 80) return QTest::mouseClick(pickOf(box->buttons()), Qt::LeftButton);
            QTest::keyClick(on, box && roll % 2 ? Qt::Key_Return : Qt::Key_Escape);
        } else if (roll < 60) {  // a click on a button or anywhere, or the pointer over anything
            QWidgetList widgets = on->findChildren<QWidget*>();
            widgets.removeIf([&](QWidget* w) {
                return !w->isVisible() || !w->isEnabled() || qobject_cast<QMenuBar*>(w) ||
                       (roll < 30 && !qobject_cast<QAbstractButton*>(w));
            });
            QWidget* w = widgets.isEmpty() ? on : pickOf(widgets);
            const QPoint at(pick(w->width()), pick(w->height()));
            testing::pointAt(w, at);  // the pointer gets there before it clicks
            if (roll < 38 && m_desktop && pick(3) == 0) return realClicks(w->mapToGlobal(at));
            if (roll < 38) QTest::mouseClick(w, Qt::LeftButton, {}, at);
        } else if (roll < 68 && m_desktop && pick(4) == 0) {
            holdKey();
        } else if (roll < 68) {
            QTest::keyClick(on->focusWidget() ? on->focusWidget() : on,
                            kKeys[pick(std::size(kKeys))]);
        } else if (roll < 78) {
            QList<QLineEdit*> edits = on->findChildren<QLineEdit*>();
            edits.removeIf(
                [](auto* e) { return !e->isVisible() || !e->isEnabled() || e->isReadOnly(); });
            QLineEdit* edit = pickOf(edits);
            if (!edit) return;
            edit->setFocus();
            if (pick(2)) edit->clear();
            // Key by key: QTest's own typing takes Latin-1 only.
            for (const QChar ch : kTexts[pick(kTexts.size())])
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, ch, Qt::NoModifier);
        } else if (roll < 88 || box) {  // with a box open: a life tick while a handler waits
            if (main) main->advanceTime(kTimeSteps[pick(std::size(kTimeSteps))]);
        } else if (roll < 94) {
            if (QAction* item = on == main ? menuItem(*main) : nullptr) item->trigger();
        } else if (roll < 97) {
            on->close();
        } else {
            pushTheState(pick(6));
        }
    }

    /// On a desktop, part of the input goes through the X server as hands make it: clicks in
    /// quick runs (double-clicks among them), now and then with the right button.
    void realClicks(const QPoint& at) {
        QProcess::execute(QStringLiteral("xdotool"),
                          {"mousemove", QString::number(at.x()), QString::number(at.y()), "click",
                           "--repeat", QString::number(1 + pick(3)), "--delay",
                           QString::number(30 + pick(150)), pick(6) == 0 ? "3" : "1"});
    }
    /// A key held down long enough for the server to repeat it.
    void holdKey() {
        static const char* const keys[] = {"space", "Return", "Right", "Left", "Tab", "5", "a"};
        const QString key = QString::fromLatin1(keys[pick(std::size(keys))]);
        QProcess::execute(
            QStringLiteral("xdotool"),
            {"keydown", key, "sleep", QString::number(0.3 + pick(6) / 10.0), "keyup", key});
    }

    /// What a long game reaches: a counter near the top of its range, riches, a hacker (the
    /// hacking window opens), a complete connected computer (sites and viruses).
    void pushTheState(int which) {
        GameState& s = m_app->game().state;
        if (which < 3) s.*kCounters[which] = static_cast<std::int16_t>(32700 + pick(68));
        if (which == 3) s.lblMoney = "40000";
        if (which == 4) s.lblStatus = "Хакер";
        if (which != 5) return;
        for (const Component& part : components()) s.*part.field = part.models[1];
        setVinchester(s, 1);
        s.lblSystem = systems()[1];
        s.lblVichod = "Есть";
    }

    int m_steps;
    std::mt19937 m_pick;
    QTemporaryDir m_dir;
    testing::FakeClock m_clock;
    std::unique_ptr<ui::Application> m_app;
    QObject m_context;
    QEventLoop m_loop;
    QDeadlineTimer m_deadline{25'000};  // per seed
    int m_windingDown = 0;
    bool m_quitAsked = false;
    const bool m_desktop = qEnvironmentVariableIsSet("BRANKOR_MONKEY_DESKTOP");
};

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
  private slots:
    void playsEveryWindowWithoutBreakingTheGame() {
        ui::Application::installTranslations();
        // The offscreen platform's complaints on every window would use up the test's messages.
        static const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& at, const QString& text) {
                if (!text.startsWith("This plugin does not support")) previous(type, at, text);
            });
        if (qEnvironmentVariableIsSet("BRANKOR_MONKEY_DESKTOP"))
            QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
        const int only = qEnvironmentVariableIntValue("BRANKOR_MONKEY_SEED");
        const int steps = qEnvironmentVariableIntValue("BRANKOR_MONKEY_STEPS");
        for (const int seed : only ? QList<int>{only} : QList<int>{1, 2, 3}) {
            qInfo("monkey: seed %d", seed);  // named before it runs, in case it crashes
            Monkey monkey(static_cast<std::uint32_t>(seed), steps ? steps : 12000);
            monkey.run();
            QVERIFY2(monkey.failure.empty(), monkey.failure.c_str());
        }
    }
};

BRANKOR_WINDOW_TEST(MonkeyTest)
#include "monkey_test.moc"
