#include "diary.h"

#include "number.h"

namespace brankor {
namespace {

std::string twoDigits(const std::string& field) {
    return field.size() == 1 ? "0" + field : field;
}

}  // namespace

std::string Diary::dateOf(const GameState& state) {
    return twoDigits(state.lblDay) + "/" + twoDigits(state.lblMonth) + "/" +
           twoDigits(state.lblYear);
}

DiaryPoint Diary::pointOf(const GameState& state) {
    return {dateOf(state), readNumber(state.lblMoney), state.BankBalance,
            readNumber(state.lblHappyness), readNumber(state.lblHungry)};
}

void Diary::start(const GameState& state) {
    m_firstDate = dateOf(state);
    m_midnights.clear();
    m_events.clear();
    m_droppedDays = m_droppedEvents = 0;
    ++m_generation;
    ++m_revision;
}

void Diary::recordMidnight(const GameState& state) {
    if (m_midnights.size() == kMaxDays) {
        // The history now begins with the day the dropped point opened.
        m_firstDate = m_midnights.front().date;
        m_midnights.pop_front();
        ++m_droppedDays;
    }
    m_midnights.push_back(pointOf(state));
    ++m_revision;
}

void Diary::note(const GameState& state, DiaryEventKind kind, std::string text) {
    if (m_events.size() == kMaxEvents) {
        m_events.pop_front();
        ++m_droppedEvents;
    }
    m_events.push_back({dateOf(state), state.lblHours, kind, std::move(text)});
    ++m_revision;
}

}  // namespace brankor
