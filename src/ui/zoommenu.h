#pragma once
// "Масштаб": the zoom steps, and Ctrl+=, Ctrl+− and Ctrl+0 for the next step up, down and back to
// 100 %. A step at which the main window would not fit on its screen is not offered.
#include <QKeyEvent>
#include <QMenu>

class QActionGroup;

namespace brankor::ui {

class ZoomMenu : public QMenu {
    Q_OBJECT
  public:
    /// The menu of `mainWindow`, whose size decides which steps fit on the screen.
    explicit ZoomMenu(QWidget& mainWindow);

    /// Whether the main window, at `percent`, fits on the screen it is on.
    bool fits(int percent) const;
    /// Offers the steps that fit, and marks the zoom in force.
    void follow();
    /// Ctrl+=, Ctrl+− or Ctrl+0 pressed in a window the main window's menu cannot hear (a place
    /// open over it): does what the menu would; true when `event` was one of them.
    static bool takeKey(const QKeyEvent& event);

  private:
    /// The step `by` steps from the zoom in force, if there is one that fits.
    int stepFrom(int by) const;

    QWidget& m_main;
    QActionGroup* m_steps;
    QAction* m_larger;
    QAction* m_smaller;
};

}  // namespace brankor::ui
