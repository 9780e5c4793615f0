#pragma once
// What the two internet sites show: three blocks of jokes and one article about computers.
#include <array>
#include <string_view>

namespace brankor {

/// The jokes site's blocks: random jokes, jokes of the day, jokes of the week.
const std::array<std::string_view, 3>& jokeBlocks();

/// The computer site's article.
std::string_view computerArticle();

}  // namespace brankor
