#pragma once
// Looking a row of one of the rules' tables up by one of its columns.
#include <algorithm>
#include <memory>
#include <ranges>

namespace brankor {

/// The first row of `table` whose `column` equals `key`, or nullptr when none does.
template <std::ranges::contiguous_range Table, class Column, class Key>
const std::ranges::range_value_t<Table>* findRow(const Table& table,
                                                 Column std::ranges::range_value_t<Table>::*column,
                                                 const Key& key) {
    const auto it = std::ranges::find(table, key, column);
    return it == std::ranges::end(table) ? nullptr : std::to_address(it);
}

}  // namespace brankor
