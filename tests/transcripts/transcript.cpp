// The transcript driver: plays the registered scripts and compares what they write with the
// checked-in transcripts. `brankor_transcripts [--rewrite] [window...]`; `--rewrite` or the
// environment variable BRANKOR_REWRITE_TRANSCRIPTS=1 writes the files instead of comparing.
#include "transcript.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <stdexcept>

namespace brankor::transcripts {
namespace {

std::map<std::string, ScriptFunction>& scripts() {
    static std::map<std::string, ScriptFunction> all;
    return all;
}

/// A text in quotes, with quotes, backslashes and control characters escaped, so that line
/// breaks and trailing blanks are plain to see.
std::string quoted(const std::string& text) {
    static const std::map<char, std::string> escapes = {
        {'\n', "\\n"}, {'\r', "\\r"}, {'\t', "\\t"}, {'"', "\\\""}, {'\\', "\\\\"}};
    const char* hex = "0123456789abcdef";
    std::string out = "\"";
    for (const char c : text) {
        if (const auto e = escapes.find(c); e != escapes.end())
            out += e->second;
        else if (static_cast<unsigned char>(c) < 0x20)
            out += std::string("\\x") + hex[c >> 4] + hex[c & 15];
        else
            out += c;
    }
    return out + "\"";
}

/// A control's state; `before` is what was last written of it, if anything. A long text that has
/// not changed is not repeated, and a control that comes back on or into view says so.
std::string describe(const std::string& name, const Control& c, const Control* before = nullptr) {
    const bool sameText = before && before->text == c.text && c.text.size() > 40;
    std::string line = "  " + name + " " + (sameText ? "(same text)" : quoted(c.text));
    if (!c.enabled) line += " disabled";
    if (before && c.enabled && !before->enabled) line += " enabled";
    if (!c.visible) line += " hidden";
    if (before && c.visible && !before->visible) line += " shown";
    if (!c.picture.empty()) line += " picture=" + c.picture;
    if (before && c.picture.empty() && !before->picture.empty()) line += " no picture";
    if (c.geometry) {
        const Twips& g = *c.geometry;
        line += " at " + std::to_string(g.left) + "," + std::to_string(g.top) + " size " +
                std::to_string(g.width) + "x" + std::to_string(g.height);
    }
    return line;
}

std::string describe(const std::string& name, const Timer& t) {
    return "  timer " + name + " " + std::to_string(t.interval) + " ms " +
           (t.enabled ? "running" : "stopped");
}

const char* iconName(Icon icon) {
    static const char* const names[] = {"no icon", "exclamation", "question", "information",
                                        "error"};
    return names[static_cast<int>(icon)];
}

std::string keyName(int code) {
    if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z'))
        return std::string("'") + static_cast<char>(code) + "'";
    static const std::map<int, std::string> names = {
        {8, "Backspace"}, {13, "Enter"}, {27, "Escape"}, {32, "Space"},
        {37, "Left"},     {38, "Up"},    {39, "Right"},  {40, "Down"}};
    const auto it = names.find(code);
    return it == names.end() ? std::to_string(code) : it->second;
}

/// The shared variables beside the text fields, as text, by name.
std::vector<std::pair<std::string, std::string>> variables(const GameState& s) {
    std::string hidden;
    for (const std::string& c : s.hiddenControls) hidden += (hidden.empty() ? "" : " ") + c;
    return {{"BankBalance", std::to_string(s.BankBalance)},
            {"CarIndex", std::to_string(s.CarIndex)},
            {"VinchesterIndex", std::to_string(s.VinchesterIndex)},
            {"HasRod", s.HasRod ? "True" : "False"},
            {"HasTackle", s.HasTackle ? "True" : "False"},
            {"BaitPacks", std::to_string(s.BaitPacks)},
            {"FishTotal", std::to_string(s.FishTotal)},
            {"SkipExitConfirm", std::to_string(s.SkipExitConfirm)},
            {"hiddenControls", "{" + hidden + "}"}};
}

/// The first character of UTF-8 `text` from `at`, moving `at` past it.
char32_t nextCharacter(const std::string& text, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (int i = 1; i < length && at + i < text.size(); ++i) c = (c << 6) | (byte(at + i) & 0x3F);
    at += length;
    return c;
}

}  // namespace

/// What the player saw when the last step ended.
struct Script::Seen {
    std::map<std::string, Control> controls;
    std::map<std::string, Timer> timers;
    GameState state;
    std::size_t boxes = 0;
    std::size_t calls = 0;
    int reseeds = 0;
    std::deque<Answer> answers;
};

Registration::Registration(const char* window, ScriptFunction script) {
    scripts()[window] = script;
}

Script::Script() : m_seen(std::make_unique<Seen>()) {
    m_seen->state = state();
    m_seen->calls = windows.log.size();
}

Script::~Script() = default;

Place& Script::place() {
    if (!m_place) throw std::logic_error("the script acts on no window yet");
    return *m_place;
}

Script& Script::loaded(Place& loaded) {
    m_place = &loaded;
    m_watched.clear();
    m_out << (m_out.tellp() > 0 ? "\n" : "") << "== " << loaded.name() << " "
          << quoted(loaded.caption()) << "\n";
    m_seen->controls.clear();
    m_seen->timers.clear();
    m_seen->answers = messages.answers;
    loaded.onLoad();
    report();
    return *this;
}

Script& Script::watch(const std::string& window) {
    Place* found = windows.find(window);
    if (!found) throw std::logic_error(window + " is not loaded");
    m_place = found;
    m_watched = window;
    m_out << (m_out.tellp() > 0 ? "\n" : "") << "== " << window << " (as loaded) "
          << quoted(found->caption()) << "\n";
    m_seen->controls.clear();
    m_seen->timers.clear();
    report();
    return *this;
}

void Script::begin(const std::string& what) {
    m_out << "> " << what << "\n";
    m_seen->answers = messages.answers;
}

void Script::report() {
    Seen& seen = *m_seen;
    // A window the fake windows held may have been unloaded by the step (a death closes them all).
    if (!m_watched.empty() && windows.find(m_watched) != m_place) {
        m_out << "  (" << m_watched << " is unloaded)\n";
        m_place = nullptr;
        m_watched.clear();
        seen.controls.clear();
        seen.timers.clear();
    }
    if (m_place) {
        for (const auto& [name, control] : m_place->controls()) {
            const auto old = seen.controls.find(name);
            if (old == seen.controls.end())
                m_out << describe(name, control) << "\n";
            else if (!(old->second == control))
                m_out << describe(name, control, &old->second) << "\n";
        }
        for (const auto& [name, timer] : m_place->timers()) {
            const auto old = seen.timers.find(name);
            if (old == seen.timers.end() || old->second.interval != timer.interval ||
                old->second.enabled != timer.enabled)
                m_out << describe(name, timer) << "\n";
        }
        seen.controls = m_place->controls();
        seen.timers = m_place->timers();
    }
    for (; seen.boxes < messages.shown.size(); ++seen.boxes) {
        const Message& m = messages.shown[seen.boxes];
        m_out << "  box " << iconName(m.icon) << " " << quoted(m.title) << " " << quoted(m.text);
        if (m.buttons == Buttons::Ok) {
            m_out << " [OK]\n";
            continue;
        }
        const bool yes = !seen.answers.empty() && seen.answers.front() == Answer::Yes;
        if (!seen.answers.empty()) seen.answers.pop_front();
        m_out << " [Yes/No] -> " << (yes ? "Yes" : "No") << "\n";
    }
    if (random.reseeds != seen.reseeds) m_out << "  (the random numbers reseeded)\n";
    seen.reseeds = random.reseeds;
    for (; seen.calls < windows.log.size(); ++seen.calls)
        m_out << "  window " << windows.log[seen.calls] << "\n";
    for (const Field& f : fields())
        if (state().*(f.member) != seen.state.*(f.member))
            m_out << "  state " << f.name << " " << quoted(state().*(f.member)) << "\n";
    const auto before = variables(seen.state);
    const auto now = variables(state());
    for (std::size_t i = 0; i < now.size(); ++i)
        if (now[i].second != before[i].second)
            m_out << "  state " << now[i].first << " " << now[i].second << "\n";
    seen.state = state();
}

Script& Script::step(const std::string& what, const std::function<void()>& action) {
    begin(what);
    action();
    report();
    return *this;
}

Script& Script::hover(const std::string& control) {
    const std::string shown = control.empty() ? "(window)" : control;
    return step("hover " + shown, [&] {
        if (control.empty() || place()[control].enabled) return place().onMouseMove(control);
        m_out << "  (" << control << " is disabled: the pointer is over the window)\n";
        place().onMouseMove("");
    });
}

Script& Script::click(const std::string& control) {
    return step("click " + (control.empty() ? "(window)" : control), [&] {
        if (!control.empty() && (!place()[control].enabled || !place()[control].visible)) {
            m_out << "  (" << control << " cannot be clicked now)\n";
            return;
        }
        place().onClick(control);
    });
}

Script& Script::buy(const std::string& control) {
    return hover(control).click(control);
}

Script& Script::mouseDown(const std::string& control) {
    return step("mouseDown " + (control.empty() ? "(window)" : control),
                [&] { place().onMouseDown(control); });
}

Script& Script::mouseUp(const std::string& control) {
    return step("mouseUp " + (control.empty() ? "(window)" : control),
                [&] { place().onMouseUp(control); });
}

Script& Script::key(const std::string& control, int code) {
    return step("key " + (control.empty() ? "(window)" : control) + " " + keyName(code),
                [&] { place().onKey(control, static_cast<Key>(code)); });
}

Script& Script::type(const std::string& control, const std::string& text) {
    return step("type " + control + " " + quoted(text), [&] {
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t from = at;
            const char32_t c = nextCharacter(text, at);
            if (!place().onKeyPress(control, c)) {
                m_out << "  (dropped " << quoted(text.substr(from, at - from)) << ")\n";
                continue;
            }
            std::string& box = place()[control].text;
            if (c == 13) continue;  // Enter is heard, but a one-line box takes no line break
            if (c != 8) {
                box += text.substr(from, at - from);
            } else if (!box.empty()) {
                std::size_t last = box.size() - 1;
                while (last > 0 && (static_cast<unsigned char>(box[last]) & 0xC0) == 0x80) --last;
                box.erase(last);
            }
            place().onChange(control);
        }
    });
}

