#include "game/savegame/savedgame.h"

#include "game/savegame/codepage.h"
#include "game/savegame/moneycode.h"
#include "game/savegame/recordlayout.h"

namespace brankor {
namespace {

/// The kind each item is written as, by the index of the ListItem alternative.
std::size_t writtenKind(Slot slot) {
    switch (slot) {
        case Slot::Notice:
        case Slot::Text:
        case Slot::Money:
            return 0;
        case Slot::Integer:
        case Slot::Vinchester:
        case Slot::Car:
            return 1;
        case Slot::Boolean:
            return 2;
    }
    return 0;
}

bool inTable(std::int16_t index, std::size_t size) {
    return index >= 0 && static_cast<std::size_t>(index) < size;
}

/// Every item of its kind and both indices inside their tables; the first fault otherwise.
std::optional<Failure> checkRecord(const std::vector<ListItem>& items) {
    const auto layout = recordLayout();
    if (items.size() != layout.size()) return Failure{"Неполная запись"};
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const Slot slot = layout[i].slot;
        if (items[i].index() != writtenKind(slot)) return itemFailure(i, "не того типа");
        if (slot == Slot::Vinchester &&
            !inTable(std::get<std::int16_t>(items[i]), VinchesterNames.size()))
            return itemFailure(i, "номер винчестера вне таблицы");
        if (slot == Slot::Car && !inTable(std::get<std::int16_t>(items[i]), CarNames.size()))
            return itemFailure(i, "номер машины вне таблицы");
    }
    return std::nullopt;
}

Outcome<std::vector<ListItem>> collect(const GameState& state) {
    std::vector<ListItem> items;
    for (const RecordItem& item : recordLayout()) {
        switch (item.slot) {
            case Slot::Notice:
                items.emplace_back(std::string(kSavedGameNotice));
                break;
            case Slot::Text:
                items.emplace_back(state.*item.text);
                break;
            case Slot::Money: {
                std::optional<std::string> code = encodeMoney(state.lblMoney);
                if (!code) return Failure{"Сумму «" + state.lblMoney + "» нельзя записать буквами"};
                items.emplace_back(std::move(*code));
                break;
            }
            case Slot::Integer:
                items.emplace_back(state.*item.number);
                break;
            case Slot::Vinchester:
                items.emplace_back(state.VinchesterIndex);
                break;
            case Slot::Car:
                items.emplace_back(state.CarIndex);
                break;
            case Slot::Boolean:
                items.emplace_back(state.*item.flag);
                break;
        }
    }
    return items;
}

}  // namespace

Outcome<std::string> encodeSavedGame(const GameState& state) {
    Outcome<std::vector<ListItem>> items = collect(state);
    if (!items) return Failure{items.reason()};
    if (auto fault = checkRecord(items.value())) return *fault;
    Outcome<std::string> line = writeListLine(items.value());
    if (!line) return Failure{line.reason()};
    return toWindows1251(line.value());
}

Outcome<SavedGame> parseSavedGame(std::string_view bytes) {
    if (bytes.size() > kSavedGameMaxBytes) return Failure{"Файл слишком большой"};
    if (bytes.find('\0') != std::string_view::npos) return Failure{"В файле нулевой байт"};
    Outcome<std::string> text = savedGameText(bytes);
    if (!text) return Failure{text.reason()};
    Outcome<std::vector<ListItem>> items = readListLine(text.value(), recordLayout().size());
    if (!items) return Failure{items.reason()};
    if (auto fault = checkRecord(items.value())) return *fault;
    return SavedGame(std::move(items.value()));
}

void applySavedGame(GameState& state, const SavedGame& record) {
    const auto layout = recordLayout();
    const std::vector<ListItem>& items = record.items();
    for (std::size_t i = 0; i < layout.size(); ++i) {
        const RecordItem& item = layout[i];
        switch (item.slot) {
            case Slot::Notice:
                break;
            case Slot::Text:
                state.*item.text = std::get<std::string>(items[i]);
                break;
            case Slot::Money:
                state.lblMoney = loadedMoney(std::get<std::string>(items[i]));
                break;
            case Slot::Integer:
                state.*item.number = std::get<std::int16_t>(items[i]);
                break;
            case Slot::Vinchester:
                setVinchester(state, std::get<std::int16_t>(items[i]));
                break;
            case Slot::Car:
                setCar(state, std::get<std::int16_t>(items[i]));
                break;
            case Slot::Boolean:
                state.*item.flag = std::get<bool>(items[i]);
                break;
        }
    }
}

}  // namespace brankor
