#pragma once
// The help window with its four texts, and the help menu's commands.
#include <string>
#include <string_view>

#include "game/gameplace.h"

namespace brankor {

class FrmHelp : public GamePlace {
  public:
    explicit FrmHelp(Game& game);
    void onClick(const std::string& control) override;
    /// Shows the text box `textBox` ("txtMainWindow", "txtSmallHelp", "txtPoboch",
    /// "txtChanges") and hides the other three.
    void showText(std::string_view textBox);
};

/// "Подробная справка": the help window on the main window's description, modal.
void menuBigHelp(Game& game);

/// "Короткая справка": the help window on the short description, modal.
void menuSmallHelp(Game& game);

/// "О программе": the start-up window shown as the about box, modal.
void menuAbout(Game& game);

}  // namespace brankor
