#include "antivirus.h"

#include <algorithm>
#include <array>

namespace brankor {
namespace {

constexpr std::string_view kBuyBetter = "Надо было покупать хороший антивирус.";

constexpr std::array<Antivirus, 2> kAntiviruses = {{
    {"Касперского", 5, kBuyBetter,
     "К сожалению, антивирус Касперского не смог уничтожить этот вирус. Возможно в скором времени "
     "он поразит ваш компьютер.",
     [](int d) { return d < 8; }, "Ураааааааааааааааа. Вирус убит.", kBuyBetter,
     "К сожалению антивирус Касперского не смог уничтожить этот вирус."},
    {"IVP 100", 10, "Не могу убить!",
     "К сожалению, антивирус IVP 100 не смог уничтожить этот вирус. Возможно в скором времени он "
     "поразит ваш компьютер.",
     [](int d) { return d != 15; }, "Ура. Вирус убит.", "Не могу убить!",
     "К сожалению антивирус IVP 100 не смог уничтожить этот вирус."},
}};

}  // namespace

const Antivirus* antivirusNamed(std::string_view installed) {
    const auto it = std::find_if(kAntiviruses.begin(), kAntiviruses.end(),
                                 [installed](const Antivirus& a) { return a.name == installed; });
    return it == kAntiviruses.end() ? nullptr : &*it;
}

}  // namespace brankor
