#pragma once
// Helpers for window tests: a game on the real windows with scripted message boxes.
#include <QtTest>
#include <QtWidgets>
#include <functional>
#include <optional>

#include "fakes/fakes.h"
#include "ui/application.h"
#include "ui/mainwindow.h"

namespace brankor::testing {

/// Runs `action` as soon as the event loop runs (for acting inside a modal window); a failed check
/// closes every modal window, innermost first, so that the test fails at once instead of waiting.
inline void soon(std::function<void()> action) {
    QTimer::singleShot(0, [action = std::move(action)] {
        action();
        for (int left = 16; QTest::currentTestFailed() && left > 0; --left) {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->done(QDialog::Rejected);
            else if (modal)
                modal->close();
        }
    });
}

/// The real windows and file dialogs, with message boxes, clock, chance and quitting scripted.
struct UiGame {
    FakeMessages messages;
    FakeClock clock;
    FakeRandom random;
    bool quit = false;
    ui::Application app{
        ui::ApplicationPorts{&messages, &clock, &random, nullptr, [this] { quit = true; }}};

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
    void startGame() {
        app.start();
        click("frmFirst", "cmdOK");
    }
    /// Opens `window` from its picture button on the main window and runs `inside` while it is
    /// shown; the window is closed afterwards even when a check inside fails.
    void visit(const char* button, const char* window, const std::function<void()>& inside) {
        soon([this, window, inside] {
            inside();
            if (ui::PlaceDialog* open = nav().dialog(window)) open->done(QDialog::Rejected);
        });
        click("frmMain", button);
        QVERIFY(!nav().dialog(window));
    }
    /// The text a label, text box or button of `window` shows.
    QString text(const std::string& window, const char* name) {
        QWidget* w = widget(window, name);
        if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
        if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) return edit->toPlainText();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
        return QStringLiteral("<no %1>").arg(QString::fromUtf8(name));
    }
    /// The texts of several controls of `window`, joined by "|"; whether a control is shown.
    QString texts(const std::string& window, std::initializer_list<const char*> names) {
        QStringList all;
        for (const char* name : names) all << text(window, name);
        return all.join('|');
    }
    bool visible(const std::string& window, const char* name) {
        QWidget* w = widget(window, name);
        return w && w->isVisible();
    }
    void click(const std::string& window, const char* name) {
        auto* button = widget<QAbstractButton>(window, name);
        QVERIFY2(button, name);
        QTest::mouseClick(button, Qt::LeftButton);
    }
};

/// Runs `act` with the name of every window the navigator shows, as soon as that window's own event
/// loop runs (for windows that replace one another); a failed check closes every place.
inline void whenShown(UiGame& g, std::function<void(const std::string&)> act) {
    QObject::connect(&g.nav(), &ui::Navigator::shown, &g.nav(), [&g, act](const QString& window) {
        soon([&g, act, window] {
            act(window.toStdString());
            if (QTest::currentTestFailed()) g.nav().closeAllPlaces();
        });
    });
}

/// Moves the pointer to the middle of `widget` (or to `at` in it), as the window system reports it.
inline void pointAt(QWidget* widget, std::optional<QPointF> at = std::nullopt) {
    QVERIFY(widget);
    const QPointF local = at.value_or(QRectF(widget->rect()).center());
    QMouseEvent move(QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

}  // namespace brankor::testing

/// The main() of a window test program: `Test` is its QObject of test slots.
#define BRANKOR_WINDOW_TEST(Test)                       \
    int main(int argc, char** argv) {                   \
        QApplication app(argc, argv);                   \
        QApplication::setQuitOnLastWindowClosed(false); \
        brankor::ui::Application::applyStyle();         \
        Test test;                                      \
        return QTest::qExec(&test, argc, argv);         \
    }
