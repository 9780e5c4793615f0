#pragma once
// The write-list text convention of the saved-game file: one line of comma-separated items,
// texts in double quotes, 16-bit integers as plain decimals, booleans as #TRUE# or #FALSE#.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "framework/outcome.h"

namespace brankor {

/// One item of a write-list line.
using ListItem = std::variant<std::string, std::int16_t, bool>;

/// A failure at item `index` (counted from 0), worded with the item's number in the record.
Failure itemFailure(std::size_t index, std::string_view what);

/// The items as one line ended by CR LF. A text holding a double quote, a line break or a NUL
/// has no way to be written in this convention and fails rather than spoil the line.
Outcome<std::string> writeListLine(std::span<const ListItem> items);

/// Reads `count` items from the start of `text`, each of whatever kind it is written as.
/// Blanks around an item are skipped; whatever follows the last item is ignored. Fails on an
/// unterminated quote, a malformed or out-of-range number, a stray character, or a line that
/// ends before `count` items.
Outcome<std::vector<ListItem>> readListLine(std::string_view text, std::size_t count);

}  // namespace brankor
