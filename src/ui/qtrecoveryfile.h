#pragma once
// The recovery save on disk: recovery.brk in the application's data folder. Writes go to a
// background thread, one after another, through the same QSaveFile as "Сохранить игру", so the
// game's clock never waits for the disk; every other call first waits for the writes handed over
// before it. Failures are logged with qWarning and never shown.
#include <QString>
#include <QThreadPool>

#include "game/savegame/recovery.h"

namespace brankor::ui {

class QtRecoveryFile : public RecoveryFile {
  public:
    /// The file in QStandardPaths::AppDataLocation.
    QtRecoveryFile();
    /// Waits for the last write.
    ~QtRecoveryFile() override;

    bool exists() override;
    FileContents read(std::size_t limit) override;
    void write(std::string bytes) override;
    void remove() override;
    void log(const std::string& problem) override;

    /// Waits until every write handed over so far has reached the disk or failed.
    void flush();
    /// Where the file is; empty when the platform has no data folder.
    const QString& path() const { return m_path; }

  private:
    QString m_path;
    QThreadPool m_writer;
};

}  // namespace brankor::ui
