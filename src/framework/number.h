#pragma once
// How the game reads a field's text as a number and writes a number back as text.
#include <cstdint>
#include <string>
#include <string_view>

namespace brankor {

/// The longest leading decimal number of `text` (blanks skipped, optional sign, digits,
/// optional "." and fraction); 0 when there is none. "8 уровень" -> 8, "OK" -> 0.
double readNumber(std::string_view text);

/// The whole part of readNumber(text), rounded towards minus infinity.
long long wholeNumber(std::string_view text);

/// Plain decimal text: "-" when negative, no leading zeros, no separators; a fraction only
/// when the number has one.
std::string writeNumber(double value);

/// The platform's numeric test used by text boxes: optional blanks, optional sign, digits,
/// optional decimal point and fraction, optional trailing blanks; at least one digit.
bool isNumber(std::string_view text);

/// Adds `delta` to the number a field holds and writes the result back into it.
void addNumber(std::string& field, double delta);

/// The last two digits of `value`, with a leading zero below 10: 7 -> "07", 2026 -> "26".
std::string twoDigits(int value);

/// `value` clamped into the 16-bit signed range.
std::int16_t clampToInt16(long long value);

}  // namespace brankor
