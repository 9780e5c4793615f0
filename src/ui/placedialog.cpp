#include "placedialog.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>

#include "accessiblelabels.h"
#include "art.h"
#include "controlsync.h"
#include "fixedfigures.h"
#include "opaquevalues.h"
#include "zoom.h"
#include "zoommenu.h"

namespace brankor::ui {

PlaceDialog::PlaceDialog(std::unique_ptr<Place> place, const SetupUi& setupUi, QWidget* parent)
    : QDialog(parent), m_place(std::move(place)) {
    setupUi(*this);
    // Scaled to the zoom before the first sync, which places the moving controls; after a
    // change of zoom every control is shown again at its new size.
    Zoom::instance().follow(*this);
    connect(&Zoom::instance(), &Zoom::changed, this, &PlaceDialog::rezoom);
    setObjectName(QString::fromStdString(m_place->name()));
    setWindowTitle(QString::fromStdString(m_place->caption()));
    setWindowIcon(artIcon(QStringLiteral("icon")));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    wire();
    paintValuesOpaque(*this);
    fixFormFigures(*this);
}

PlaceDialog::~PlaceDialog() = default;

QString PlaceDialog::controlNameOf(QObject* object) const {
    const QString name = object->objectName();
    if (object != this && !name.isEmpty() && m_place->has(name.toStdString())) return name;
    return {};
}

namespace {

/// Whether a widget of the form that no rule names still takes the pointer for itself, as a
/// caption, a frame, a decorative picture or a scroll bar does. Layout containers and drawn
/// lines do not: the pointer over them is over what lies beneath.
bool takesPointer(const QWidget& widget) {
    if (qobject_cast<const QLabel*>(&widget) || qobject_cast<const QGroupBox*>(&widget) ||
        qobject_cast<const QAbstractButton*>(&widget) || qobject_cast<const QLineEdit*>(&widget) ||
        qobject_cast<const QAbstractScrollArea*>(&widget) ||
        qobject_cast<const QScrollBar*>(&widget))
        return true;
    const auto* frame = qobject_cast<const QFrame*>(&widget);
    return frame && frame->frameShape() != QFrame::NoFrame &&
           frame->frameShape() != QFrame::HLine && frame->frameShape() != QFrame::VLine;
}

/// The character a key types into a text box, as a key filter hears it: Backspace as 8, Enter as
/// 13, printable characters as themselves; 0 for keys that move or edit without typing (Tab,
/// Shift+Tab, Delete, arrows, Home, End, Escape, Ctrl shortcuts), whatever text they carry.
char32_t typedCharacter(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        default:
            break;
    }
    const char32_t typed = event.text().isEmpty() ? 0 : event.text().toUcs4().value(0);
    return typed < 32 || typed == 127 ? 0 : typed;
}

}  // namespace

