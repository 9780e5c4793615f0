#pragma once
// The player's diary: what the main window showed at every game midnight, and the moments of a
// life worth remembering, in the order they happened. Kept for the run only (never saved); a new
// or loaded game starts a fresh one, and both lists are capped so a long run stays small.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

#include "game/gamestate.h"

namespace brankor {

/// What the status panel showed at one moment.
struct DiaryPoint {
    std::string date;  ///< "06/12/26": the game's day, month and year
    double money = 0;
    std::int16_t bankBalance = 0;
    double mood = 0;
    double satiety = 0;

    bool operator==(const DiaryPoint&) const = default;
};

enum class DiaryEventKind {
    Hired,
    Promoted,
    CourseFinished,
    CarBought,
    FlatBought,
    Virus,
    Death,
    CourseJoined,
    CourseLeft,
    Bought,  ///< a rung of another ladder: clothes, bath, kitchen, furniture, computer, programs
    Deposit,
    Withdrawal,
    Fishing,
    Won,   ///< a casino win
    Lost,  ///< a casino loss, or spins paid for
    Hacking,
    Connected,
};

struct DiaryEvent {
    std::string date;  ///< as in DiaryPoint
    std::string hour;  ///< the game hour it happened at
    DiaryEventKind kind = DiaryEventKind::Hired;
    std::string text;  ///< one line for the player, in Russian

    bool operator==(const DiaryEvent&) const = default;
};

class Diary {
  public:
    static constexpr std::size_t kMaxDays = 3650;
    static constexpr std::size_t kMaxEvents = 3650;

    /// Forgets everything: the history begins again on the state's present day.
    void start(const GameState& state);
    /// One point for the midnight that has just begun the state's present day.
    void recordMidnight(const GameState& state);
    /// An event that happens now.
    void note(const GameState& state, DiaryEventKind kind, std::string text);

    /// The day the history begins with (the start, or the day after the oldest dropped point).
    const std::string& firstDate() const { return m_firstDate; }
    const std::deque<DiaryPoint>& midnights() const { return m_midnights; }
    const std::deque<DiaryEvent>& events() const { return m_events; }
    /// Grows with every change, so a view redraws only when there is something new.
    std::uint64_t revision() const { return m_revision; }
    /// Grows with every start, so a view tells a fresh history from a longer one.
    std::uint64_t generation() const { return m_generation; }
    /// How many of this history's oldest days and events the caps have dropped so far.
    std::size_t droppedDays() const { return m_droppedDays; }
    std::size_t droppedEvents() const { return m_droppedEvents; }

    /// The point a player sees right now.
    static DiaryPoint pointOf(const GameState& state);
    /// "06/12/26" from the game's date fields; a one-digit day or month gets its leading zero.
    static std::string dateOf(const GameState& state);

  private:
    std::string m_firstDate;
    std::deque<DiaryPoint> m_midnights;
    std::deque<DiaryEvent> m_events;
    std::uint64_t m_revision = 0;
    std::uint64_t m_generation = 0;
    std::size_t m_droppedDays = 0;
    std::size_t m_droppedEvents = 0;
};

/// "Куплено: ванная «Джакузи»": the diary's line for `item` bought onto the ladder that `field`
/// holds, named as the player knows that thing.
std::string purchaseLine(std::string GameState::*field, std::string_view item);

}  // namespace brankor
