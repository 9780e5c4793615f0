#pragma once
// The Qt window of a place: its form's widgets mirror the place's controls by name, and every
// click, pointer movement, key, text change and timer reaches the place's handlers.
#include <QDialog>
#include <QMap>
#include <QTimer>
#include <functional>
#include <memory>

#include "core/place.h"
#include "unloadguard.h"

namespace brankor::ui {

class PlaceDialog : public QDialog {
    Q_OBJECT
  public:
    using SetupUi = std::function<void(QDialog&)>;
    PlaceDialog(std::unique_ptr<Place> place, const SetupUi& setupUi, QWidget* parent);
    ~PlaceDialog() override;

    Place& place() { return *m_place; }
    /// Re-reads every control of the place into the widgets.
    void sync();
    /// Runs a rule of the place and then shows its outcome everywhere.
    void dispatch(const std::function<void()>& handler);
    /// Hides the window and deletes it once none of its handlers is running any more.
    void unload();

  signals:
    /// After every handler: the game state may have changed.
    void handled();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

  private:
    void wire();
    QString controlNameOf(QObject* object) const;

    std::unique_ptr<Place> m_place;
    QMap<QString, QTimer*> m_timers;
    bool m_syncing = false;
    UnloadGuard m_unload{*this};
};

}  // namespace brankor::ui
