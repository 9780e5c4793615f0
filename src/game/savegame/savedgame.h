#pragma once
// The saved game: a record of 51 items on one line of a "brk" file. This turns the game state
// into the file's bytes and the bytes back into a record checked from first item to last, so a
// file that cannot be loaded is refused before anything in the game changes.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "framework/outcome.h"
#include "game/gamestate.h"
#include "game/savegame/writelist.h"

namespace brankor {

/// Item 1 of every saved game; read back and ignored.
inline constexpr std::string_view kSavedGameNotice =
    "ВНИМАНИЕ: НИЧЕГО НЕ ИЗМЕНЯЙТЕ В ЭТОМ ФАЙЛЕ. ИЗМЕНЕНИЕ ДАННОГО ФАЙЛА МОЖЕТ ПРИВЕСТИ К "
    "НЕКОРРЕКТНОЙ РАБОТЕ ПРОГРАММЫ";

/// No saved game comes near this size; a bigger file is refused unread.
inline constexpr std::size_t kSavedGameMaxBytes = 64 * 1024;

/// A record read from a file in which every item is of its kind and both indices lie inside
/// their tables. Only parseSavedGame makes one.
class SavedGame {
  public:
    const std::vector<ListItem>& items() const { return m_items; }

  private:
    explicit SavedGame(std::vector<ListItem> items) : m_items(std::move(items)) {}
    friend Outcome<SavedGame> parseSavedGame(std::string_view bytes);
    std::vector<ListItem> m_items;
};

/// The file's bytes for `state`: Windows-1251, one line ended by CR LF. Fails when the money
/// text has a character other than a digit, a text cannot be written in the write-list
/// convention or the code page, or an index lies outside its table.
Outcome<std::string> encodeSavedGame(const GameState& state);

/// Reads and checks a whole file (Windows-1251 or UTF-8, CR LF, LF or no line end).
Outcome<SavedGame> parseSavedGame(std::string_view bytes);

/// Writes every item of the record into its place: money decoded and capped, `lblVinchester`
/// and `lblCar` rebuilt from their indices, the window caption from item 37.
void applySavedGame(GameState& state, const SavedGame& record);

}  // namespace brankor
