#pragma once
// What the rules ask of the platform. The real program implements these with Qt; tests
// implement them with scripted fakes.
#include <cstdint>
#include <optional>
#include <string>

namespace brankor {

class Place;

enum class Icon { None, Exclamation, Question, Information, Error };
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

struct Message {
    std::string title;
    std::string text;
    Icon icon = Icon::Exclamation;
    Buttons buttons = Buttons::Ok;
    bool operator==(const Message&) const = default;
};

/// Modal message boxes: the call returns when the player has answered.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    virtual Answer show(const Message& message) = 0;
};

enum class Modality { Modal, Modeless };

/// The game's windows, by name ("frmMain", "frmFirst", "frmBank", ...).
class Windows {
  public:
    virtual ~Windows() = default;
    /// Whether a window of that name exists in this build of the game.
    virtual bool exists(const std::string& window) const = 0;
    /// Loads the window (runs its load handler) unless it is open already; does not show it.
    virtual Place* load(const std::string& window) = 0;
    /// Loads the window if needed and shows it. Modal holds the caller until it is closed.
    virtual void show(const std::string& window, Modality modality) = 0;
    /// Hides the window, keeping it loaded.
    virtual void hide(const std::string& window) = 0;
    /// Unloads the window if it is open.
    virtual void close(const std::string& window) = 0;
    /// Once the running handler has returned, unloads `from` and shows `to` modally in its place.
    virtual void replace(const std::string& from, const std::string& to) = 0;
    /// The loaded place window of that name, or nullptr.
    virtual Place* find(const std::string& window) = 0;
    virtual bool isOpen(const std::string& window) const = 0;
    /// Unloads every place window (everything but the main and start-up windows).
    virtual void closeAllPlaces() = 0;
    /// Ends the program at once.
    virtual void quit() = 0;
};

struct Date {
    int year = 2000;
    int month = 1;
    int day = 1;
};

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

class SystemClock {
  public:
    virtual ~SystemClock() = default;
    virtual Date today() const = 0;
    virtual TimeOfDay now() const = 0;
    /// Milliseconds on a steady clock that never jumps (for measuring how long something took).
    virtual std::int64_t milliseconds() const = 0;
};

/// A uniform generator in the Randomize/Rnd style.
class Random {
  public:
    virtual ~Random() = default;
    /// Reseeds the generator from the clock.
    virtual void randomize() = 0;
    /// A number in [0, 1).
    virtual double rnd() = 0;
};

/// Whole number from 0 to n - 1 with equal chances: Int(Rnd * n).
int draw(Random& random, int n);

enum class FileDialogKind { Open, Save };

/// The open/save dialog with the saved-game filter. Empty when the player cancels.
class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    virtual std::optional<std::string> choose(FileDialogKind kind) = 0;
};

}  // namespace brankor
