#include "navigator.h"

#include <QApplication>
#include <QTimer>

#include "game/newgame.h"
#include "game/windownames.h"
#include "mainwindow.h"
#include "placeregistry.h"

namespace brankor::ui {

Navigator::Navigator(std::function<void()> quit) : m_quit(std::move(quit)) {}

Navigator::~Navigator() {
    for (auto& [name, dialog] : m_open) delete dialog.data();
    delete m_main.data();
}

bool Navigator::exists(const std::string& window) const {
    return window == window::kMain || placeKinds().count(window) != 0;
}

PlaceDialog* Navigator::dialog(const std::string& window) const {
    const auto it = m_open.find(window);
    return it == m_open.end() ? nullptr : it->second.data();
}

PlaceDialog* Navigator::openDialog(const std::string& window) {
    if (PlaceDialog* open = dialog(window)) return open;
    const auto kind = placeKinds().find(window);
    if (kind == placeKinds().end() || !m_game) return nullptr;
    // Place windows belong to the main window, so they go with it; the start-up window stands
    // on its own.
    QWidget* parent = window == window::kFirst ? nullptr : m_main.data();
    auto* created = new PlaceDialog(kind->second.make(*m_game), kind->second.setupUi, parent);
    m_open[window] = created;
    connect(created, &QDialog::finished, this,
            [this, window, created] { forget(window, created); });
    // The window that handled the event has shown its own outcome already.
    connect(created, &PlaceDialog::handled, this, [this, created] { refresh(created); });
    if (m_paused && window != window::kFirst) created->setPaused(true);
    created->dispatch([created] { created->place().onLoad(); });
    return created;
}

Place* Navigator::load(const std::string& window) {
    if (window == window::kMain) {
        if (!m_main && m_game) {
            m_main = new MainWindow(*m_game, *this);
            connect(m_main, &MainWindow::closed, this, &Navigator::mainClosed);
            createMainWindow(*m_game);
        }
        return nullptr;
    }
    PlaceDialog* opened = openDialog(window);
    return opened ? &opened->place() : nullptr;
}

void Navigator::show(const std::string& window, Modality modality) {
    if (window == window::kMain) {
        if (!m_main) load(window::kMain);  // creating it shows it
        if (m_main) m_main->show();
        refresh();
        emit shown(QString::fromStdString(window));
        return;
    }
    if (modality == Modality::Modal && window != window::kFirst) {
        runModal(window);
        return;
    }
    PlaceDialog* opened = openDialog(window);
    if (!opened) return;
    // The start-up window after a death is modal to the whole program, but nothing waits for
    // it: the dead game's handlers must be free to return.
    opened->setWindowModality(modality == Modality::Modal ? Qt::ApplicationModal : Qt::NonModal);
    opened->sync();
    opened->show();
    opened->raise();
    opened->activateWindow();
    emit shown(QString::fromStdString(window));
}

void Navigator::runModal(std::string window) {
    while (!window.empty()) {
        if (m_inModalLoop.count(window)) return;  // already waiting on this window
        PlaceDialog* opened = openDialog(window);
        if (!opened) return;
        m_inModalLoop.insert(window);
        ++m_modalDepth;
        opened->setWindowModality(Qt::ApplicationModal);
        opened->sync();  // the rules may have set the window up between loading and showing
        QTimer::singleShot(0, this, [this, window] { emit shown(QString::fromStdString(window)); });
        opened->exec();
        --m_modalDepth;
        m_inModalLoop.erase(window);
        const auto next = m_replacements.find(window);
        if (next == m_replacements.end()) return;
        window = next->second;
        m_replacements.erase(next);
    }
}

void Navigator::hide(const std::string& window) {
    if (window == window::kMain) {
        if (m_main) m_main->hide();
    } else if (PlaceDialog* open = dialog(window)) {
        open->hide();
    }
}

void Navigator::close(const std::string& window) {
    if (window == window::kMain) {
        if (m_main) m_main->tryClose();
        return;
    }
    if (PlaceDialog* open = dialog(window)) open->done(QDialog::Rejected);
}

void Navigator::forget(const std::string& window, PlaceDialog* closed) {
    const auto it = m_open.find(window);
    if (it != m_open.end() && it->second == closed) m_open.erase(it);
    closed->unload();
}

void Navigator::replace(const std::string& from, const std::string& to) {
    if (m_inModalLoop.count(from)) {
        m_replacements[from] = to;
        close(from);
        return;
    }
    close(from);
    QTimer::singleShot(0, this, [this, to] { show(to, Modality::Modal); });
}

Place* Navigator::find(const std::string& window) {
    PlaceDialog* open = dialog(window);
    return open ? &open->place() : nullptr;
}

bool Navigator::isOpen(const std::string& window) const {
    if (window == window::kMain) return m_main != nullptr;
    return dialog(window) != nullptr;
}

void Navigator::closeAllPlaces() {
    std::vector<std::string> names;
    for (const auto& [name, open] : m_open) names.push_back(name);
    for (const std::string& name : names) close(name);
}

void Navigator::quit() {
    closeAllPlaces();
    if (m_main) m_main->stopTime();
    m_quit();
}

void Navigator::mainClosed() {
    MainWindow* closed = m_main;
    m_main = nullptr;
    if (closed) {
        closed->stopTime();
        closed->unload();
    }
}

std::unique_ptr<DialogLease> Navigator::leaseParent() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal->isVisible()) {
        if (auto* place = qobject_cast<PlaceDialog*>(modal)) {
            if (!place->unloading())
                return std::make_unique<DialogLease>(place, &place->unloadGuard());
        } else if (modal != m_main) {
            return std::make_unique<DialogLease>(modal, nullptr);  // a box or dialog over a box
        }
    }
    if (m_main && m_main->isVisible())
        return std::make_unique<DialogLease>(m_main, &m_main->unloadGuard());
    PlaceDialog* first = dialog(window::kFirst);
    if (first && first->isVisible() && !first->unloading())
        return std::make_unique<DialogLease>(first, &first->unloadGuard());
    return std::make_unique<DialogLease>(nullptr, nullptr);
}

void Navigator::setPaused(bool paused) {
    m_paused = paused;
    for (auto& [name, open] : m_open)
        if (open && name != window::kFirst) open->setPaused(paused);
}

void Navigator::refresh(const PlaceDialog* synced) {
    if (m_main) m_main->syncPanel();
    for (auto& [name, open] : m_open)
        if (open && open != synced) open->sync();
}

}  // namespace brankor::ui
