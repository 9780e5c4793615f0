#pragma once
// The main window: the status panel, the welcome text, the row of picture buttons, the menus,
// and the two timers that make time pass.
#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <optional>

#include "framework/pauseclock.h"
#include "framework/tickschedule.h"
#include "game/game.h"
#include "unloadguard.h"

class QLabel;
class QAction;
class QToolButton;

namespace brankor::ui {

class CareerWindow;
class DiaryWindow;
class Navigator;
class StatusPanel;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow(Game& game, Navigator& navigator);
    ~MainWindow() override;

    /// Shows the game state.
    void syncPanel();
    /// Closes the window if the rules allow it; true when it closed.
    bool tryClose();
    /// Stops both timers for good (the game is over).
    void stopTime();
    /// Deletes the window once none of its handlers (menus, buttons, ticks) is running any more.
    void unload() { m_unload.unload(); }
    /// Keeps the window from being deleted while a dialog that belongs to it is open.
    UnloadGuard& unloadGuard() { return m_unload; }

    /// Runs whatever clock and life ticks are due now (the timers call this).
    void runDueTicks();
    /// Milliseconds since the window was created, as the timers count them.
    std::int64_t elapsed() const;
    /// For tests and the endurance run: pretends `ms` more milliseconds have passed.
    void advanceTime(std::int64_t ms);
    std::int64_t clockTicks() const { return m_clock.ticks(); }
    /// "Дневник": opens the diary window, or raises it when it is open already.
    void openDiary();
    DiaryWindow* diary() const;
    /// "Карьера": opens the career guide, or raises it when it is open already.
    void openCareer();
    CareerWindow* career() const;
    std::int64_t lifeTicks() const { return m_life.ticks(); }
    /// "Пауза": game time, the place windows' timers and all play stand still until resumed.
    void setPaused(bool paused);
    bool paused() const { return m_pause.paused(); }
    /// The one timer that wakes the window for its next due tick.
    const QTimer& tickTimer() const { return m_timer; }

  signals:
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;
    /// Arrows move along the row of picture buttons; Enter presses the one focused, as Space does.
    bool eventFilter(QObject* watched, QEvent* event) override;
    /// Minimized with "Пауза, когда окно свёрнуто" checked, the game pauses until restored.
    void changeEvent(QEvent* event) override;

  private:
    void buildMenus();
    QWidget* buildPlaceButtons();
    void armTimer();
    /// "Восстановить игру" is enabled exactly while there is a recovery save.
    void followRecovery();
    /// Runs a rule of the main window and shows its outcome.
    void act(const std::function<void()>& rule);
    /// The pause keys pressed in a place window, which keeps the main window's shortcuts away.
    bool pauseKey(QEvent* event);
    void showPaused();
    /// Keeps the window's place and size for the next run.
    void rememberGeometry();

    Game& m_game;
    Navigator& m_navigator;
    StatusPanel* m_panel = nullptr;
    QLabel* m_help = nullptr;
    QAction* m_restore = nullptr;
    QAction* m_pauseItem = nullptr;
    QAction* m_pauseWhenMinimized = nullptr;
    QList<QAction*> m_playItems;  ///< menu items that start play, off while paused
    bool m_autoPaused = false;    ///< paused by minimizing, so restoring resumes
    QList<QToolButton*> m_placeButtons;
    QElapsedTimer m_started;
    std::int64_t m_skew = 0;
    PauseClock m_pause;
    Ticker m_clock;
    Ticker m_life;
    std::int64_t m_recoveryFollowedAt = -1;  ///< the clock's tick at the last look for the save
    std::optional<GameState> m_shownState;   ///< the state the panel and the title last showed
    bool m_shownPaused = false;
    QTimer m_timer;
    bool m_closed = false;
    QPointer<CareerWindow> m_career;  ///< open while the player looks at it, deleted when closed
    QPointer<DiaryWindow> m_diary;    ///< open while the player looks at it, deleted when closed
    UnloadGuard m_unload{*this};
};

}  // namespace brankor::ui