Script& Script::change(const std::string& control, const std::string& text) {
    return step("change " + control + " = " + quoted(text), [&] {
        place()[control].text = text;
        place().onChange(control);
    });
}

Script& Script::tick(const std::string& timer, int times) {
    const std::string what = "tick " + timer + (times > 1 ? " x" + std::to_string(times) : "");
    return step(what, [&] {
        for (int i = 0; i < times; ++i) {
            if (!place().timer(timer).enabled) {
                m_out << "  (" << timer << " is stopped: no tick)\n";
                return;
            }
            place().onTimer(timer);
        }
    });
}

Script& Script::close() {
    return step("close box", [&] {
        if (!place().onQueryClose()) {
            m_out << "  (the window stays open)\n";
        } else if (!m_watched.empty()) {
            unload(m_watched);
        }
    });
}

void Script::unload(const std::string& window) {
    // The platform unloads the window; that is no call of the rules, so it is not logged.
    windows.close(window);
    windows.log.pop_back();
}

Script& Script::leave(const std::string& window) {
    return step("leave " + window, [&] { unload(window); });
}

Script& Script::set(const std::string& field, const std::string& value) {
    return step("set " + field + " = " + quoted(value), [&] {
        GameState& s = state();
        const auto number = [&] { return static_cast<std::int16_t>(std::stoi(value)); };
        if (std::string* text = fieldByName(s, field))
            *text = value;
        else if (field == "BankBalance")
            s.BankBalance = number();
        else if (field == "CarIndex")
            setCar(s, number());
        else if (field == "VinchesterIndex")
            setVinchester(s, number());
        else if (field == "HasRod")
            s.HasRod = value == "True";
        else if (field == "HasTackle")
            s.HasTackle = value == "True";
        else if (field == "BaitPacks")
            s.BaitPacks = number();
        else if (field == "FishTotal")
            s.FishTotal = number();
        else if (field == "SkipExitConfirm")
            s.SkipExitConfirm = number();
        else
            throw std::logic_error("no field " + field);
    });
}

