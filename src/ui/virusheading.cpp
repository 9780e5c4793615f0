#include "virusheading.h"

#include <QLabel>

#include "computer/virus.h"
#include "placedialog.h"

namespace brankor::ui {
namespace {

void paintHeading(QLabel& heading, const FrmVirus& virus) {
    // The palette, not a style sheet: a blink only repaints the heading, and nothing else of
    // the window is styled again.
    const QColor colour = virus.headingWhite() ? QColor(0xff, 0xff, 0xff) : QColor(0xff, 0, 0);
    if (heading.palette().color(QPalette::WindowText) == colour) return;
    QPalette palette = heading.palette();
    palette.setColor(QPalette::WindowText, colour);
    heading.setPalette(palette);
}

}  // namespace

void followVirusHeading(QDialog& dialog) {
    auto* window = qobject_cast<PlaceDialog*>(&dialog);
    auto* heading = dialog.findChild<QLabel*>(QStringLiteral("lblTextVirus"));
    if (!window || !heading) return;
    const auto* virus = dynamic_cast<const FrmVirus*>(&window->place());
    if (!virus) return;
    paintHeading(*heading, *virus);
    QObject::connect(window, &PlaceDialog::handled, heading,
                     [heading, virus] { paintHeading(*heading, *virus); });
}

}  // namespace brankor::ui
