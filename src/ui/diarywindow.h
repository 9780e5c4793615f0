#pragma once
// "Дневник": the player's life as a chart and as a table, the events under them, and the chart
// saved as a picture. A plain window of its own, open beside the game; it costs nothing once
// closed (it is deleted, once its own handlers have returned) and redraws at most once a game
// hour while open. Closing it also closes its file dialog.
#include <QDialog>
#include <QPointer>

#include "game/game.h"
#include "unloadguard.h"

class QFileDialog;
class QListWidget;
class QTableView;
class QTabWidget;

namespace brankor::ui {

class DiaryPlot;
class DiaryTable;

class DiaryWindow : public QDialog {
    Q_OBJECT
  public:
    /// `mainGuard` keeps the main window (and so this window) alive while the file dialog is open.
    DiaryWindow(Game& game, UnloadGuard& mainGuard, QWidget* mainWindow);

    /// Brings the chart, the table and the events up to date, unless nothing they show has
    /// changed since the last time. The main window calls it once a game hour.
    void refresh();
    /// Asks for a file name and writes the chart there as PNG.
    void savePicture();
    /// Writes the chart as PNG to `path`; false when it could not be written.
    bool writePicture(const QString& path) const;

    /// Closed, and going as soon as its handlers have returned.
    bool unloading() const { return m_unload.unloading(); }

  protected:
    /// The pointer moving over the chart shows the day under it in a tooltip.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showEvents();

    Game& m_game;
    UnloadGuard& m_mainGuard;
    DiaryPlot* m_plot = nullptr;  ///< null when the chart library could not be loaded
    QWidget* m_chartView = nullptr;
    DiaryTable* m_table = nullptr;
    QTableView* m_tableView = nullptr;
    QListWidget* m_events = nullptr;
    QPointer<QFileDialog> m_pictureDialog;
    UnloadGuard m_unload{*this};
    // What the last refresh drew: the diary as it was and the present moment.
    bool m_drawn = false;
    std::uint64_t m_shownRevision = 0;
    DiaryPoint m_shownNow;
    /// The events listed: the history they belong to, and the events dropped before them.
    std::uint64_t m_eventsGeneration = 0;
    std::size_t m_eventsDropped = 0;
    bool m_nothingYet = false;  ///< the list says only that nothing has happened yet
};

}  // namespace brankor::ui
