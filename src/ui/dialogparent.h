#pragma once
// Who a dialog or message box belongs to. The parent is chosen on purpose — the top visible
// modal window that is not being unloaded, else the main window, else the start-up window —
// and held for as long as the dialog is open, so that a window closed meanwhile (its "<< Назад",
// a death) is deleted only after the dialog has gone, never under it.
#include <QPointer>
#include <QWidget>
#include <memory>

#include "unloadguard.h"

namespace brankor::ui {

class DialogLease {
  public:
    DialogLease(QWidget* widget, UnloadGuard* guard)
        : m_widget(widget),
          m_hold(guard ? std::make_unique<UnloadGuard::Handling>(*guard) : nullptr) {}
    ~DialogLease() {
        // Only a window that still exists is let go; one deleted by other means took its guard
        // along.
        if (!m_widget) (void)m_hold.release();
    }
    DialogLease(const DialogLease&) = delete;
    DialogLease& operator=(const DialogLease&) = delete;

    QWidget* widget() const { return m_widget; }

  private:
    QPointer<QWidget> m_widget;
    std::unique_ptr<UnloadGuard::Handling> m_hold;
};

class DialogParents {
  public:
    virtual ~DialogParents() = default;
    /// The parent for a dialog that opens now, held until the lease is dropped.
    virtual std::unique_ptr<DialogLease> leaseParent() = 0;
};

}  // namespace brankor::ui
