#include "qtsavedgamefiles.h"

#include <QFile>
#include <QSaveFile>

namespace brankor::ui {
namespace {

FileError openError(const QFileDevice& file, FileError otherwise) {
    return file.error() == QFileDevice::PermissionsError ? FileError::NoAccess : otherwise;
}

}  // namespace

FileContents QtSavedGameFiles::read(const std::string& path, std::size_t limit) {
    QFile file(QString::fromStdString(path));
    if (!file.exists()) return {FileError::NotFound, {}};
    if (!file.open(QIODevice::ReadOnly)) return {openError(file, FileError::ReadFailed), {}};
    const QByteArray bytes = file.read(static_cast<qint64>(limit));
    if (file.error() != QFileDevice::NoError) return {FileError::ReadFailed, {}};
    return {FileError::None, bytes.toStdString()};
}

FileError QtSavedGameFiles::write(const std::string& path, std::string_view bytes) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return openError(file, FileError::WriteFailed);
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size) {
        file.cancelWriting();
        return FileError::WriteFailed;
    }
    return file.commit() ? FileError::None : FileError::WriteFailed;
}

}  // namespace brankor::ui
