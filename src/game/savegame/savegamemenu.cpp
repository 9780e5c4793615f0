#include "game/savegame/savegamemenu.h"

#include "game/newgame.h"
#include "game/savegame/recovery.h"
#include "game/savegame/savedgame.h"
#include "game/windownames.h"

namespace brankor {
namespace {

constexpr const char* kCancelled = "Выбор файла отменён";

const char* describe(FileError error) {
    switch (error) {
        case FileError::None:
            break;
        case FileError::NotFound:
            return "Файл не найден";
        case FileError::NoAccess:
            return "Нет доступа к файлу";
        case FileError::ReadFailed:
            return "Ошибка чтения файла";
        case FileError::WriteFailed:
            return "Ошибка записи файла";
    }
    return "";
}

// The failure's description follows the message directly, with no separator.
void saveFailed(Game& game, std::string_view reason) {
    game.tell(kSaveFailedTitle, kSaveFailedText + std::string(reason), Icon::Information);
}

void loadFailed(Game& game, std::string_view reason) {
    game.tell(kLoadFailedTitle, kLoadFailedText + std::string(reason), Icon::Information);
}

// One byte past the limit is enough to tell a file that is too big.
constexpr std::size_t kReadLimit = kSavedGameMaxBytes + 1;

/// The record in `file`, checked whole; nullopt after its failure box.
std::optional<SavedGame> check(Game& game, const FileContents& file) {
    if (file.error != FileError::None) {
        loadFailed(game, describe(file.error));
        return std::nullopt;
    }
    Outcome<SavedGame> record = parseSavedGame(file.bytes);
    if (!record) {
        loadFailed(game, record.reason());
        return std::nullopt;
    }
    return std::move(record.value());
}

void apply(Game& game, const SavedGame& record) {
    applySavedGame(game.state, record);
    game.diary.start(game.state);
}

/// Replaces the game by the one in `file`, checked whole before anything changes.
bool load(Game& game, const FileContents& file) {
    const std::optional<SavedGame> record = check(game, file);
    if (record) apply(game, *record);
    return record.has_value();
}

}  // namespace

std::optional<std::string> menuSave(Game& game, SavedGameFiles& files) {
    const std::optional<std::string> path = game.files().choose(FileDialogKind::Save);
    if (!path) {
        saveFailed(game, kCancelled);
        return std::nullopt;
    }
    const Outcome<std::string> bytes = encodeSavedGame(game.state);
    if (!bytes) {
        saveFailed(game, bytes.reason());
        return std::nullopt;
    }
    if (const FileError error = files.write(*path, bytes.value()); error != FileError::None) {
        saveFailed(game, describe(error));
        return std::nullopt;
    }
    return path;
}

std::optional<std::string> menuLoad(Game& game, SavedGameFiles& files) {
    const std::optional<std::string> path = game.files().choose(FileDialogKind::Open);
    if (!path) {
        loadFailed(game, kCancelled);
        return std::nullopt;
    }
    if (!loadSavedGame(game, files, *path)) return std::nullopt;
    return path;
}

bool loadSavedGame(Game& game, SavedGameFiles& files, const std::string& path) {
    return load(game, files.read(path, kReadLimit));
}

void menuRestore(Game& game) {
    RecoveryFile* recovery = game.recovery();
    load(game, recovery ? recovery->read(kReadLimit) : FileContents{FileError::NotFound, {}});
}

bool openAtStart(Game& game, SavedGameFiles& files, const std::string& path) {
    const std::optional<SavedGame> record = check(game, files.read(path, kReadLimit));
    if (!record) return false;
    // What the start-up window's "OK" does, then the load of the menu.
    Windows& windows = game.windows();
    if (!windows.isOpen(window::kMain)) windows.load(window::kMain);
    ForLoadMain(game);
    apply(game, *record);
    return true;
}

}  // namespace brankor
