#include "zoommenu.h"

#include <QActionGroup>
#include <QApplication>
#include <QScreen>

#include "windowscale.h"
#include "zoom.h"

namespace brankor::ui {

ZoomMenu::ZoomMenu(QWidget& mainWindow)
    : QMenu(QStringLiteral("&Масштаб"), &mainWindow),
      m_main(mainWindow),
      m_steps(new QActionGroup(this)) {
    setObjectName(QStringLiteral("mnuZoom"));
    Zoom& zoom = Zoom::instance();
    m_larger = addAction(QStringLiteral("&Крупнее"));
    m_larger->setObjectName(QStringLiteral("ZoomIn"));
    m_larger->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus)});
    connect(m_larger, &QAction::triggered, this, [this, &zoom] { zoom.setPercent(stepFrom(1)); });
    m_smaller = addAction(QStringLiteral("&Мельче"));
    m_smaller->setObjectName(QStringLiteral("ZoomOut"));
    m_smaller->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    connect(m_smaller, &QAction::triggered, this, [this, &zoom] { zoom.setPercent(stepFrom(-1)); });
    QAction* normal = addAction(QStringLiteral("&Обычный размер"));
    normal->setObjectName(QStringLiteral("ZoomReset"));
    normal->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(normal, &QAction::triggered, this, [&zoom] { zoom.setPercent(kZoomSteps.front()); });
    addSeparator();
    for (const int percent : kZoomSteps) {
        QAction* step = addAction(QStringLiteral("%1 %").arg(percent));
        step->setObjectName(QStringLiteral("Zoom%1").arg(percent));
        step->setCheckable(true);
        m_steps->addAction(step);
        connect(step, &QAction::triggered, this, [&zoom, percent] { zoom.setPercent(percent); });
    }
    connect(this, &QMenu::aboutToShow, this, &ZoomMenu::follow);
    connect(&zoom, &Zoom::changed, this, &ZoomMenu::follow);
    follow();
}

bool ZoomMenu::fits(int percent) const {
    const QScreen* screen = m_main.screen();
    if (!screen) return true;
    // The window's least size now, scaled from the size it was last scaled to (which a change of
    // zoom may not have reached yet) to the step asked about.
    const Zoom& zoom = Zoom::instance();
    const qreal by = zoom.factor() * percent / zoom.percent() / scaledBy(m_main);
    const QSize least = m_main.minimumSizeHint().expandedTo(m_main.minimumSize());
    const QSize frame = m_main.frameGeometry().size() - m_main.geometry().size();
    const QSize needed = QSize(qRound(least.width() * by), qRound(least.height() * by)) + frame;
    const QSize room = screen->availableGeometry().size();
    return needed.width() <= room.width() && needed.height() <= room.height();
}

int ZoomMenu::stepFrom(int by) const {
    const int now = Zoom::instance().percent();
    const auto at = std::find(kZoomSteps.begin(), kZoomSteps.end(), now);
    const auto index = (at == kZoomSteps.end() ? 0 : at - kZoomSteps.begin()) + by;
    if (index < 0 || index >= static_cast<int>(kZoomSteps.size())) return now;
    const int step = kZoomSteps[static_cast<std::size_t>(index)];
    return fits(step) ? step : now;
}

bool ZoomMenu::takeKey(const QKeyEvent& event) {
    const QKeySequence pressed(event.keyCombination());
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const auto* menu = window->findChild<ZoomMenu*>();
        if (!menu) continue;
        for (QAction* key : {menu->m_larger, menu->m_smaller,
                             menu->findChild<QAction*>(QStringLiteral("ZoomReset"))}) {
            if (!key->shortcuts().contains(pressed)) continue;
            if (key->isEnabled()) key->trigger();
            return true;
        }
    }
    return false;
}

void ZoomMenu::follow() {
    const int now = Zoom::instance().percent();
    for (QAction* step : m_steps->actions()) {
        const int percent = step->objectName().mid(4).toInt();
        step->setChecked(percent == now);
        step->setEnabled(percent <= now || fits(percent));
    }
    m_larger->setEnabled(stepFrom(1) != now);
    m_smaller->setEnabled(stepFrom(-1) != now);
}

}  // namespace brankor::ui
