#pragma once
// The diary's numbers as a table, for the keyboard and the screen reader: one row per game
// midnight and a last row for the present moment.
#include <QAbstractTableModel>

#include "game/game.h"

namespace brankor::ui {

class DiaryTable : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit DiaryTable(const Game& game, QObject* parent = nullptr);

    /// Reads the diary again: new midnights are inserted before the present row and the present
    /// row changes in place, and days dropped by the cap leave from the top, so the row a screen
    /// reader is on stays put. A fresh history is read from scratch.
    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    const Game& m_game;
    // What the view knows of: its rows, the history they belong to, the days dropped before them.
    int m_rows = 0;
    std::uint64_t m_generation = 0;
    std::size_t m_dropped = 0;
};

}  // namespace brankor::ui
