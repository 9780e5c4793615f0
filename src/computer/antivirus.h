#pragma once
// The two antiviruses the software shop sells: what each kills when the player checks the
// computer in the shop, and how each fares in a fight with a virus that has broken out.
#include <string_view>

namespace brankor {

struct Antivirus {
    std::string_view name;  ///< as the software field holds it
    /// The shop's check kills a virus counter up to this; above it, the check's box.
    int checkLimit;
    std::string_view checkFailedTitle;
    std::string_view checkFailedText;
    /// A fight is won against every amount of damage this accepts.
    bool (*winsFight)(int damage);
    std::string_view fightWonTitle;
    std::string_view fightLostTitle;
    std::string_view fightLostText;
};

/// The antivirus of that name, or nothing for "Пока нет" and any other text.
const Antivirus* antivirusNamed(std::string_view installed);

}  // namespace brankor
