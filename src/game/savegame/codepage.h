#pragma once
// The saved-game file's single-byte Cyrillic code page (Windows-1251), converted with the C
// library's iconv. Everything inside the game is UTF-8.
#include <string>
#include <string_view>

#include "framework/outcome.h"

namespace brankor {

/// UTF-8 text as Windows-1251 bytes; fails on a character that code page does not have.
Outcome<std::string> toWindows1251(std::string_view utf8);

/// Windows-1251 bytes as UTF-8 text; fails on a byte the code page leaves undefined.
Outcome<std::string> fromWindows1251(std::string_view bytes);

/// Whether `bytes` is well-formed UTF-8 (no overlong forms, no surrogates, nothing past U+10FFFF).
bool isUtf8(std::string_view bytes);

/// The text of a saved-game file as UTF-8: a UTF-8 file (with or without its byte-order mark) is
/// taken as it is, anything else is read as Windows-1251. The fixed notice at the start of every
/// saved game is capital Cyrillic, which in Windows-1251 is never valid UTF-8, so the two cannot
/// be confused.
Outcome<std::string> savedGameText(std::string_view bytes);

}  // namespace brankor
