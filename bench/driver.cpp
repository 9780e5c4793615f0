// Runs the real game without a player, for bench/run.sh. The game itself takes no options; this
// separate program starts it exactly as the game's main() does and measures it.
//   brankor_bench_driver startup       exits once the start-up window has been painted, and
//                                      says how many shared libraries it had mapped by then
//   brankor_bench_driver idle SECONDS  starts a game ("OK" in the start-up window), waits, then
//                                      reports the CPU time spent after the main window was first
//                                      painted and the peak memory, and exits
//   brankor_bench_driver busy SECONDS  as idle, with the windows that keep timers of their own
//                                      running open (hacking, the virus, the jokes site), and
//                                      the diary
// The idle runs also count wake-ups and paints; with BENCH_SMAPS=FILE set they copy
// /proc/self/smaps to FILE at the main window's first paint, for a breakdown of the memory.
//   brankor_bench_driver arcade SECONDS as idle, but with an arcade game running (paddle idle;
//                                      every play-again question answered Yes) instead of the
//                                      busy windows
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "framework/ports.h"
#include "paintwatch.h"
#include "processstats.h"
#include "ui/application.h"
#include "ui/mainwindow.h"

namespace {

/// No player sits at the screen: a box is answered at once (and named on stderr), so nothing
/// waits and no box is counted as idle time.
class AnsweredMessages : public brankor::MessageBoxes {
  public:
    explicit AnsweredMessages(bool yes) : m_yes(yes) {}
    brankor::Answer show(const brankor::Message& message) override {
        if (!m_yes) std::fprintf(stderr, "message box: %s\n", message.title.c_str());
        if (message.buttons == brankor::Buttons::Ok) return brankor::Answer::Ok;
        return m_yes ? brankor::Answer::Yes : brankor::Answer::No;
    }

  private:
    bool m_yes;
};

/// Windows that keep timers of their own running while they are open.
constexpr const char* kBusyWindows[] = {"frmHakerstvo", "frmVirus", "frmInterAnek"};

bool named(QWidget& window, const char* name) {
    return window.objectName() == QLatin1String(name) && window.isVisible();
}

}  // namespace

int main(int argc, char* argv[]) {
    // The busy and arcade runs are idle runs with windows of their own open.
    const bool arcade = argc >= 2 && std::strcmp(argv[1], "arcade") == 0;
    const bool busy = argc >= 2 && std::strcmp(argv[1], "busy") == 0;
    char idleWord[] = "idle";
    if (arcade || busy) argv[1] = idleWord;
    const int seconds = brankor::bench::idleSeconds(argc, argv);
    if (seconds < 0) return 2;
    const bool idle = seconds > 0;

    // As the game's main() does. The program ends with exit(), not quit(): quit() would first
    // close the windows, and closing the start-up window asks the player whether to leave.
    brankor::ui::Application::prepareQt();
    QApplication app(argc, argv);
    brankor::ui::Application::setUpQt();

    AnsweredMessages answered(arcade);
    brankor::ui::ApplicationPorts ports;
    if (idle) ports.messages = &answered;
    brankor::ui::Application game(ports);
    brankor::ui::Navigator& navigator = game.navigator();

    brankor::bench::Usage shown;
    brankor::bench::PaintCount painted;
    brankor::bench::Drawn drawnShown;
    std::unique_ptr<brankor::bench::PaintWatch> mainPainted;
    brankor::bench::PaintWatch firstPainted(
        [](QWidget& w) { return named(w, "frmFirst"); },
        [&] {
            if (!idle) {
                brankor::bench::printMappedLibraries();
                QCoreApplication::exit(0);
                return;
            }
            mainPainted = std::make_unique<brankor::bench::PaintWatch>(
                [](QWidget& w) { return named(w, "frmMain"); },
                [&] {
                    brankor::bench::copySmaps();
                    shown = brankor::bench::usageNow();
                    drawnShown = painted.drawn;
                    QTimer::singleShot(seconds * 1000, &app, [&] {
                        if (!navigator.mainWindow()) {
                            std::fprintf(stderr, "the game ended during the idle run\n");
                            QCoreApplication::exit(1);
                            return;
                        }
                        brankor::bench::printUsageSince(shown, painted.drawn - drawnShown);
                        QCoreApplication::exit(0);
                    });
                });
            brankor::ui::PlaceDialog* first = navigator.dialog("frmFirst");
            auto* ok = first ? first->findChild<QPushButton*>(QStringLiteral("cmdOK")) : nullptr;
            if (!ok) {
                std::fprintf(stderr, "the start-up window has no cmdOK\n");
                QCoreApplication::exit(1);
                return;
            }
            ok->click();
            if (arcade) {
                navigator.show("frmAr", brankor::Modality::Modeless);
                brankor::ui::PlaceDialog* ar = navigator.dialog("frmAr");
                auto* start = ar ? ar->findChild<QPushButton*>(QStringLiteral("cmdNew")) : nullptr;
                if (!start) {
                    std::fprintf(stderr, "the arcade has no cmdNew\n");
                    QCoreApplication::exit(1);
                    return;
                }
                start->click();
                return;
            }
            if (busy) {
                for (const char* window : kBusyWindows)
                    navigator.show(window, brankor::Modality::Modeless);
                navigator.mainWindow()->openDiary();  // redrawn at most once a game hour
            }
        });
    game.start();
    return QApplication::exec();
}
