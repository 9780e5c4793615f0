#include "application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "art.h"
#include "focusframestyle.h"
#include "game/savegame/recovery.h"
#include "game/savegame/savegamemenu.h"
#include "game/windownames.h"
#include "gamesettings.h"
#include "qtsavedgamefiles.h"
#include "zoom.h"

namespace brankor::ui {

Application::Application(ApplicationPorts ports)
    : m_navigator([this, quit = ports.quit] {
          saveBeforeLeaving();
          quit ? quit() : QCoreApplication::exit(0);
      }),
      m_messages(m_navigator, [this] { m_navigator.refresh(); }),
      m_files(m_navigator) {
    m_game = std::make_unique<Game>(Platform{
        ports.messages ? *ports.messages : m_messages,
        m_navigator,
        ports.clock ? *ports.clock : m_clock,
        ports.random ? *ports.random : m_random,
        ports.files ? *ports.files : m_files,
    });
    m_game->setRecovery(ports.recovery ? ports.recovery : &m_recovery);
    m_navigator.setGame(*m_game);
    // The desktop session ending, and any way out of the event loop the game did not choose.
    if (qGuiApp) {
        const auto leaving = [this] { saveBeforeLeaving(); };
        QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, &m_navigator, leaving);
        QObject::connect(qGuiApp, &QCoreApplication::aboutToQuit, &m_navigator, leaving);
    }
}

void Application::saveBeforeLeaving() {
    saveRecoveryAtClose(*m_game);
    m_recovery.flush();  // the session may end the process as soon as this returns
}

Application::~Application() = default;

void Application::start() {
    m_navigator.show(window::kFirst, Modality::Modeless);
}

void Application::open(const std::string& path) {
    QtSavedGameFiles disk;
    if (openAtStart(*m_game, disk, path)) {
        rememberRecentGame(QString::fromStdString(path));
        m_navigator.refresh();  // the main window shows the loaded game, as after the menu's load
    } else {
        start();
    }
}

void Application::prepareQt() {
    // The game repaints small rectangles many times a second: the arcade's ball, the clocks, a
    // blinking virus. Through X's shared memory each repaint first waits for the X server to
    // have read the one before (a round trip, and a wake-up of both); a small rectangle sent
    // over the X connection costs less than that wait, and a whole window only a copy.
    qputenv("QT_XCB_NO_MITSHM", "1");
}

void Application::setUpQt() {
    QApplication::setApplicationName(QStringLiteral("Бранкор"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.brankor"));
    QApplication::setQuitOnLastWindowClosed(false);
    installTranslations();
    applyStyle();
}

void Application::installTranslations() {
    auto* translator = new QTranslator(qApp);
    if (translator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
}

void Application::applyStyle() {
    QApplication::setStyle(new FocusFrameStyle);
    QApplication::setWindowIcon(artIcon(QStringLiteral("icon")));
    // The desktop's font at the zoom the player chose, and the game's colours and spacing.
    // A value label has the background of the window or frame it sits in, which it paints
    // itself (opaquevalues.h); a window drawn in other colours says so in its own style sheet.
    Zoom::instance().start(QStringLiteral(R"(
QMainWindow, QDialog, QLabel[role="value"] { background: #f3efe6; }
QGroupBox, QGroupBox QLabel[role="value"] { background: #fbf9f4; }
QGroupBox QGroupBox, QGroupBox QGroupBox QLabel[role="value"] { background: #f6f2e9; }
QGroupBox {
    border: 1px solid #b9ae98; border-radius: 6px; margin-top: 10px; padding: 6px 4px 4px 4px;
    font-weight: bold; color: #5a4a32;
}
QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 4px; }
QLabel[role="caption"] { color: #4a4a4a; font-weight: normal; }
QLabel[role="value"] { color: #1f3f77; font-weight: bold; }
QLabel#lblSpHelp {
    color: #5a4a32; background: #fff8e1; border: 1px solid #e3d3a4; border-radius: 6px;
    padding: 4px;
}
QWidget#placeButtons QToolButton {
    border: 1px solid transparent; border-radius: 8px; padding: 2px;
}
QWidget#placeButtons QToolButton:hover { border: 1px solid #c9a227; background: #fff3c4; }
QWidget#placeButtons QToolButton:focus { border: 2px solid #1f5fbf; background: #fff3c4; }
QWidget#placeButtons QToolButton:disabled { background: transparent; }
QPushButton { padding: 4px 14px; }
)"));
}

}  // namespace brankor::ui
