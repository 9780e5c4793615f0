#pragma once
// The software shop: fifteen programs in four groups, each installed only on a computer that
// meets its requirements, and a paid virus check once an antivirus is installed.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "computershop.h"
#include "game/gamestate.h"
#include "game/requirement.h"

namespace brankor {

struct Program {
    /// What else an installation does.
    enum class Bonus { None, Virus, Mood };

    std::string_view button;
    std::string_view caption;  ///< the button's caption
    std::string_view stored;   ///< what the program's field holds once it is installed
    int price;
    std::string GameState::*field;
    std::vector<Requirement> requirements;
    Bonus bonus;
    std::string_view installed;  ///< the text of the "Установлен" box
    /// The offer's description: first part, the name of the disk `hoverDisk`, second part.
    std::string_view hoverFirst;
    int hoverDisk;
    std::string_view hoverSecond;
};

/// The programs: systems, languages, graphics editors, antiviruses, lowest first in each.
std::span<const Program> programs();

/// What the offer panel describes while the program's button is hovered.
std::string description(const Program& program);

class FrmPrograms : public ComputerShop {
  public:
    explicit FrmPrograms(Game& game);
    void onLoad() override;
    void onMouseMove(const std::string& control) override;
    void onClick(const std::string& control) override;

  private:
    void install(const Program& program);
    void checkForViruses();
};

}  // namespace brankor
