#pragma once
// Reading and writing a saved-game file on disk, done by the platform.
#include <cstddef>
#include <string>
#include <string_view>

namespace brankor {

enum class FileError { None, NotFound, NoAccess, ReadFailed, WriteFailed };

struct FileContents {
    FileError error = FileError::None;
    std::string bytes;
};

class SavedGameFiles {
  public:
    virtual ~SavedGameFiles() = default;
    /// The file's bytes, at most `limit` of them (a longer file is cut there).
    virtual FileContents read(const std::string& path, std::size_t limit) = 0;
    /// Replaces the file's contents by `bytes` in one step: on any failure the file at `path`
    /// stays as it was.
    virtual FileError write(const std::string& path, std::string_view bytes) = 0;
};

}  // namespace brankor
