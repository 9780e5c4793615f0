#pragma once
// The digit-letter code the saved game keeps money in: 1 -> "a", 2 -> "b", ... 9 -> "i",
// 0 -> "j", character by character ("170" -> "agj").
#include <optional>
#include <string>
#include <string_view>

namespace brankor {

/// The money text in letters; nullopt when it holds anything but the ten digits (a "-" has no
/// letter, so a negative amount cannot be saved).
std::optional<std::string> encodeMoney(std::string_view money);

/// The letters back as digits, in order; any other character is dropped.
std::string decodeMoney(std::string_view code);

/// The money text a loaded game gets: the decoded text itself, or "31001" when it reads as
/// more than 32000.
std::string loadedMoney(std::string_view code);

}  // namespace brankor
