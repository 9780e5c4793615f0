#include "game/game.h"

namespace brankor {

void Game::tell(std::string title, std::string text, Icon icon) {
    messages().show({std::move(title), std::move(text), icon, Buttons::Ok});
}

bool Game::ask(std::string title, std::string text) {
    return messages().show({std::move(title), std::move(text), Icon::Question, Buttons::YesNo}) ==
           Answer::Yes;
}

}  // namespace brankor
