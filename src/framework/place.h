#pragma once
// A window of the game as the rules see it: the state of its named controls, its own
// variables, and one handler per event. The Qt form of the window mirrors the controls by name.
#include <map>
#include <optional>
#include <string>

#include "framework/ports.h"

namespace brankor {

/// Where a control lies in its window, in twips (15 twips make one pixel at 1x).
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Twips&) const = default;
};

/// What the player sees of one control.
struct Control {
    std::string text;  ///< caption of a label, button or frame; contents of a text box
    bool enabled = true;
    bool visible = true;
    std::string picture;  ///< artwork name shown by a picture control ("" = none)
    /// Set for controls that the rules move or resize; the form's layout places the others.
    std::optional<Twips> geometry;
    bool operator==(const Control&) const = default;
};

/// A window timer: fires every `interval` milliseconds while enabled and the window is open.
/// The code of a key a window hears. Letters and digits come as their upper-case characters
/// ('A'..'Z', '0'..'9'), the other keys the rules know by these names.
enum class Key : int {
    None = 0,
    Backspace = 8,
    Enter = 13,
    Escape = 27,
    Space = 32,
    Left = 37,
    Up = 38,
    Right = 39,
    Down = 40,
};

struct Timer {
    int interval = 0;
    bool enabled = false;
};

class Place {
  public:
    Place(Windows& windows, std::string name, std::string caption);
    virtual ~Place() = default;
    Place(const Place&) = delete;
    Place& operator=(const Place&) = delete;

    const std::string& name() const { return m_name; }
    const std::string& caption() const { return m_caption; }

    /// The control called `control`; it must have been declared by the window.
    Control& operator[](const std::string& control);
    const Control& operator[](const std::string& control) const;
    bool has(const std::string& control) const { return m_controls.count(control) != 0; }
    const std::map<std::string, Control>& controls() const { return m_controls; }

    Timer& timer(const std::string& name);
    const std::map<std::string, Timer>& timers() const { return m_timers; }

    // Events. `control` is a control's name; "" stands for the bare window.
    virtual void onLoad() {}
    virtual void onClick(const std::string& control) { (void)control; }
    virtual void onMouseMove(const std::string& control) { (void)control; }
    /// A mouse button (any of them) went down, or up, over a control (or the bare window).
    virtual void onMouseDown(const std::string& control) { (void)control; }
    virtual void onMouseUp(const std::string& control) { (void)control; }
    /// A text box's text changed; its new text is already in the control.
    virtual void onChange(const std::string& control) { (void)control; }
    /// A key went down while `control` has the focus. The window hears it before the control
    /// does.
    virtual void onKey(const std::string& control, Key key) { (void)control, (void)key; }
    /// A character typed into the text box `control` (8 for backspace, 13 for Enter), before the
    /// box takes it; keys that only move or edit (Tab, Delete, arrows, Home, End) never come here.
    /// Returning false drops the character.
    virtual bool onKeyPress(const std::string& control, char32_t character) {
        (void)control, (void)character;
        return true;
    }
    virtual void onTimer(const std::string& timer) { (void)timer; }
    /// The player asks to close the window (close box or Escape); false keeps it open.
    virtual bool onQueryClose() { return true; }
    /// The game changed under this open window (the clock struck midnight): show it again.
    virtual void onGameChanged() {}

  protected:
    /// Declares a control with its design-time state.
    Control& declare(const std::string& control, Control initial = {});
    void declareTimer(const std::string& name, int interval, bool enabled);

    /// Unloads this window (after the running handler returns).
    void close();

  private:
    Windows& m_windows;
    std::string m_name;
    std::string m_caption;
    std::map<std::string, Control> m_controls;
    std::map<std::string, Timer> m_timers;
};

}  // namespace brankor
