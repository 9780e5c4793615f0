#pragma once
// The main window's row of picture buttons: which place each opens, and how.
#include <span>
#include <string_view>

#include "game/game.h"

namespace brankor {

struct PlaceButton {
    std::string_view button;   ///< control name on the main window
    std::string_view caption;  ///< tooltip and accessible name
    std::string_view window;   ///< the place window it opens
    Modality modality;
    std::string_view picture;  ///< artwork name
};

/// The eleven picture buttons, left to right.
std::span<const PlaceButton> placeButtons();

/// The player clicked a picture button of the main window. The hacking button admits only a
/// hacker or better; the bank button first takes the player there, by car or by taxi.
void openPlace(Game& game, std::string_view button);

}  // namespace brankor
