#pragma once
// A window of this game: a place that reads and changes the game it belongs to.
#include <string>

#include "framework/place.h"
#include "game/game.h"

namespace brankor {

class GamePlace : public Place {
  public:
    GamePlace(Game& g, std::string name, std::string caption)
        : Place(g.windows(), std::move(name), std::move(caption)), game(g) {}

  protected:
    Game& game;
    GameState& state() { return game.state; }
};

}  // namespace brankor
