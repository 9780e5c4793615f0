#pragma once
// The main window's status panel: every field of the game state in its frame, with its caption
// and hover text, refreshed from the state.
#include <QHash>
#include <QLabel>
#include <QWidget>
#include <string>
#include <vector>

#include "game/danger.h"
#include "game/gamestate.h"

namespace brankor::ui {

class StatusPanel : public QWidget {
    Q_OBJECT
  public:
    explicit StatusPanel(QWidget* parent = nullptr);
    /// Shows every field's text, and hides the rows the state has hidden.
    void sync(const GameState& state);

  private:
    /// A field's label and the text it shows: a refresh compares the game's own texts and
    /// touches only the labels whose text changed.
    struct Shown {
        std::string GameState::*member;
        QLabel* label;
        std::string text;
    };
    /// Names a value label for a screen reader: its caption, then its text.
    void nameValue(QLabel& value);
    /// Colours satiety or mood by how close death is, and adds how far it is to the hover text
    /// (which a screen reader hears as the value's description).
    void showDanger(const char* field, const Danger& danger);

    QHash<QString, QLabel*> m_fields;
    std::vector<Shown> m_shown;
    QHash<QString, QWidget*> m_hideable;
    /// What a screen reader says before each value: its caption, or the frame it stands alone in.
    QHash<QLabel*, QString> m_spokenCaption;
    /// The hover text each value has of its own, before any danger line.
    QHash<QLabel*, QString> m_hover;
};

}  // namespace brankor::ui
