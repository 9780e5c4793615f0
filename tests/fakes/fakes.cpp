#include "fakes.h"

#include "game/newgame.h"

namespace brankor::testing {

Answer FakeMessages::show(const Message& message) {
    shown.push_back(message);
    if (whileOpen) whileOpen(message);
    if (message.buttons == Buttons::Ok) return Answer::Ok;
    if (answers.empty()) return Answer::No;
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

bool FakeWindows::exists(const std::string& window) const {
    return window == "frmMain" || window == "frmFirst" || m_makers.count(window) != 0;
}

Place* FakeWindows::load(const std::string& window) {
    log.push_back("load " + window);
    if (Place* open = find(window)) return open;
    const auto maker = m_makers.find(window);
    if (maker == m_makers.end() || !m_game) {
        if (window == "frmMain" || window == "frmFirst") visible[window] = false;
        return nullptr;
    }
    Place* place = (m_open[window] = maker->second(*m_game)).get();
    place->onLoad();
    return place;
}

void FakeWindows::show(const std::string& window, Modality modality) {
    if (!isOpen(window)) load(window);
    log.push_back("show " + window + (modality == Modality::Modal ? " modal" : " modeless"));
    visible[window] = true;
}

void FakeWindows::hide(const std::string& window) {
    log.push_back("hide " + window);
    if (visible.count(window)) visible[window] = false;
}

void FakeWindows::close(const std::string& name) {
    // A place closing itself passes its own name, which dies with it.
    const std::string window = name;
    log.push_back("close " + window);
    m_open.erase(window);
    visible.erase(window);
}

void FakeWindows::replace(const std::string& from, const std::string& to) {
    log.push_back("replace " + from + " " + to);
    close(from);
    show(to, Modality::Modal);
}

Place* FakeWindows::find(const std::string& window) {
    const auto it = m_open.find(window);
    return it == m_open.end() ? nullptr : it->second.get();
}

bool FakeWindows::isOpen(const std::string& window) const {
    return m_open.count(window) != 0 || visible.count(window) != 0;
}

void FakeWindows::closeAllPlaces() {
    log.push_back("closeAllPlaces");
    m_open.clear();
    for (auto it = visible.begin(); it != visible.end();)
        it = it->first == "frmMain" ? std::next(it) : visible.erase(it);
}

void FakeWindows::quit() {
    log.push_back("quit");
    quitCalled = true;
}

void FakeWindows::registerPlace(const std::string& window,
                                std::function<std::unique_ptr<Place>(Game&)> make) {
    m_makers[window] = std::move(make);
}

double FakeRandom::rnd() {
    if (values.empty()) return 0.0;
    const double value = values.front();
    values.pop_front();
    return value;
}

std::optional<std::string> FakeFiles::choose(FileDialogKind) {
    if (paths.empty()) return std::nullopt;
    auto path = paths.front();
    paths.pop_front();
    return path;
}

TestGame::TestGame() : game(Platform{messages, windows, clock, random, files}) {
    windows.setGame(game);
    createMainWindow(game);
    windows.log.clear();
}

std::vector<std::string> TestGame::titles() const {
    std::vector<std::string> result;
    for (const Message& m : messages.shown) result.push_back(m.title);
    return result;
}

}  // namespace brankor::testing
