#include "placedialog.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "art.h"
#include "controlsync.h"

namespace brankor::ui {

PlaceDialog::PlaceDialog(std::unique_ptr<Place> place, const SetupUi& setupUi, QWidget* parent)
    : QDialog(parent), m_place(std::move(place)) {
    setupUi(*this);
    setObjectName(QString::fromStdString(m_place->name()));
    setWindowTitle(QString::fromStdString(m_place->caption()));
    setWindowIcon(artIcon(QStringLiteral("icon")));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    wire();
}

PlaceDialog::~PlaceDialog() = default;

QString PlaceDialog::controlNameOf(QObject* object) const {
    const QString name = object->objectName();
    if (object != this && !name.isEmpty() && m_place->has(name.toStdString())) return name;
    return {};
}

void PlaceDialog::wire() {
    setMouseTracking(true);
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) {
        child->setMouseTracking(true);
        child->installEventFilter(this);
        const QString name = controlNameOf(child);
        if (name.isEmpty()) continue;
        const std::string control = name.toStdString();
        if (auto* button = qobject_cast<QAbstractButton*>(child)) {
            connect(button, &QAbstractButton::clicked, this,
                    [this, control] { dispatch([this, control] { m_place->onClick(control); }); });
        } else if (auto* line = qobject_cast<QLineEdit*>(child)) {
            connect(line, &QLineEdit::textChanged, this, [this, control](const QString& text) {
                if (m_syncing) return;
                dispatch([this, control, text] {
                    (*m_place)[control].text = text.toStdString();
                    m_place->onChange(control);
                });
            });
        }
    }
    for (const auto& [name, timer] : m_place->timers()) {
        auto* qtimer = new QTimer(this);
        qtimer->setTimerType(Qt::PreciseTimer);
        const std::string timerName = name;
        connect(qtimer, &QTimer::timeout, this, [this, timerName] {
            dispatch([this, timerName] { m_place->onTimer(timerName); });
        });
        m_timers.insert(QString::fromStdString(name), qtimer);
    }
    sync();
}

void PlaceDialog::sync() {
    m_syncing = true;
    syncControls(*this, *m_place);
    for (const auto& [name, timer] : m_place->timers()) {
        QTimer* qtimer = m_timers.value(QString::fromStdString(name));
        if (!qtimer) continue;
        if (qtimer->interval() != timer.interval) qtimer->setInterval(timer.interval);
        const bool run = timer.enabled && timer.interval > 0;
        if (run && !qtimer->isActive()) qtimer->start();
        if (!run && qtimer->isActive()) qtimer->stop();
    }
    m_syncing = false;
}

void PlaceDialog::dispatch(const std::function<void()>& handler) {
    {
        UnloadGuard::Handling handling(m_unload);
        handler();
    }
    if (!m_unload.unloading()) sync();
    emit handled();
}

void PlaceDialog::unload() {
    hide();
    for (QTimer* timer : std::as_const(m_timers)) timer->stop();
    // The window leaves the main window's care: should that go first (a death), it must not
    // take this one along while one of this window's handlers is still running.
    setParent(nullptr);
    m_unload.unload();
}

bool PlaceDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove && watched->isWidgetType()) {
        // A move that a button or label ignores travels on to its parents; only the widget
        // under the pointer reports it, or the hover would be undone by the bare window at once.
        const auto* widget = static_cast<QWidget*>(watched);
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (!widget->childAt(at)) {
            // A part of a control (the viewport of a text box) counts as the control; a disabled
            // control takes no pointer events, so the move belongs to what lies beneath it.
            QString name;
            for (QObject* o = watched; o && o != this && name.isEmpty(); o = o->parent())
                if (static_cast<QWidget*>(o)->isEnabled()) name = controlNameOf(o);
            const std::string control = name.toStdString();
            dispatch([this, control] { m_place->onMouseMove(control); });
        }
    }
    if (event->type() == QEvent::MouseButtonRelease && watched == this &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        // A click that no control took (buttons take their own) is a click on the bare window,
        // unless it landed on an enabled control that ignores clicks, such as a label.
        QString name;
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        for (QObject* o = childAt(at); o && o != this && name.isEmpty(); o = o->parent())
            if (static_cast<QWidget*>(o)->isEnabled()) name = controlNameOf(o);
        if (name.isEmpty()) dispatch([this] { m_place->onClick(""); });
    }
    return QDialog::eventFilter(watched, event);
}

void PlaceDialog::keyPressEvent(QKeyEvent* event) {
    const int key = gameKeyCode(event->key());
    if (key == 27) {  // Escape closes the window as its back button would
        QDialog::keyPressEvent(event);
        return;
    }
    if (key != 0) {
        QWidget* focus = focusWidget();
        const std::string control = focus ? controlNameOf(focus).toStdString() : std::string();
        dispatch([this, control, key] { m_place->onKey(control, key); });
    }
    QDialog::keyPressEvent(event);
}

void PlaceDialog::reject() {
    // Escape or the close box: the place decides, as it does for its own close button.
    bool mayClose = false;
    {
        UnloadGuard::Handling handling(m_unload);
        mayClose = m_place->onQueryClose();
    }
    if (mayClose && !m_unload.unloading()) QDialog::reject();
}

}  // namespace brankor::ui