Script& Script::yes() {
    messages.answers.push_back(Answer::Yes);
    m_out << "> (the next Yes/No box is answered Yes)\n";
    return *this;
}

Script& Script::no() {
    messages.answers.push_back(Answer::No);
    m_out << "> (the next Yes/No box is answered No)\n";
    return *this;
}

Script& Script::draws(std::initializer_list<double> values) {
    m_out << "> (random:";
    for (const double v : values) {
        this->random.values.push_back(v);
        m_out << " " << v;
    }
    m_out << ")\n";
    return *this;
}

Script& Script::later(std::int64_t milliseconds) {
    clock.ms += milliseconds;
    m_out << "> (" << milliseconds << " ms later)\n";
    return *this;
}

Script& Script::at(Date date, TimeOfDay time) {
    clock.date = date;
    clock.time = time;
    m_out << "> (today is " << date.year << "-" << date.month << "-" << date.day << " " << time.hour
          << ":" << time.minute << ":" << time.second << ")\n";
    return *this;
}

Script& Script::note(const std::string& text) {
    m_out << (m_out.tellp() > 0 ? "\n" : "") << "# " << text << "\n";
    return *this;
}

Script& Script::write(const std::string& line) {
    m_out << line << "\n";
    return *this;
}

Script& Script::panel(const std::string& heading) {
    m_out << (m_out.tellp() > 0 ? "\n" : "") << "== " << heading << "\n";
    for (const Field& f : fields())
        m_out << "  state " << f.name << " " << quoted(state().*(f.member)) << "\n";
    for (const auto& [name, value] : variables(state()))
        m_out << "  state " << name << " " << value << "\n";
    m_seen->state = state();
    return *this;
}

