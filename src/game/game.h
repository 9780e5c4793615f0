#pragma once
// The game state together with the platform it runs on. One Game lives for the whole run.
#include "framework/ports.h"
#include "game/diary.h"
#include "game/gamestate.h"

namespace brankor {

class RecoveryFile;

struct Platform {
    MessageBoxes& messages;
    Windows& windows;
    SystemClock& clock;
    Random& random;
    FileDialogs& files;
};

class Game {
  public:
    explicit Game(Platform platform) : m_platform(platform) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    GameState state;
    /// What happened in this run, for the diary window; the rules write it as things happen.
    Diary diary;

    MessageBoxes& messages() { return m_platform.messages; }
    Windows& windows() { return m_platform.windows; }
    SystemClock& clock() { return m_platform.clock; }
    Random& random() { return m_platform.random; }
    FileDialogs& files() { return m_platform.files; }
    /// Where the recovery save goes; nullptr when this run keeps none.
    RecoveryFile* recovery() { return m_recovery; }
    void setRecovery(RecoveryFile* file) { m_recovery = file; }

    /// Shorthands for the message boxes the game shows.
    void tell(std::string title, std::string text, Icon icon = Icon::Exclamation);
    bool ask(std::string title, std::string text);
    /// Writes an event that happens now into the diary.
    void remember(DiaryEventKind kind, std::string text) {
        diary.note(state, kind, std::move(text));
    }

  private:
    Platform m_platform;
    RecoveryFile* m_recovery = nullptr;
};

}  // namespace brankor
