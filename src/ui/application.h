#pragma once
// One run of the game: the platform, the game state and the windows, started at the start-up
// window.
#include <memory>

#include "game/game.h"
#include "navigator.h"
#include "qtports.h"
#include "qtrecoveryfile.h"

namespace brankor::ui {

struct ApplicationPorts {
    MessageBoxes* messages = nullptr;  ///< nullptr: real message boxes
    SystemClock* clock = nullptr;      ///< nullptr: the computer's clock
    Random* random = nullptr;          ///< nullptr: a generator seeded from the clock
    FileDialogs* files = nullptr;      ///< nullptr: the platform's file dialogs
    std::function<void()> quit;        ///< empty: leave the Qt event loop
    RecoveryFile* recovery = nullptr;  ///< nullptr: recovery.brk in the data folder
};

class Application {
  public:
    explicit Application(ApplicationPorts ports = {});
    ~Application();

    /// Shows the start-up window.
    void start();
    /// Starts the game with the saved game at `path` loaded, as the menu loads one; a file that
    /// cannot be loaded shows its box, then the start-up window.
    void open(const std::string& path);
    Game& game() { return *m_game; }
    Navigator& navigator() { return m_navigator; }

    /// What the game settles before the Qt application exists: how its windows reach the screen.
    static void prepareQt();
    /// Everything the game sets on the Qt application before its first window: name, desktop
    /// entry, Russian standard buttons, the look; windows close only by the game's own rules.
    static void setUpQt();
    /// The look of the game: fonts, colours and spacing for every window.
    static void applyStyle();
    /// Loads Qt's own Russian texts for standard buttons ("Да", "Нет").
    static void installTranslations();

  private:
    /// Every way out but a death saves the game in play first.
    void saveBeforeLeaving();

    QtRecoveryFile m_recovery;  // outlives the game, so the last write completes
    Navigator m_navigator;
    QtMessageBoxes m_messages;
    QtSystemClock m_clock;
    QtRandom m_random;
    QtFileDialogs m_files;
    std::unique_ptr<Game> m_game;
};

}  // namespace brankor::ui
