#pragma once
// Every place window of the game: how to make its rules and how to lay out its form.
#include <map>
#include <memory>
#include <string>

#include "game/game.h"
#include "placedialog.h"

namespace brankor::ui {

struct PlaceKind {
    std::function<std::unique_ptr<Place>(Game&)> make;
    PlaceDialog::SetupUi setupUi;
};

/// A place whose form comes from a Qt Designer file (`Form` is its generated Ui class).
template <class Rules, class Form>
PlaceKind designedPlace() {
    return {[](Game& game) { return std::make_unique<Rules>(game); },
            [](QDialog& dialog) {
                Form form;
                form.setupUi(&dialog);
            }};
}

/// The windows of this build, by name.
const std::map<std::string, PlaceKind>& placeKinds();

}  // namespace brankor::ui
