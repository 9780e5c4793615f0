#pragma once
// The Qt window of a place: its form's widgets mirror the place's controls by name, and every
// click, pointer movement, press, key, text change and timer reaches the place's handlers. Focus
// that the player moves onto a control counts as the pointer moving onto it.
#include <QDialog>
#include <QHash>
#include <QMap>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "framework/place.h"
#include "unloadguard.h"

class QLabel;

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
    bool unloading() const { return m_unload.unloading(); }
    /// Keeps the window from being deleted while a dialog that belongs to it is open.
    UnloadGuard& unloadGuard() { return m_unload; }
    /// The control a widget belongs to (itself, or the control it is a part of), or "".
    QString controlNameOf(QObject* object) const;
    /// A paused game: the window takes no input and its timers stand still; resumed, each timer
    /// first waits out what was left of its interval when the pause began.
    void setPaused(bool paused);
    bool paused() const { return m_paused; }

  signals:
    /// After every handler: the game state may have changed.
    void handled();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

  private:
    void wire();
    /// Shows every control again, at the sizes of a new zoom.
    void rezoom();
    /// The named, enabled control at the deepest widget `watched`, "" for the bare window, or
    /// nothing when an unnamed caption, frame or scroll bar takes the pointer there.
    std::optional<QString> enabledControlAt(QObject* watched) const;
    bool mouseEvent(QObject* watched, QEvent* event);
    bool keyEvent(QObject* watched, QKeyEvent* event);
    void focusMoved(QObject* watched, Qt::FocusReason reason);
    /// Value labels heard by a screen reader together with their captions.
    void labelValues();

    std::unique_ptr<Place> m_place;
    QMap<QString, QTimer*> m_timers;
    /// Timers paused part-way: what was left of each one's interval.
    QMap<QString, int> m_remaining;
    /// Timers resumed with what was left: their own interval comes back at their next tick.
    QSet<QString> m_shortened;
    bool m_paused = false;
    QPointer<QWidget> m_focusBeforePause;
    QHash<QLabel*, QLabel*> m_captionOf;
    /// Each control's widget, and the state last shown in it: a sync touches only what changed.
    struct Shown {
        QPointer<QWidget> widget;
        std::optional<Control> control;
    };
    std::map<std::string, Shown> m_shown;
    /// Brings the offer of `control` up unless it is what the last pointer move or focus move
    /// showed: a press by one means must act on what that means points at.
    void pointAt(const QString& control, bool byFocus);
    QString m_hovered;
    bool m_hoveredByFocus = false;
    QString m_pressed;
    Qt::MouseButton m_pressedButton = Qt::NoButton;
    bool m_pressing = false;
    bool m_syncing = false;
    UnloadGuard m_unload{*this};
};

}  // namespace brankor::ui