std::optional<QString> PlaceDialog::enabledControlAt(QObject* watched) const {
    // A part of a control (the viewport of a text box) counts as the control, but its scroll bar
    // is the scroll bar's own; a disabled control takes no pointer events, so the event belongs
    // to what lies beneath it.
    for (QObject* o = watched; o && o != this; o = o->parent()) {
        const auto* widget = static_cast<QWidget*>(o);
        if (!widget->isEnabled()) continue;
        const QString name = controlNameOf(o);
        if (!name.isEmpty()) return name;
        if (takesPointer(*widget)) return std::nullopt;
    }
    return QString();
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
        // Every mouse button on a control reaches the rules; only a text box that the player
        // types into keeps the platform's edit menu on its right button.
        auto* editable = qobject_cast<QLineEdit*>(child);
        if (!editable || editable->isReadOnly())
            child->setContextMenuPolicy(Qt::PreventContextMenu);
        if (auto* button = qobject_cast<QAbstractButton*>(child)) {
            connect(button, &QAbstractButton::clicked, this,
                    [this, control] { dispatch([this, control] { m_place->onClick(control); }); });
        } else if (auto* line = qobject_cast<QLineEdit*>(child)) {
            connect(line, &QLineEdit::textChanged, this, [this, control](const QString& text) {
                if (m_syncing) return;
                dispatch([this, control, text] {
                    // The box shows what was typed: should the rule take it back, the sync
                    // that follows must see the difference and put the box right.
                    (*m_place)[control].text = text.toStdString();
                    if (auto shown = m_shown.find(control);
                        shown != m_shown.end() && shown->second.control)
                        shown->second.control->text = text.toStdString();
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
            m_shortened.remove(QString::fromStdString(timerName));
            dispatch([this, timerName] { m_place->onTimer(timerName); });
        });
        m_timers.insert(QString::fromStdString(name), qtimer);
    }
    m_captionOf = pairCaptions(*this);
    sync();
    hideDecorativePictures(*this);
}

void PlaceDialog::sync() {
    m_syncing = true;
    bool changed = false;
    for (const auto& [name, control] : m_place->controls()) {
        auto shown = m_shown.find(name);
        if (shown == m_shown.end()) {
            QWidget* widget = findChild<QWidget*>(QString::fromStdString(name));
            shown = m_shown.emplace(name, Shown{widget, std::nullopt}).first;
        }
        if (!shown->second.widget || shown->second.control == control) continue;
        applyControl(*shown->second.widget, control);
        shown->second.control = control;
        changed = true;
    }
    for (const auto& [name, timer] : m_place->timers()) {
        const QString key = QString::fromStdString(name);
        QTimer* qtimer = m_timers.value(key);
        if (!qtimer) continue;
        const bool run = timer.enabled && timer.interval > 0;
        if (m_paused) {
            // The rules stopped it during the pause (a handler that was waiting on a box).
            if (!run) m_remaining.remove(key);
            continue;
        }
        if (!run) {
            m_shortened.remove(key);
            if (qtimer->isActive()) qtimer->stop();
        }
        if (!m_shortened.contains(key) && qtimer->interval() != timer.interval)
            qtimer->setInterval(timer.interval);
        if (run && !qtimer->isActive()) qtimer->start();
    }
    // A value label is named after its caption: with no text changed, no name changes either.
    if (changed) labelValues();
    m_syncing = false;
}

void PlaceDialog::rezoom() {
    for (auto& [name, shown] : m_shown) shown.control.reset();
    if (!m_unload.unloading()) sync();
}

void PlaceDialog::setPaused(bool paused) {
    if (paused == m_paused) return;
    m_paused = paused;
    const QString caption = QString::fromStdString(m_place->caption());
    if (paused) {
        for (auto it = m_timers.cbegin(); it != m_timers.cend(); ++it) {
            if (!it.value()->isActive()) continue;
            m_remaining.insert(it.key(), std::max(0, it.value()->remainingTime()));
            it.value()->stop();
        }
        m_focusBeforePause = focusWidget();
        setEnabled(false);
        setWindowTitle(QStringLiteral("Пауза — ") + caption);
        return;
    }
    setWindowTitle(caption);
    setEnabled(true);
    // The focus comes back where the player left it; that is no move of the player's.
    if (m_focusBeforePause && m_focusBeforePause->isEnabled()) {
        m_syncing = true;
        m_focusBeforePause->setFocus(Qt::OtherFocusReason);
        m_syncing = false;
    }
    for (auto it = m_remaining.cbegin(); it != m_remaining.cend(); ++it) {
        QTimer* qtimer = m_timers.value(it.key());
        m_shortened.insert(it.key());
        qtimer->start(it.value());
    }
    m_remaining.clear();
    if (!m_unload.unloading()) sync();
}

void PlaceDialog::labelValues() {
    for (auto it = m_captionOf.cbegin(); it != m_captionOf.cend(); ++it)
        nameAfterCaption(*it.key(), *it.value());
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
    m_remaining.clear();
    // The window leaves the main window's care: should that go first (a death), it must not
    // take this one along while one of this window's handlers is still running.
    setParent(nullptr);
    m_unload.unload();
}

bool PlaceDialog::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType() || m_unload.unloading())
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
            if (mouseEvent(watched, event)) return true;
            break;
        case QEvent::KeyPress:
            if (keyEvent(watched, static_cast<QKeyEvent*>(event))) return true;
            break;
        case QEvent::FocusIn:
            focusMoved(watched, static_cast<QFocusEvent*>(event)->reason());
            break;
        default:
            break;
    }
    return QDialog::eventFilter(watched, event);
}

