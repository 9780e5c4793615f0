#include "careerguide.h"

#include <algorithm>
#include <array>
#include <utility>

#include "framework/number.h"

namespace brankor {
namespace {

/// What each field a job can ask for is called, as the status panel captions it.
constexpr std::array<std::pair<std::string GameState::*, const char*>, 14> kFieldNames = {{
    {&GameState::lblEduncation, "Образование"},
    {&GameState::lblStatus, "Статус"},
    {&GameState::lblEnglish, "Англ. яз."},
    {&GameState::lblClothes, "Одежда"},
    {&GameState::lblProgram, "Прог-ование"},
    {&GameState::lblGraph, "Графика"},
    {&GameState::lblModem, "Модем"},
    {&GameState::lblVichod, "Выход в интернет"},
    {&GameState::lblPrinter, "Принтер"},
    {&GameState::lblSkaner, "Сканер"},
    {&GameState::lblRoom, "Кол.комнат"},
    {&GameState::lblBath, "Ванная"},
    {&GameState::lblKitchen, "Кухня"},
    {&GameState::lblSMebel, "Мебель"},
}};

std::string fieldName(std::string GameState::*field) {
    const auto it = std::find_if(kFieldNames.begin(), kFieldNames.end(),
                                 [field](const auto& entry) { return entry.first == field; });
    return it == kFieldNames.end() ? std::string() : it->second;
}

GuideCell cellOf(const Requirement& r, const GameState& state) {
    GuideCell cell;
    cell.met = r.holds(state);
    using Test = Requirement::Test;
    if (r.field) {
        cell.what = fieldName(r.field);
        cell.have = state.*r.field;
        if (r.test == Test::OrBetter) cell.required = std::string(r.text) + " или лучше";
        if (r.test == Test::Exactly) cell.required = std::string(r.text);
        if (r.test == Test::Not) cell.required = "подключение";  // anything but "Пока нет"
        return cell;
    }
    const int have = state.*r.variable;
    if (r.variable == &GameState::CarIndex) {
        cell.what = "Машина";
        cell.required = std::string(CarNames[static_cast<std::size_t>(r.number)]) +
                        (r.test == Test::AtLeast ? " или лучше" : "");
        cell.have = state.lblCar;
    } else {
        cell.what = "Поймано рыбы";
        cell.required = "не меньше " + writeNumber(r.number);
        cell.have = writeNumber(have);
    }
    return cell;
}

}  // namespace

std::string GuideCell::spoken() const {
    return what + ": требуется " + required + " / у вас " + have +
           (met ? ", выполнено" : ", не выполнено");
}

bool operator==(const GuideCell& a, const GuideCell& b) {
    return a.what == b.what && a.required == b.required && a.have == b.have && a.met == b.met;
}

bool GuideRow::operator==(const GuideRow& other) const {
    return job == other.job && cells == other.cells && current == other.current &&
           qualifies == other.qualifies && next == other.next;
}

std::vector<GuideRow> careerGuide(const GameState& state) {
    std::vector<GuideRow> rows;
    std::size_t currentIndex = 0;
    bool employed = false;
    for (const Job& job : jobs()) {
        GuideRow row;
        row.job = &job;
        for (const Requirement& r : job.requirements) row.cells.push_back(cellOf(r, state));
        row.qualifies = allHold(state, job.requirements);
        row.current = state.lblMyWork == job.name;
        if (row.current) currentIndex = rows.size(), employed = true;
        rows.push_back(std::move(row));
    }
    // The next step up: the first job above the present one that still asks for something.
    for (std::size_t i = employed ? currentIndex + 1 : 0; i < rows.size(); ++i) {
        if (rows[i].qualifies) continue;
        rows[i].next = true;
        break;
    }
    return rows;
}

}  // namespace brankor
