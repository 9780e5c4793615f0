#pragma once
// The start-up window (also the about box) and the end window.
#include "game/gameplace.h"

namespace brankor {

/// Contact details shown in the start-up and end windows.
inline constexpr const char* kContactEmail = "brankor.game@example.org";
inline constexpr const char* kContactUrl = "https://brankor.example.org";

class FrmFirst : public GamePlace {
  public:
    explicit FrmFirst(Game& game);
    void onClick(const std::string& control) override;
    /// The close box: the about box just closes; with a game waiting behind the window the
    /// player goes back to it; otherwise it asks, as "Выход" does.
    bool onQueryClose() override;
    /// Turns the window into the about box: only `cmdOkAbout` is shown.
    void showAsAbout();

  private:
    bool m_about = false;
};

class FrmTheEnd : public GamePlace {
  public:
    explicit FrmTheEnd(Game& game);
    void onLoad() override;
    void onClick(const std::string& control) override;
};

}  // namespace brankor
