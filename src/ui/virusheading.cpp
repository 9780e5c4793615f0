#include "virusheading.h"

#include <QLabel>

#include "computer/virus.h"
#include "placedialog.h"

namespace brankor::ui {
namespace {

void paintHeading(QLabel& heading, const FrmVirus& virus) {
    heading.setStyleSheet(virus.headingWhite() ? QStringLiteral("color: #ffffff;")
                                               : QStringLiteral("color: #ff0000;"));
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
