#pragma once
// Scripted stand-ins for the platform: they record what the player would see and answer as a
// test tells them to.
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/place.h"
#include "game/game.h"

namespace brankor::testing {

using Boxes = std::vector<Message>;
/// A box without an icon, as most places show them.
inline Message plain(std::string title, std::string text) {
    return {std::move(title), std::move(text), Icon::None};
}
/// `text` cut at every `separator`.
inline std::vector<std::string> split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    for (std::size_t from = 0, to;; from = to + separator.size()) {
        to = text.find(separator, from);
        parts.push_back(text.substr(from, to - from));
        if (to == std::string::npos) return parts;
    }
}
/// The refusal of every purchase made with no money.
inline const Message kNoMoney{"Внимание", "У вас, не хватает денег на это"};

/// Records every message box and answers from a script (OK for OK boxes; Yes/No queued).
class FakeMessages : public MessageBoxes {
  public:
    Answer show(const Message& message) override;
    std::vector<Message> shown;
    std::deque<Answer> answers;  ///< answers for Yes/No boxes, in order; "No" when empty
    /// Runs during each box, as if time went on while it was open.
    std::function<void(const Message&)> whileOpen;
};

/// Records what the rules asked of the windows, and keeps the places it was told to load.
class FakeWindows : public Windows {
  public:
    bool exists(const std::string& window) const override;
    Place* load(const std::string& window) override;
    void show(const std::string& window, Modality modality) override;
    void hide(const std::string& window) override;
    void close(const std::string& window) override;
    void replace(const std::string& from, const std::string& to) override;
    Place* find(const std::string& window) override;
    bool isOpen(const std::string& window) const override;
    void closeAllPlaces() override;
    void quit() override;

    /// Makes `window` a place this fake can load.
    void registerPlace(const std::string& window,
                       std::function<std::unique_ptr<Place>(Game&)> make);
    /// Makes `window` a place of class `P`.
    template <class P>
    void registerPlace(const std::string& window) {
        registerPlace(window, [](Game& g) { return std::make_unique<P>(g); });
    }
    void setGame(Game& game) { m_game = &game; }

    std::vector<std::string> log;  ///< "show frmBank modal", "close frmMain", "quit", ...
    bool quitCalled = false;
    std::map<std::string, bool> visible;

  private:
    Game* m_game = nullptr;
    std::map<std::string, std::function<std::unique_ptr<Place>(Game&)>> m_makers;
    std::map<std::string, std::unique_ptr<Place>> m_open;
};

class FakeClock : public SystemClock {
  public:
    Date today() const override { return date; }
    TimeOfDay now() const override { return time; }
    std::int64_t milliseconds() const override { return ms; }
    Date date{2026, 5, 9};
    TimeOfDay time{12, 0, 0};
    std::int64_t ms = 0;  ///< a test moves the steady clock by hand
};

/// Returns scripted numbers in [0, 1); 0 when the script runs out.
class FakeRandom : public Random {
  public:
    void randomize() override { ++reseeds; }
    double rnd() override;
    std::deque<double> values;
    int reseeds = 0;
};

class FakeFiles : public FileDialogs {
  public:
    std::optional<std::string> choose(FileDialogKind kind) override;
    std::deque<std::optional<std::string>> paths;
};

/// A game on fakes, started as the start-up window's "OK" starts it.
struct TestGame {
    TestGame();
    FakeMessages messages;
    FakeWindows windows;
    FakeClock clock;
    FakeRandom random;
    FakeFiles files;
    Game game;
    GameState& state() { return game.state; }
    /// Titles of the boxes shown so far.
    std::vector<std::string> titles() const;
    std::string money() { return state().lblMoney; }
    /// The money and the mood, as "170 30".
    std::string moneyAndMood() { return state().lblMoney + " " + state().lblHappyness; }
};

/// A window of rules opened on a fake game, with the pointer moved and buttons clicked as a
/// player would; open() again starts a new visit.
template <class P>
struct PlaceTest : TestGame {
    std::unique_ptr<P> place;
    void open() {
        place = std::make_unique<P>(game);
        place->onLoad();
    }
    /// Opens a visit with `money` and `mood` on the status panel.
    explicit PlaceTest(const char* money = "170", const char* mood = "30", bool opened = true) {
        state().lblMoney = money;
        state().lblHappyness = mood;
        if (opened) open();
    }
    Control& operator[](const std::string& control) { return (*place)[control]; }
    void hover(const std::string& control) { place->onMouseMove(control); }
    void click(const std::string& control) { place->onClick(control); }
    void buy(const std::string& control) {
        hover(control);
        click(control);
    }
    /// The last box shown, or an empty one when none was.
    Message lastBox() const { return messages.shown.empty() ? Message{} : messages.shown.back(); }
};

}  // namespace brankor::testing
