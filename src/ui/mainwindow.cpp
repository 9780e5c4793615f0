#include "mainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "art.h"
#include "careerwindow.h"
#include "diarywindow.h"
#include "game/help.h"
#include "game/lifecycle.h"
#include "game/menus.h"
#include "game/navigation.h"
#include "game/savegame/recovery.h"
#include "game/savegame/savegamemenu.h"
#include "game/windownames.h"
#include "gamesettings.h"
#include "navigator.h"
#include "qtsavedgamefiles.h"
#include "recentgamesmenu.h"
#include "statuspanel.h"
#include "zoom.h"
#include "zoommenu.h"

namespace brankor::ui {
namespace {

const QString kGeometryKey = QStringLiteral("mainWindow/geometry");

/// A game saved or loaded goes to the top of "Недавние игры".
void remember(const std::optional<std::string>& path) {
    if (path) rememberRecentGame(QString::fromStdString(*path));
}

}  // namespace

MainWindow::MainWindow(Game& game, Navigator& navigator)
    : m_game(game),
      m_navigator(navigator),
      m_clock(kClockInterval, 0, [&game] { return clockTick(game), true; }),
      m_life(kLifeTickInterval, 0, [&game] { return lifeTick(game); }) {
    setObjectName(QString::fromLatin1(window::kMain));
    setWindowIcon(artIcon(QStringLiteral("icon")));
    m_started.start();

    auto* central = new QWidget;
    central->setObjectName(QStringLiteral("mainArea"));
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 8);
    m_panel = new StatusPanel;
    layout->addWidget(m_panel);

    m_help = new QLabel;
    m_help->setObjectName(QStringLiteral("lblSpHelp"));
    m_help->setTextFormat(Qt::PlainText);
    m_help->setAlignment(Qt::AlignCenter);
    m_help->setWordWrap(true);
    m_help->setMinimumHeight(40);
    layout->addWidget(m_help);
    layout->addWidget(buildPlaceButtons());
    setCentralWidget(central);
    buildMenus();

    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &MainWindow::runDueTicks);
    armTimer();
    // The pause keys work in the place windows too, which block the main window's shortcuts.
    qApp->installEventFilter(this);
    Zoom::instance().follow(*this);
    // Where the player left the window last time, if the screens still show it.
    restoreGeometry(gameSettings()->value(kGeometryKey).toByteArray());
}

MainWindow::~MainWindow() {
    rememberGeometry();  // a death closes the window without asking
}

void MainWindow::rememberGeometry() {
    gameSettings()->setValue(kGeometryKey, saveGeometry());
}

void MainWindow::buildMenus() {
    auto addItem = [this](QMenu* menu, const QString& text, const char* name, auto rule) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromUtf8(name));
        connect(action, &QAction::triggered, this,
                [this, rule] { act([this, rule] { rule(m_game); }); });
        return action;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Файл"));
    file->setObjectName(QStringLiteral("mnuFile"));
    m_playItems << addItem(file, QStringLiteral("&Новая игра"), "NewGame", menuNewGame);
    addItem(file, QStringLiteral("&Сохранить игру"), "Save", [](Game& game) {
        QtSavedGameFiles disk;
        remember(menuSave(game, disk));
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    addItem(file, QStringLiteral("За&грузить игру"), "Load", [](Game& game) {
        QtSavedGameFiles disk;
        remember(menuLoad(game, disk));
    })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    file->addMenu(new RecentGamesMenu(
        m_game, [this](const std::function<void()>& rule) { act(rule); }, file));
    // Enabled while there is a recovery save: the panel's sync keeps it current, so assistive
    // tools read the right state without opening the menu, and opening the menu looks again.
    m_restore = addItem(file, QStringLiteral("&Восстановить игру"), "Restore", menuRestore);
    connect(file, &QMenu::aboutToShow, this, &MainWindow::followRecovery);
    followRecovery();
    file->addSeparator();
    m_pauseItem = file->addAction(QStringLiteral("&Пауза"));
    m_pauseItem->setObjectName(QStringLiteral("Pause"));
    m_pauseItem->setCheckable(true);
    m_pauseItem->setShortcuts({QKeySequence(Qt::Key_Pause), QKeySequence(Qt::CTRL | Qt::Key_P)});
    connect(m_pauseItem, &QAction::triggered, this, [this](bool on) {
        m_autoPaused = false;
        setPaused(on);
    });
    m_pauseWhenMinimized = file->addAction(QStringLiteral("Пауза, когда окно &свёрнуто"));
    m_pauseWhenMinimized->setObjectName(QStringLiteral("PauseWhenMinimized"));
    m_pauseWhenMinimized->setCheckable(true);
    file->addSeparator();
    addItem(file, QStringLiteral("&Выход"), "Exit", menuExit)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    menuBar()->addMenu(new ZoomMenu(*this));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Помощь"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    m_playItems << addItem(help, QStringLiteral("П&одробная справка"), "BigHelp", menuBigHelp);
    m_playItems.back()->setShortcut(QKeySequence(Qt::Key_F1));
    m_playItems << addItem(help, QStringLiteral("Ко&роткая справка"), "SmallHelp", menuSmallHelp);
    help->addSeparator();
    QAction* career = help->addAction(QStringLiteral("&Карьера"));
    career->setObjectName(QStringLiteral("Career"));
    career->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    connect(career, &QAction::triggered, this, &MainWindow::openCareer);
    QAction* diary = help->addAction(QStringLiteral("&Дневник"));
    diary->setObjectName(QStringLiteral("Diary"));
    connect(diary, &QAction::triggered, this, &MainWindow::openDiary);
    addItem(help, QStringLiteral("О программе"), "AboutPr", menuAbout);
}

QWidget* MainWindow::buildPlaceButtons() {
    auto* row = new QWidget;
    row->setObjectName(QStringLiteral("placeButtons"));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addStretch(1);
    for (const PlaceButton& place : placeButtons()) {
        auto* button = new QToolButton;
        const QString name =
            QString::fromUtf8(place.button.data(), static_cast<int>(place.button.size()));
        const QString caption =
            QString::fromUtf8(place.caption.data(), static_cast<int>(place.caption.size()));
        button->setObjectName(name);
        button->setToolTip(caption);
        button->setAccessibleName(caption);
        button->setIcon(artIcon(
            QString::fromUtf8(place.picture.data(), static_cast<int>(place.picture.size()))));
        button->setIconSize(QSize(56, 56));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::StrongFocus);
        button->setEnabled(m_navigator.exists(std::string(place.window)));
        const std::string id(place.button);
        connect(button, &QToolButton::clicked, this,
                [this, id] { act([this, id] { openPlace(m_game, id); }); });
        button->installEventFilter(this);
        m_placeButtons.append(button);
        layout->addWidget(button);
    }
    layout->addStretch(1);
    return row;
}

