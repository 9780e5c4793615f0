#pragma once
// Play-through transcripts. A script per window drives the window's rules through the fake ports
// step by step; after every step the driver writes down what the player would see change: the
// controls and timers of the window, the message boxes with the answers given, the window calls
// and the status-panel fields. The text is checked in as tests/transcripts/<window>.txt and
// compared exactly, so any change to what a player sees shows up in review.
//
// A script is one .cpp file in tests/transcripts named after its window (frmShop.cpp); CMake
// makes one CTest test per such file:
//
//     TRANSCRIPT(frmShop) {
//         s.state().lblMoney = "5";           // set-up before the window loads is not written
//         s.open<FrmShop>();                  // writes every control and timer of the window
//         s.hover("cmdBuyDinner").click("cmdBuyDinner");
//         s.set("lblMoney", "0").click("cmdBuyDinner");
//     }
//
// Running `brankor_transcripts [window...]` compares; `--rewrite` (or the environment variable
// BRANKOR_REWRITE_TRANSCRIPTS=1) writes the transcripts afresh instead.
#include <functional>
#include <initializer_list>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "fakes/fakes.h"

namespace brankor::transcripts {

/// The text field of that name; a name that is none stops the script with its name.
inline std::string& textField(GameState& state, const std::string& name) {
    if (std::string* field = fieldByName(state, name)) return *field;
    throw std::logic_error("no text field " + name);
}

class Script : public testing::TestGame {
  public:
    Script();
    ~Script();

    /// Loads a fresh `P` (a window of rules) and writes its whole state. The window stays the
    /// one the steps act on until the next open() or watch().
    template <class P>
    Script& open() {
        m_owned = std::make_unique<P>(game);
        return loaded(*m_owned);
    }
    /// Acts on the window `window` that the rules loaded through the fake windows (a mini-game's
    /// parent after a replace, a place a picture button opened); register it with
    /// `windows.registerPlace<P>(name)` beforehand. Writes its whole state.
    Script& watch(const std::string& window);
    /// The window the steps act on.
    Place& place();

    // Steps. Each writes "> what" and then what changed.
    Script& hover(const std::string& control);  ///< "" is the bare window
    Script& click(const std::string& control);
    /// Hover then click, as a player buying something does (two steps).
    Script& buy(const std::string& control);
    Script& mouseDown(const std::string& control);
    Script& mouseUp(const std::string& control);
    /// A key going down: letters and digits as their upper-case codes, 13 Enter, 37..40 arrows.
    Script& key(const std::string& control, int code);
    /// Types `text` into a text box one character at a time ("\b" is backspace, "\r" Enter): each
    /// character passes the window's key filter, the box takes what it lets through and reports the
    /// change.
    Script& type(const std::string& control, const std::string& text);
    /// Replaces a text box's whole text (a paste) and reports the change.
    Script& change(const std::string& control, const std::string& text);
    /// `times` ticks of the window's timer, written as one step.
    Script& tick(const std::string& timer, int times = 1);
    /// The close box (or Escape): asks the window whether it may close.
    Script& close();
    /// Writes a status-panel field by its label's name, or a shared variable (BankBalance,
    /// CarIndex, VinchesterIndex, HasRod, HasTackle, BaitPacks, FishTotal, SkipExitConfirm),
    /// as the clock or another window would while this one is open.
    Script& set(const std::string& field, const std::string& value);
    /// The player closes `window`, which the fake windows hold (a place a picture button opened).
    Script& leave(const std::string& window);
    /// Anything else the player or the game does, e.g. a menu command of the main window.
    Script& step(const std::string& what, const std::function<void()>& action);

    // Set-up of the fakes, written as one line each, so the reader knows what comes.
    Script& yes();  ///< answers the next Yes/No box with Yes (unanswered boxes get No)
    Script& no();
    Script& draws(std::initializer_list<double> values);  ///< the next Rnd values
    Script& later(std::int64_t milliseconds);             ///< moves the steady clock on
    Script& at(Date date, TimeOfDay time);                ///< today's date and time
    /// A heading that splits the transcript into parts.
    Script& note(const std::string& text);
    /// Writes a line of its own (e.g. a control the rules keep outside a window class).
    Script& write(const std::string& line);
    /// Writes every status-panel field and shared variable under the heading `== heading`.
    Script& panel(const std::string& heading);

    /// The transcript so far.
    std::string text() const;

  private:
    Script& loaded(Place& place);
    void begin(const std::string& what);
    void report();
    void unload(const std::string& window);
    struct Seen;
    std::unique_ptr<Seen> m_seen;
    std::unique_ptr<Place> m_owned;
    Place* m_place = nullptr;
    std::string m_watched;  ///< the name of the window the fake windows hold for us, if any
    std::ostringstream m_out;
};

using ScriptFunction = void (*)(Script&);

/// Adds a script to the list the driver plays; TRANSCRIPT() makes one per file.
struct Registration {
    Registration(const char* window, ScriptFunction script);
};

}  // namespace brankor::transcripts

/// Defines the script of `window`; its body uses `s`, the Script.
#define TRANSCRIPT(window)                                                             \
    static void transcript_##window(::brankor::transcripts::Script& s);                \
    static const ::brankor::transcripts::Registration transcriptRegistration_##window{ \
        #window, transcript_##window};                                                 \
    static void transcript_##window(::brankor::transcripts::Script& s)
