#pragma once
// The diary's numbers as a table, for the keyboard and the screen reader: one row per game
// midnight and a last row for the present moment.
#include <QAbstractTableModel>

#include "core/game.h"

namespace brankor::ui {

class DiaryTable : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit DiaryTable(const Game& game, QObject* parent = nullptr);

    /// Reads the diary again: new midnights are inserted before the present row and the present
    /// row changes in place, so the row a screen reader is on stays put. A fresh or trimmed
    /// history is read from scratch.
    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    const Game& m_game;
    int m_rows = 0;           ///< rows the view knows of
    std::string m_firstDate;  ///< the history they belong to
};

}  // namespace brankor::ui