void MainWindow::openDiary() {
    if (!m_diary || m_diary->unloading()) m_diary = new DiaryWindow(m_game, m_unload, this);
    m_diary->show();
    m_diary->raise();
    m_diary->activateWindow();
}

void MainWindow::openCareer() {
    if (!m_career) m_career = new CareerWindow(m_game, this);
    m_career->show();
    m_career->raise();
    m_career->activateWindow();
}

CareerWindow* MainWindow::career() const {
    return m_career;
}

DiaryWindow* MainWindow::diary() const {
    return m_diary;
}

void MainWindow::act(const std::function<void()>& rule) {
    UnloadGuard::Handling handling(m_unload);
    rule();
    m_navigator.refresh();
    if (!m_closed) followRecovery();
}

void MainWindow::followRecovery() {
    const bool restorable = canRestore(m_game);
    if (m_restore->isEnabled() != restorable) m_restore->setEnabled(restorable);
}

void MainWindow::syncPanel() {
    // The recovery save is written and removed by the game's clock and by the menu's items, so
    // the disk is asked once a game hour and after an item; a place's handler (the arcade's
    // 50 ms loop among them) does not ask it again. Opening the menu always asks.
    if (m_recoveryFollowedAt != m_clock.ticks()) {
        m_recoveryFollowedAt = m_clock.ticks();
        followRecovery();
    }
    // Most handlers of a place (the arcade's loop, the virus window's blink) leave the game's
    // state as it was: then the panel, the career guide and the title have nothing new to show.
    const bool paused = m_pause.paused();
    if (m_shownState && *m_shownState == m_game.state && m_shownPaused == paused) return;
    m_shownState = m_game.state;
    m_shownPaused = paused;
    m_panel->sync(m_game.state);
    if (m_career) m_career->refresh();
    showPaused();
}

void MainWindow::showPaused() {
    // While paused the title and the welcome text say so; the game's own texts come back after.
    const bool paused = m_pause.paused();
    const QString pause = QStringLiteral("Пауза");
    QString caption = QString::fromStdString(m_game.state.Caption);
    if (paused) caption = caption.isEmpty() ? pause : pause + QStringLiteral(" — ") + caption;
    if (windowTitle() != caption) setWindowTitle(caption);
    const QString help = paused ? QStringLiteral(
                                      "Пауза. Игра продолжится после пункта "
                                      "«Продолжить» (Pause или Ctrl+P).")
                                : QString::fromStdString(m_game.state.lblSpHelp);
    if (m_help->text() != help) m_help->setText(help);
}