std::string Script::text() const {
    std::string out = m_out.str();
    // Answers or numbers a script queued but nothing asked for: the script expected a box or a
    // draw that did not come.
    if (!messages.answers.empty())
        out += "! " + std::to_string(messages.answers.size()) + " answer(s) never asked for\n";
    if (!random.values.empty())
        out += "! " + std::to_string(random.values.size()) + " random value(s) never drawn\n";
    return out;
}

}  // namespace brankor::transcripts

namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

/// The first lines where `expected` and `actual` part, unified-diff style: the lines up to where
/// both run alike again for three lines (looked for within 40 lines), with three lines around.
void printDifference(const std::string& expected, const std::string& actual) {
    const auto want = lines(expected), got = lines(actual);
    std::size_t first = 0;
    while (first < want.size() && first < got.size() && want[first] == got[first]) ++first;
    const auto alike = [&](std::size_t w, std::size_t g) {
        for (std::size_t i = 0; i < 3; ++i) {
            if (w + i >= want.size() || g + i >= got.size())
                return w + i >= want.size() && g + i >= got.size();
            if (want[w + i] != got[g + i]) return false;
        }
        return true;
    };
    std::size_t wantEnd = std::min(want.size(), first + 40),
                gotEnd = std::min(got.size(), first + 40);
    for (std::size_t sum = 0; sum <= 80; ++sum) {
        bool found = false;
        for (std::size_t w = 0; w <= sum && !found; ++w)
            if (alike(first + w, first + sum - w)) {
                wantEnd = first + w, gotEnd = first + sum - w;
                found = true;
            }
        if (found) break;
    }
    std::cout << "@@ line " << first + 1 << " @@\n";
    for (std::size_t i = first < 3 ? 0 : first - 3; i < first; ++i)
        std::cout << " " << want[i] << "\n";
    for (std::size_t i = first; i < wantEnd; ++i) std::cout << "-" << want[i] << "\n";
    for (std::size_t i = first; i < gotEnd; ++i) std::cout << "+" << got[i] << "\n";
    for (std::size_t i = wantEnd; i < std::min(want.size(), wantEnd + 3); ++i)
        std::cout << " " << want[i] << "\n";
}

}  // namespace

int main(int argc, char** argv) {
    using namespace brankor::transcripts;
    const char* env = std::getenv("BRANKOR_REWRITE_TRANSCRIPTS");
    bool rewrite = env && std::string(env) == "1";
    std::vector<std::string> chosen;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--rewrite")
            rewrite = true;
        else
            chosen.push_back(argv[i]);
    }
    if (chosen.empty())
        for (const auto& entry : scripts()) chosen.push_back(entry.first);
    std::vector<std::string> mismatched;
    for (const std::string& window : chosen) {
        const auto found = scripts().find(window);
        if (found == scripts().end()) {
            std::cout << "no script for " << window << "\n";
            return 2;
        }
        Script script;
        std::string actual;
        try {
            found->second(script);
            actual = script.text();
        } catch (const std::exception& e) {
            std::cout << window << ": the script stopped: " << e.what() << "\n";
            return 2;
        }
        const std::string path = std::string(BRANKOR_TRANSCRIPTS_DIR) + "/" + window + ".txt";
        if (rewrite) {
            std::ofstream(path, std::ios::binary) << actual;
            continue;
        }
        std::ifstream in(path, std::ios::binary);
        const std::string expected{std::istreambuf_iterator<char>(in), {}};
        if (expected == actual) continue;
        mismatched.push_back(window);
        std::cout << "--- " << path << "\n+++ " << window << " as played now\n";
        printDifference(expected, actual);
        std::ofstream(window + ".actual.txt", std::ios::binary) << actual;
    }
    for (const std::string& window : mismatched)
        std::cout << window << ": the transcript differs (what the script plays now is in "
                  << window << ".actual.txt; --rewrite accepts it)\n";
    return mismatched.empty() ? 0 : 1;
}
