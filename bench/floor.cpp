// The floor the game is measured against: the least a Qt Widgets program does to show one window
// with one picture and one button, built with the same flags as the game.
//   brankor_floor startup      shows the window and exits once it has been painted
//   brankor_floor idle SECONDS shows the window with one 1500 ms timer, then reports the CPU time
//                              spent after the first paint and the peak memory, and exits
// With BENCH_SMAPS=FILE set, the idle run copies /proc/self/smaps to FILE at its first paint.
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "paintwatch.h"
#include "processstats.h"

int main(int argc, char* argv[]) {
    const int seconds = brankor::bench::idleSeconds(argc, argv);
    if (seconds < 0) return 2;
    const bool idle = seconds > 0;
    QApplication app(argc, argv);

    QWidget window;
    window.setObjectName(QStringLiteral("floor"));
    auto* layout = new QVBoxLayout(&window);
    auto* picture = new QLabel;
    QPixmap pixmap(480, 160);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        QSvgRenderer(QStringLiteral(":/art/title.svg")).render(&painter);
    }
    picture->setPixmap(pixmap);
    layout->addWidget(picture);
    auto* tick = new QLabel(QStringLiteral("0"));
    layout->addWidget(tick);
    layout->addWidget(new QPushButton(QStringLiteral("OK")));

    QTimer timer;
    int ticks = 0;
    QObject::connect(&timer, &QTimer::timeout, &app,
                     [&] { tick->setText(QString::number(++ticks)); });
    timer.setInterval(1500);

    brankor::bench::Usage shown;
    brankor::bench::PaintCount painted;  // counted as in the game, at the same cost
    brankor::bench::Drawn drawnShown;
    brankor::bench::PaintWatch watch(
        [](QWidget& w) { return w.objectName() == QLatin1String("floor"); },
        [&] {
            if (!idle) {
                brankor::bench::printMappedLibraries();
                QCoreApplication::exit(0);
                return;
            }
            brankor::bench::copySmaps();
            shown = brankor::bench::usageNow();
            drawnShown = painted.drawn;
            timer.start();
            QTimer::singleShot(seconds * 1000, &app, [&] {
                brankor::bench::printUsageSince(shown, painted.drawn - drawnShown);
                QCoreApplication::exit(0);
            });
        });
    window.show();
    return QApplication::exec();
}
