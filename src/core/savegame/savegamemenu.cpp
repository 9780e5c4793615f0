#include "savegamemenu.h"

#include "recovery.h"
#include "savedgame.h"

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

/// Replaces the game by the one in `file`, checked whole before anything changes.
void load(Game& game, const FileContents& file) {
    if (file.error != FileError::None) return loadFailed(game, describe(file.error));
    const Outcome<SavedGame> record = parseSavedGame(file.bytes);
    if (!record) return loadFailed(game, record.reason());
    applySavedGame(game.state, record.value());
    game.diary.start(game.state);
}

}  // namespace

void menuSave(Game& game, SavedGameFiles& files) {
    const std::optional<std::string> path = game.files().choose(FileDialogKind::Save);
    if (!path) return saveFailed(game, kCancelled);
    const Outcome<std::string> bytes = encodeSavedGame(game.state);
    if (!bytes) return saveFailed(game, bytes.reason());
    if (const FileError error = files.write(*path, bytes.value()); error != FileError::None)
        saveFailed(game, describe(error));
}

void menuLoad(Game& game, SavedGameFiles& files) {
    const std::optional<std::string> path = game.files().choose(FileDialogKind::Open);
    if (!path) return loadFailed(game, kCancelled);
    load(game, files.read(*path, kReadLimit));
}

void menuRestore(Game& game) {
    RecoveryFile* recovery = game.recovery();
    load(game, recovery ? recovery->read(kReadLimit) : FileContents{FileError::NotFound, {}});
}

}  // namespace brankor
