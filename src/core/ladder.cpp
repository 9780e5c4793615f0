#include "ladder.h"

#include <algorithm>
#include <array>

namespace brankor {

std::optional<std::size_t> Ladder::indexOf(std::string_view text) const {
    const auto it = std::find(m_rungs.begin(), m_rungs.end(), text);
    if (it == m_rungs.end()) return std::nullopt;
    return static_cast<std::size_t>(it - m_rungs.begin());
}

bool Ladder::atLeast(std::string_view text, std::string_view x) const {
    const auto bar = indexOf(x);
    const auto here = indexOf(text);
    if (!bar || !here) return true;
    return *here >= *bar;
}

namespace {

constexpr std::array<std::string_view, 9> kStatus = {
    "Чайник", "Любитель",      "Новичок",      "Программист",       "Почти хакер",
    "Хакер",  "Администратор", "Профессионал", "Сверх профессионал"};
constexpr std::array<std::string_view, 9> kEnglish = {"Не знаю",   "1 уровень", "2 уровень",
                                                      "3 уровень", "4 уровень", "5 уровень",
                                                      "6 уровень", "7 уровень", "8 уровень"};
constexpr std::array<std::string_view, 5> kEducation = {"Начальное", "Неполное среднее", "Среднее",
                                                        "Неполное высшее", "Высшее"};

constexpr std::array<Promotion, 8> kStatusPromotions = {{
    {"Чайник", "10", "Любитель", "Вы Любитель", "Ваш статус стал теперь любитель."},
    {"Любитель", "16", "Новичок", "Вы Новичок", "Ваш статус стал теперь новичок."},
    {"Новичок", "22", "Программист", "Вы Программист", "Ваш статус стал теперь программист."},
    {"Программист", "28", "Почти хакер", "Вы Почти Хакер", "Ваш статус стал теперь почти хакер."},
    {"Почти хакер", "36", "Хакер", "Вы Хакер", "Ваш статус стал теперь хакер. "},
    {"Хакер", "46", "Администратор", "Вы Администратор", "Ваш статус стал теперь администратор. "},
    {"Администратор", "54", "Профессионал", "Вы Профессионал",
     "Ваш статус стал теперь профессионал. "},
    {"Профессионал", "60", "Сверх профессионал", "Вы Сверх профессионал",
     "Ваш статус стал теперь сверх профессионал. "},
}};

constexpr std::array<Promotion, 8> kEnglishPromotions = {{
    {"Не знаю", "12", "1 уровень", "Вы на 1 Уровене", "Вы перешли на 1 уровень. "},
    {"1 уровень", "18", "2 уровень", "Вы на 2 Уровене", "Вы перешли на 2 уровень. "},
    {"2 уровень", "22", "3 уровень", "Вы на 3 Уровене", "Вы перешли на 3 уровень. "},
    {"3 уровень", "30", "4 уровень", "Вы на 4 Уровене", "Вы перешли на 4 уровень. "},
    {"4 уровень", "38", "5 уровень", "Вы на 5 Уровене", "Вы перешли на 5 уровень. "},
    {"5 уровень", "48", "6 уровень", "Вы на 6 Уровене", "Вы перешли на 6 уровень. "},
    {"6 уровень", "56", "7 уровень", "Вы на 7 Уровене", "Вы перешли на 7 уровень. "},
    {"7 уровень", "62", "8 уровень", "Вы на 8 Уровене", "Вы перешли на 8 уровень. "},
}};

constexpr std::array<Promotion, 4> kEducationPromotions = {{
    {"Начальное", "10", "Неполное среднее", "Образование Неполное среднее",
     "Ваше образование теперь неполное среднее. "},
    {"Неполное среднее", "14", "Среднее", "Образование Среднее",
     "Ваше образование теперь среднее. "},
    {"Среднее", "22", "Неполное высшее", "Образование Неполное высшее",
     "Ваше образование теперь неполное высшее. "},
    {"Неполное высшее", "28", "Высшее", "Образование Высшее", "Ваше образование теперь высшее. "},
}};

}  // namespace

const Ladder& statusLadder() {
    static const Ladder ladder{kStatus};
    return ladder;
}
const Ladder& englishLadder() {
    static const Ladder ladder{kEnglish};
    return ladder;
}
const Ladder& educationLadder() {
    static const Ladder ladder{kEducation};
    return ladder;
}
std::span<const Promotion> statusPromotions() {
    return kStatusPromotions;
}
std::span<const Promotion> englishPromotions() {
    return kEnglishPromotions;
}
std::span<const Promotion> educationPromotions() {
    return kEducationPromotions;
}

}  // namespace brankor
