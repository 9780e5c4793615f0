#pragma once
// "Карьера": the nine jobs as rows, each requirement beneath its job with what it asks, what the
// player has and whether it is met (by colour and by word). Modeless; it follows the game while
// open and does nothing while closed.
#include <QDialog>
#include <vector>

#include "game/game.h"
#include "life/careerguide.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace brankor::ui {

class CareerWindow : public QDialog {
    Q_OBJECT
  public:
    CareerWindow(Game& game, QWidget* mainWindow);
    /// Shows the game as it stands; rows that did not change are left alone.
    void refresh();

  private:
    void showRow(QTreeWidgetItem& item, const GuideRow& row);

    Game& m_game;
    QTreeWidget* m_tree = nullptr;
    std::vector<GuideRow> m_shown;
};

}  // namespace brankor::ui
