#include "game/diary.h"

#include <array>
#include <utility>

#include "framework/number.h"

namespace brankor {
namespace {

std::string padToTwo(const std::string& field) {
    return field.size() == 1 ? "0" + field : field;
}

/// What each bought thing is called in a line of the diary.
const std::array<std::pair<std::string GameState::*, std::string_view>, 18> kThings = {{
    {&GameState::lblClothes, "одежда"},
    {&GameState::lblSMebel, "мебель"},
    {&GameState::lblKitchen, "кухня"},
    {&GameState::lblBath, "ванная"},
    {&GameState::lblComp, "процессор"},
    {&GameState::lblMonitor, "монитор"},
    {&GameState::lblPrinter, "принтер"},
    {&GameState::lblSkaner, "сканер"},
    {&GameState::lblModem, "модем"},
    {&GameState::lblVinchester, "винчестер"},
    {&GameState::lblCDROM, "CD-Rom"},
    {&GameState::lblRAM, "память"},
    {&GameState::lblSoundKarta, "звуковая карта"},
    {&GameState::lblVideoKarta, "видеокарта"},
    {&GameState::lblSystem, "система"},
    {&GameState::lblProgram, "язык программирования"},
    {&GameState::lblGraph, "графический редактор"},
    {&GameState::lblAntvirus, "антивирус"},
}};

}  // namespace

std::string purchaseLine(std::string GameState::*field, std::string_view item) {
    std::string line = "Куплено: ";
    for (const auto& [thing, name] : kThings)
        if (thing == field) line.append(name).append(" ");
    return line + "«" + std::string(item) + "»";
}

std::string Diary::dateOf(const GameState& state) {
    return padToTwo(state.lblDay) + "/" + padToTwo(state.lblMonth) + "/" + padToTwo(state.lblYear);
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
