#include "framework/number.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace brankor {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Length of the numeric prefix starting at `pos` (sign, digits, optional fraction);
// 0 when no digit is found.
std::size_t numericPrefix(std::string_view text, std::size_t pos) {
    std::size_t i = pos;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        std::size_t j = i + 1;
        std::size_t fraction = 0;
        while (j < text.size() && isDigit(text[j])) ++j, ++fraction;
        if (digits + fraction > 0) {
            i = j;
            digits += fraction;
        }
    }
    return digits == 0 ? 0 : i - pos;
}

}  // namespace

double readNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos])) ++pos;
    const std::size_t length = numericPrefix(text, pos);
    if (length == 0) return 0.0;
    std::string_view number = text.substr(pos, length);
    if (number.front() == '+') number.remove_prefix(1);
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec != std::errc()) return 0.0;
    return value;
}

long long wholeNumber(std::string_view text) {
    const double value = std::floor(readNumber(text));
    constexpr double kMax = 9.0e18;
    if (value > kMax) return static_cast<long long>(kMax);
    if (value < -kMax) return static_cast<long long>(-kMax);
    return static_cast<long long>(value);
}

std::string writeNumber(double value) {
    if (value == 0.0) return "0";  // also turns -0 into "0"
    char buffer[64];
    if (std::trunc(value) == value && std::fabs(value) < 9.0e18) {
        std::snprintf(buffer, sizeof buffer, "%lld", static_cast<long long>(value));
    } else {
        std::snprintf(buffer, sizeof buffer, "%.15g", value);
    }
    return buffer;
}

bool isNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos])) ++pos;
    const std::size_t length = numericPrefix(text, pos);
    if (length == 0) return false;
    pos += length;
    while (pos < text.size() && isBlank(text[pos])) ++pos;
    return pos == text.size();
}

void addNumber(std::string& field, double delta) {
    field = writeNumber(readNumber(field) + delta);
}

std::string twoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", ((value % 100) + 100) % 100);
    return text;
}

std::int16_t clampToInt16(long long value) {
    if (value > std::numeric_limits<std::int16_t>::max())
        return std::numeric_limits<std::int16_t>::max();
    if (value < std::numeric_limits<std::int16_t>::min())
        return std::numeric_limits<std::int16_t>::min();
    return static_cast<std::int16_t>(value);
}

}  // namespace brankor
