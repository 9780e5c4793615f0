#pragma once
// The game's windows on screen: loading, modal and modeless showing, closing, and replacing
// one window by another once the running handler has returned.
#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <set>

#include "dialogparent.h"
#include "framework/ports.h"
#include "game/game.h"
#include "mainwindow.h"
#include "placedialog.h"

namespace brankor::ui {

class MainWindow;

class Navigator : public QObject, public Windows, public DialogParents {
    Q_OBJECT
  public:
    /// `quit` ends the program.
    explicit Navigator(std::function<void()> quit);
    ~Navigator() override;
    void setGame(Game& game) { m_game = &game; }

    bool exists(const std::string& window) const override;
    Place* load(const std::string& window) override;
    void show(const std::string& window, Modality modality) override;
    void hide(const std::string& window) override;
    void close(const std::string& window) override;
    void replace(const std::string& from, const std::string& to) override;
    Place* find(const std::string& window) override;
    bool isOpen(const std::string& window) const override;
    void closeAllPlaces() override;
    void quit() override;
    std::unique_ptr<DialogLease> leaseParent() override;

    MainWindow* mainWindow() const { return m_main; }
    PlaceDialog* dialog(const std::string& window) const;
    /// How many modal windows are running inside each other now.
    int modalDepth() const { return m_modalDepth; }
    /// Shows the current game state in every open window (but `synced`, which shows it already).
    void refresh(const PlaceDialog* synced = nullptr);
    /// Pauses or resumes every place window, and those that open while the game is paused.
    void setPaused(bool paused);

  signals:
    /// A window has just been shown (for tests and the endurance run).
    void shown(const QString& window);

  private:
    PlaceDialog* openDialog(const std::string& window);
    void runModal(std::string window);
    void forget(const std::string& window, PlaceDialog* dialog);
    void mainClosed();

    std::function<void()> m_quit;
    Game* m_game = nullptr;
    QPointer<MainWindow> m_main;
    std::map<std::string, QPointer<PlaceDialog>> m_open;
    std::map<std::string, std::string> m_replacements;
    std::set<std::string> m_inModalLoop;
    int m_modalDepth = 0;
    bool m_paused = false;
};

}  // namespace brankor::ui
