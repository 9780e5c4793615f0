#pragma once
// The main window's status panel: every field of the game state in its frame, with its caption
// and hover text, refreshed from the state.
#include <QHash>
#include <QLabel>
#include <QWidget>

#include "core/gamestate.h"

namespace brankor::ui {

class StatusPanel : public QWidget {
    Q_OBJECT
  public:
    explicit StatusPanel(QWidget* parent = nullptr);
    /// Shows every field's text, and hides the rows the state has hidden.
    void sync(const GameState& state);

  private:
    QHash<QString, QLabel*> m_fields;
    QHash<QString, QWidget*> m_hideable;
};

}  // namespace brankor::ui
