#include "qtrecoveryfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "qtsavedgamefiles.h"

namespace brankor::ui {
namespace {

QString recoveryPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/recovery.brk");
}

void warn(const QString& problem) {
    qWarning("Recovery save: %s", qUtf8Printable(problem));
}

}  // namespace

QtRecoveryFile::QtRecoveryFile() : m_path(recoveryPath()) {
    m_writer.setMaxThreadCount(1);  // one write after another, in the order handed over
    // The writer thread is started now and kept, so no midnight tick pays for creating it.
    m_writer.setExpiryTimeout(-1);
    m_writer.start([] {});
}

QtRecoveryFile::~QtRecoveryFile() {
    flush();
}

void QtRecoveryFile::flush() {
    m_writer.waitForDone();
}

bool QtRecoveryFile::exists() {
    flush();
    return !m_path.isEmpty() && QFileInfo(m_path).isFile();
}

FileContents QtRecoveryFile::read(std::size_t limit) {
    flush();
    if (m_path.isEmpty()) return {FileError::NotFound, {}};
    return QtSavedGameFiles().read(m_path.toStdString(), limit);
}

void QtRecoveryFile::write(std::string bytes) {
    if (m_path.isEmpty()) return warn(QStringLiteral("no data folder"));
    m_writer.start([path = m_path, bytes = std::move(bytes)] {
        const QString folder = QFileInfo(path).absolutePath();
        if (!QDir().mkpath(folder)) return warn(QStringLiteral("cannot create ") + folder);
        if (QtSavedGameFiles().write(path.toStdString(), bytes) != FileError::None)
            warn(QStringLiteral("cannot write ") + path);
    });
}

void QtRecoveryFile::remove() {
    flush();
    if (m_path.isEmpty() || !QFileInfo::exists(m_path)) return;
    QFile file(m_path);
    if (!file.remove()) warn(QStringLiteral("cannot remove ") + m_path + ": " + file.errorString());
}

void QtRecoveryFile::log(const std::string& problem) {
    warn(QString::fromStdString(problem));
}

}  // namespace brankor::ui