void MainWindow::setPaused(bool paused) {
    if (paused == m_pause.paused() || m_closed) return;
    if (paused) {
        m_pause.pause(m_started.elapsed());
        m_timer.stop();
    } else {
        m_pause.resume(m_started.elapsed());
        m_autoPaused = false;
    }
    m_pauseItem->setChecked(paused);
    m_pauseItem->setText(paused ? QStringLiteral("&Продолжить") : QStringLiteral("&Пауза"));
    for (QAction* item : std::as_const(m_playItems)) item->setEnabled(!paused);
    for (QToolButton* button : std::as_const(m_placeButtons)) {
        const auto& place = placeButtons()[m_placeButtons.indexOf(button)];
        button->setEnabled(!paused && m_navigator.exists(std::string(place.window)));
    }
    m_navigator.setPaused(paused);
    showPaused();
    if (!paused) armTimer();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || m_closed) return;
    if (isMinimized()) {
        if (m_pauseWhenMinimized->isChecked() && !m_pause.paused()) {
            setPaused(true);
            m_autoPaused = true;
        }
    } else if (m_autoPaused) {
        setPaused(false);
    }
}

bool MainWindow::pauseKey(QEvent* event) {
    if (event->type() != QEvent::KeyPress || m_closed || !isVisible()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool pauseKey = key->key() == Qt::Key_Pause && key->modifiers() == Qt::NoModifier;
    const bool ctrlP = key->key() == Qt::Key_P && key->modifiers() == Qt::ControlModifier;
    if (!pauseKey && !ctrlP) return false;
    if (!key->isAutoRepeat()) m_pauseItem->trigger();
    event->accept();
    return true;
}

std::int64_t MainWindow::elapsed() const {
    return m_pause.played(m_started.elapsed()) + m_skew;
}

void MainWindow::advanceTime(std::int64_t ms) {
    m_skew += ms;
    runDueTicks();
}

void MainWindow::runDueTicks() {
    UnloadGuard::Handling handling(m_unload);
    const auto now = [this] { return elapsed(); };
    const std::int64_t hours = m_clock.ticks();
    m_clock.poll(now);
    m_navigator.refresh();
    if (m_closed) return;
    // The clock goes on while a life tick waits on its message box.
    armTimer();
    const std::int64_t lives = m_life.ticks();
    m_life.poll(now);
    if (m_closed) return;
    // Every window shows what the clock's tick did already; only a life tick has more to show.
    if (m_life.ticks() != lives) m_navigator.refresh();
    if (m_diary && m_clock.ticks() != hours) m_diary->refresh();  // once a game hour at most
    armTimer();
}

void MainWindow::armTimer() {
    if (m_clock.stopped() || m_pause.paused()) return;
    // A life tick that is running takes the ticks due meanwhile when it returns.
    const std::int64_t next =
        m_life.running() ? m_clock.nextAt() : std::min(m_clock.nextAt(), m_life.nextAt());
    m_timer.start(static_cast<int>(std::max<std::int64_t>(0, next - elapsed())));
}

void MainWindow::stopTime() {
    m_clock.stop();
    m_life.stop();
    m_timer.stop();
}

bool MainWindow::tryClose() {
    if (m_closed) return true;
    UnloadGuard::Handling handling(m_unload);
    if (!queryCloseMain(m_game)) return false;
    if (m_closed) return true;  // the player died while the question was open
    m_closed = true;
    rememberGeometry();
    stopTime();
    if (m_diary) m_diary->close();  // the diary and the career guide go with their game
    if (m_career) m_career->close();
    hide();
    emit closed();
    return true;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // Keys that reach a widget were not taken by a shortcut: the main window's own shortcuts
    // are blocked by a modal place window, so the pause keys are heard here.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() != this && pauseKey(event))
        return true;
    auto* button = qobject_cast<QToolButton*>(watched);
    if (event->type() != QEvent::KeyPress || !button || !m_placeButtons.contains(button))
        return QMainWindow::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier)
        return QMainWindow::eventFilter(watched, event);
    int step = 0;
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Enter held down opens the place once, and its repeats do not reach the place.
            if (!key->isAutoRepeat()) button->click();
            return true;
        case Qt::Key_Left:
        case Qt::Key_Up:
            step = -1;
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            step = 1;
            break;
        default:
            return QMainWindow::eventFilter(watched, event);
    }
    // The next button that can be pressed, round the row.
    const qsizetype count = m_placeButtons.size();
    for (qsizetype i = 1; i < count; ++i) {
        QToolButton* next =
            m_placeButtons[(m_placeButtons.indexOf(button) + step * i + count) % count];
        if (next->isEnabled()) {
            next->setFocus(Qt::TabFocusReason);
            break;
        }
    }
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (tryClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace brankor::ui