bool PlaceDialog::mouseEvent(QObject* watched, QEvent* event) {
    // How the pointer reaches the rules: any button going down over a control is a press (the
    // second press of a quick pair comes as a double-click and counts like the first), its
    // release is heard once, and a left press and release on one label or picture is a click.
    auto* mouse = static_cast<QMouseEvent*>(event);
    const auto* widget = static_cast<QWidget*>(watched);
    const QPoint at = mouse->position().toPoint();
    if (event->type() == QEvent::MouseButtonRelease) {
        // The release travels from the control pressed up to the window; it is heard once.
        if (!m_pressing || mouse->button() != m_pressedButton) return false;
        m_pressing = false;
        const std::string pressed = m_pressed.toStdString();
        dispatch([this, pressed] { m_place->onMouseUp(pressed); });
        if (m_unload.unloading() || mouse->button() != Qt::LeftButton) return false;
        // Buttons click themselves; on the bare window, a click on the window.
        const bool button =
            !m_pressed.isEmpty() && qobject_cast<QAbstractButton*>(findChild<QWidget*>(m_pressed));
        QWidget* under = childAt(mapFromGlobal(mouse->globalPosition().toPoint()));
        const std::optional<QString> releasedOn = under ? enabledControlAt(under) : QString();
        if (!button && releasedOn == m_pressed)
            dispatch([this, pressed] { m_place->onClick(pressed); });
        return false;
    }
    // A move or press that a button or label ignores travels on to its parents; only the widget
    // under the pointer reports it, or the bare window would undo what the control did at once.
    if (widget->childAt(at)) return false;
    // A caption, a frame or a scroll bar takes the pointer itself and tells the rules nothing.
    const std::optional<QString> name = enabledControlAt(watched);
    if (!name) return false;
    const std::string control = name->toStdString();
    if (event->type() == QEvent::MouseMove) {
        m_hovered = *name;
        m_hoveredByFocus = false;
        dispatch([this, control] { m_place->onMouseMove(control); });
        return false;
    }
    // The player moved the focus elsewhere since the pointer came to rest here: the offer
    // on show is that of the focused control, so the pointer's own comes back first.
    if (m_hoveredByFocus && *name != m_hovered) pointAt(*name, false);
    if (m_unload.unloading()) return false;
    m_pressing = true;
    m_pressedButton = mouse->button();
    m_pressed = *name;
    dispatch([this, control] { m_place->onMouseDown(control); });
    return false;
}

bool PlaceDialog::keyEvent(QObject* watched, QKeyEvent* event) {
    // A key travels from the focused control up to the window; the window hears it once, first.
    QWidget* focus = focusWidget();
    if (watched != (focus ? focus : this)) return false;
    if (ZoomMenu::takeKey(*event)) return true;  // the zoom keys work in every window
    const std::string control = focus ? controlNameOf(focus).toStdString() : std::string();
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // A held key repeats what it moves (the arcade's paddle) but presses nothing twice: Space or
    // Enter held down on a fish or a button is one press.
    if (event->isAutoRepeat() && (enter || event->key() == Qt::Key_Space)) return true;
    const Key key = gameKey(event->key());
    if (key != Key::None && key != Key::Escape)
        dispatch([this, control, key] { m_place->onKey(control, key); });
    if (m_unload.unloading()) return true;
    if (auto* line = qobject_cast<QLineEdit*>(focus); line && !line->isReadOnly()) {
        const char32_t typed = typedCharacter(*event);
        if (typed != 0) {
            bool accepted = true;
            dispatch([&] { accepted = m_place->onKeyPress(control, typed); });
            if (!accepted || m_unload.unloading()) return true;
        }
    }
    // Enter presses the focused button, as Space does; either acts on the focused button's offer
    // even when the pointer has shown another since.
    auto* button = qobject_cast<QAbstractButton*>(focus);
    if (!button || !button->isEnabled() || event->modifiers() != Qt::NoModifier ||
        !(enter || event->key() == Qt::Key_Space))
        return false;
    const QString name = controlNameOf(button);
    if (!name.isEmpty() && (!m_hoveredByFocus || m_hovered != name)) pointAt(name, true);
    if (m_unload.unloading()) return true;
    if (!enter) return false;
    button->click();
    return true;
}

void PlaceDialog::focusMoved(QObject* watched, Qt::FocusReason reason) {
    // Only focus the player moves is a move: Tab, Shift+Tab, arrows, a shortcut, or an assistive
    // tool setting it. Focus that comes back after a box or window closed, that a mouse press
    // gave, or that moved because the rules disabled or hid a control is not.
    if (m_syncing) return;
    const bool moved = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                       reason == Qt::ShortcutFocusReason ||
                       (reason == Qt::OtherFocusReason && isActiveWindow());
    if (!moved) return;
    const QString name = enabledControlAt(watched).value_or(QString());
    if (!name.isEmpty()) pointAt(name, true);
}

void PlaceDialog::pointAt(const QString& control, bool byFocus) {
    m_hovered = control;
    m_hoveredByFocus = byFocus;
    const std::string name = control.toStdString();
    dispatch([this, name] { m_place->onMouseMove(name); });
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
