// Renders every window of the game to PNG files: the start-up window, the main window, every
// registered place window and the end window, so that a layout can be looked at without playing.
// It also names what looks clipped (a caption wider than its control) or overlapping (two
// controls of one window on top of each other).
//   brankor_screenshots OUTDIR
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <cstdio>

#include "framework/ports.h"
#include "ui/application.h"
#include "ui/careerwindow.h"
#include "ui/diarywindow.h"
#include "ui/mainwindow.h"
#include "ui/placeregistry.h"

namespace {

using namespace brankor;

/// Nobody is there to answer: every box gets OK or No and is named on stderr.
class AnsweredMessages : public MessageBoxes {
  public:
    Answer show(const Message& message) override {
        std::fprintf(stderr, "  (message box \"%s\" answered)\n", message.title.c_str());
        return message.buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
};

QString nameOf(const QWidget& w) {
    return w.objectName().isEmpty() ? QString::fromUtf8(w.metaObject()->className())
                                    : w.objectName();
}

/// The width a single-line caption needs, or 0 when the control wraps or shows a picture.
int neededWidth(const QWidget& w) {
    if (const auto* label = qobject_cast<const QLabel*>(&w)) {
        if (label->wordWrap() || !label->pixmap().isNull() || label->text().isEmpty()) return 0;
        return label->fontMetrics().horizontalAdvance(label->text()) + 2 * label->margin() +
               2 * label->frameWidth();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&w)) {
        if (button->text().isEmpty()) return 0;
        return button->fontMetrics().horizontalAdvance(button->text()) +
               2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    }
    return 0;
}

/// Controls that show something and have no controls inside.
QList<QWidget*> leaves(QWidget& window) {
    QList<QWidget*> result;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || w->objectName().startsWith(QLatin1String("qt_"))) continue;
        if (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
            qobject_cast<QLineEdit*>(w))
            result.append(w);
    }
    return result;
}

/// Prints what looks clipped or overlapping; returns how many findings there were.
int inspect(QWidget& window) {
    int findings = 0;
    const QList<QWidget*> controls = leaves(window);
    for (QWidget* w : controls) {
        const int needed = neededWidth(*w);
        if (needed > w->width()) {
            std::printf(
                "  clipped: %s needs %d px for \"%s\", has %d\n", qPrintable(nameOf(*w)), needed,
                qPrintable(qobject_cast<QLabel*>(w) ? qobject_cast<QLabel*>(w)->text()
                                                    : qobject_cast<QAbstractButton*>(w)->text()),
                w->width());
            ++findings;
        }
        if (!window.rect().contains(QRect(w->mapTo(&window, QPoint()), w->size()))) {
            std::printf("  outside the window: %s\n", qPrintable(nameOf(*w)));
            ++findings;
        }
    }
    for (int i = 0; i < controls.size(); ++i) {
        for (int j = i + 1; j < controls.size(); ++j) {
            QWidget* a = controls[i];
            QWidget* b = controls[j];
            if (a->isAncestorOf(b) || b->isAncestorOf(a)) continue;
            const QRect ra(a->mapTo(&window, QPoint()), a->size());
            const QRect rb(b->mapTo(&window, QPoint()), b->size());
            if (ra.intersects(rb)) {
                std::printf("  overlapping: %s and %s\n", qPrintable(nameOf(*a)),
                            qPrintable(nameOf(*b)));
                ++findings;
            }
        }
    }
    return findings;
}

bool save(QWidget& window, const QDir& dir, const QString& name, int& findings) {
    window.show();
    QApplication::processEvents();
    const QString file = dir.filePath(name + QStringLiteral(".png"));
    const bool saved = window.grab().save(file);
    std::printf("%s %s (%dx%d)\n", saved ? "wrote" : "COULD NOT WRITE", qPrintable(file),
                window.width(), window.height());
    findings += inspect(window);
    return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ui::Application::installTranslations();
    ui::Application::applyStyle();
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(dir.path())) return 1;

    AnsweredMessages answered;
    ui::ApplicationPorts ports;
    ports.messages = &answered;
    ports.quit = [] {};
    ui::Application game(ports);
    ui::Navigator& nav = game.navigator();
    bool ok = true;
    int findings = 0;

    // Nothing here waits on a modal window; one that a window opens by itself while loading
    // (another window shown modally) is pictured too and then closed, so that the run goes on.
    QTimer unexpected;
    QObject::connect(&unexpected, &QTimer::timeout, &app, [&] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!modal) return;
        ok &= save(*modal, dir, nameOf(*modal), findings);
        modal->done(QDialog::Rejected);
    });
    unexpected.start(100);

    game.start();
    ui::PlaceDialog* first = nav.dialog("frmFirst");
    if (!first) return 1;
    ok &= save(*first, dir, QStringLiteral("frmFirst"), findings);
    first->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    QApplication::processEvents();
    if (!nav.mainWindow()) return 1;
    ok &= save(*nav.mainWindow(), dir, QStringLiteral("frmMain"), findings);

    // The diary after a few game days, so that its chart has lines to draw.
    for (int hour = 0; hour < 5 * 24; ++hour) nav.mainWindow()->advanceTime(1500);
    nav.mainWindow()->openDiary();
    if (QWidget* diary = nav.mainWindow()->diary()) {
        ok &= save(*diary, dir, QStringLiteral("frmDiary"), findings);
        diary->close();
    }

    // The career guide of a player a few steps in: a job, some clothes, a course under way.
    GameState& state = game.game().state;
    state.lblMyWork = state.lblSWork = "Грузчик";
    state.lblClothes = "Летняя";
    state.lblEduncation = "Неполное среднее";
    state.lblHungry = "-24";
    nav.refresh();
    ok &= save(*nav.mainWindow(), dir, QStringLiteral("frmMainHungry"), findings);
    nav.mainWindow()->openCareer();
    if (QWidget* career = nav.mainWindow()->career()) {
        ok &= save(*career, dir, QStringLiteral("frmCareer"), findings);
        career->close();
    }

    for (const auto& [name, kind] : ui::placeKinds()) {
        if (name == "frmFirst") continue;
        if (!nav.load(name)) continue;
        ui::PlaceDialog* dialog = nav.dialog(name);
        if (!dialog) continue;
        ok &= save(*dialog, dir, QString::fromStdString(name), findings);
        nav.close(name);
        QApplication::processEvents();
    }
    std::printf("%d finding(s) to look at\n", findings);
    return ok ? 0 : 1;
}
