#pragma once
// Steps the scripts of the computer and leisure windows share: the pointer over everything, and
// what the player reads on the status panel while a message box is still open.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "transcript.h"

namespace brankor::transcripts {

/// The pointer over every visible control of the window in turn but those whose names begin
/// with `skip` (a row of like pictures), then over the bare window.
inline Script& hoverAll(Script& s, const std::vector<std::string>& skip = {}) {
    std::vector<std::string> names;
    for (const auto& [name, control] : s.place().controls()) {
        const auto skipped = [&](const std::string& prefix) { return name.starts_with(prefix); };
        if (control.visible && std::none_of(skip.begin(), skip.end(), skipped))
            names.push_back(name);
    }
    for (const std::string& name : names) s.hover(name);
    return s.hover("");
}

/// Plays `steps`, then writes for each box they showed what `fields` (status-panel fields, or
/// controls of the window) read while it was open and whether a window had been called by then:
/// the order in which the player learns of an outcome and sees it.
inline Script& reading(Script& s, const std::vector<std::string>& fields,
                       const std::function<void()>& steps) {
    std::vector<std::string> seen;
    const std::size_t calls = s.windows.log.size();
    s.messages.whileOpen = [&](const Message& box) {
        std::string line = "  (while \"" + box.title + "\" was open:";
        for (const std::string& field : fields) {
            const std::string* value = fieldByName(s.state(), field);
            const Control* shown = value ? nullptr : &s.place()[field];
            line += " " + field + " \"" + (value ? *value : shown->text) + "\"";
            if (shown && !shown->enabled) line += " disabled";
            if (shown && !shown->picture.empty()) line += " picture=" + shown->picture;
        }
        seen.push_back(line + (s.windows.log.size() == calls ? ", no window call yet)"
                                                             : ", a window was called)"));
    };
    steps();
    s.messages.whileOpen = nullptr;
    for (const std::string& line : seen) s.write(line);
    return s;
}

/// Clicks `control`, reading `fields` while each box it shows is open.
inline Script& clickReading(Script& s, const std::string& control,
                            const std::vector<std::string>& fields) {
    return reading(s, fields, [&] { s.click(control); });
}

}  // namespace brankor::transcripts
