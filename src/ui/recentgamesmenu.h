#pragma once
// "Недавние игры": the saved games last saved or loaded, newest first. Choosing one loads it as
// "Загрузить игру" loads the file chosen in its dialog; a file that has gone since leaves the
// list, and a box says so.
#include <QMenu>
#include <functional>

namespace brankor {
class Game;
}

namespace brankor::ui {

class RecentGamesMenu : public QMenu {
    Q_OBJECT
  public:
    /// Runs a rule of the main window and shows its outcome.
    using Act = std::function<void(const std::function<void()>&)>;
    RecentGamesMenu(Game& game, Act act, QWidget* parent);

    /// Lists the recent games as they stand now (opening the menu does it too).
    void refill();

  private:
    void open(const QString& path);

    Game& m_game;
    Act m_act;
};

}  // namespace brankor::ui
