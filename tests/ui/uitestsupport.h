#pragma once
// Helpers for window tests: a game on the real windows with scripted message boxes.
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "fakes/fakes.h"
#include "ui/application.h"
#include "ui/mainwindow.h"

namespace brankor::testing {

/// The real windows, with message boxes, clock, chance and quitting scripted.
struct UiGame {
    FakeMessages messages;
    FakeClock clock;
    FakeRandom random;
    FakeFiles files;
    bool quit = false;
    ui::Application app{
        ui::ApplicationPorts{&messages, &clock, &random, &files, [this] { quit = true; }}};

    ui::Navigator& nav() { return app.navigator(); }
    GameState& state() { return app.game().state; }
    ui::MainWindow* main() { return nav().mainWindow(); }
    template <class W = QWidget>
    W* widget(const std::string& window, const char* name) {
        QWidget* root = window == "frmMain" ? static_cast<QWidget*>(main())
                                            : static_cast<QWidget*>(nav().dialog(window));
        return root ? root->findChild<W*>(QString::fromUtf8(name)) : nullptr;
    }
    /// Starts the game as a player would: the start-up window, then its "OK".
    void startGame();
};

inline void UiGame::startGame() {
    app.start();
    auto* ok = widget<QPushButton>("frmFirst", "cmdOK");
    QVERIFY(ok);
    QTest::mouseClick(ok, Qt::LeftButton);
}

/// Runs `action` as soon as the event loop runs (for acting inside a modal window).
inline void soon(std::function<void()> action) {
    QTimer::singleShot(0, std::move(action));
}

}  // namespace brankor::testing
