#include "game/savegame/moneycode.h"

#include <algorithm>

#include "framework/number.h"

namespace brankor {
namespace {

/// The letter of each digit, "0" to "9".
constexpr std::string_view kLetters = "jabcdefghi";

constexpr double kMostMoneyLoaded = 32000;
constexpr const char* kMoneyAboveMost = "31001";

}  // namespace

std::optional<std::string> encodeMoney(std::string_view money) {
    std::string code;
    for (const char c : money) {
        if (c < '0' || c > '9') return std::nullopt;
        code += kLetters[static_cast<std::size_t>(c - '0')];
    }
    return code;
}

std::string decodeMoney(std::string_view code) {
    std::string money;
    for (const char c : code) {
        const std::size_t digit = kLetters.find(c);
        if (digit != std::string_view::npos) money += static_cast<char>('0' + digit);
    }
    return money;
}

std::string loadedMoney(std::string_view code) {
    std::string money = decodeMoney(code);
    // Digits only: more than five of them after the leading zeros is above the cap even where
    // the number is too long to read.
    const std::size_t significant =
        money.size() - std::min(money.find_first_not_of('0'), money.size());
    if (significant > 5 || readNumber(money) > kMostMoneyLoaded) return kMoneyAboveMost;
    return money;
}

}  // namespace brankor
