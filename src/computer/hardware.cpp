#include "hardware.h"

#include <algorithm>
#include <array>
#include <optional>

#include "framework/findrow.h"
#include "framework/number.h"
#include "game/windownames.h"

namespace brankor {
namespace {

constexpr std::string_view kDiskButton = "cmdBuyVinchester";

/// The buttons and their captions, in the window's order.
constexpr std::array<std::pair<std::string_view, std::string_view>, 10> kButtons = {{
    {"cmdBuyComp", "Купить процессор"},
    {"cmdBuyMonitor", "Купить монитор"},
    {"cmdBuyPrinter", "Купить принтер"},
    {"cmdBuySkaner", "Купить сканер"},
    {"cmdBuyModem", "Купить модем"},
    {"cmdBuyVinchester", "Купить винчестер"},
    {"cmdBuyCDRom", "Купить CD-Rom"},
    {"cmdBuyRAM", "Купить память RAM"},
    {"cmdBuySvukKarta", "Купить звуковую карту"},
    {"cmdBuyVideoKarta", "Купить видео карту"},
}};

/// A card model and the lowest processor it runs with ("" = any, even none).
struct CardNeed {
    std::string_view model;
    std::string_view processor;
};

constexpr std::array<CardNeed, 7> kCardNeeds = {{
    {"Mono 16КГЦ", ""},
    {"22КГЦ", "Pentium 133"},
    {"44КГЦ", "Pentium II"},
    {"1Mb", ""},
    {"4Mb", "Pentium 133"},
    {"8Mb", "Pentium 233"},
    {"16Mb", "Pentium III"},
}};

/// The disk on offer: the level after the one owned, none at the top. A level outside the
/// table (a damaged saved game) offers nothing rather than reading past it.
std::optional<std::size_t> nextDisk(const GameState& state) {
    const int last = static_cast<int>(VinchesterNames.size()) - 1;
    if (state.VinchesterIndex < 0 || state.VinchesterIndex >= last) return std::nullopt;
    return static_cast<std::size_t>(state.VinchesterIndex) + 1;
}

const Component* componentOf(const std::string& button) {
    return findRow(components(), &Component::button, button);
}

bool isCard(const Component& component) {
    return component.field == &GameState::lblSoundKarta ||
           component.field == &GameState::lblVideoKarta;
}

/// The need of the card model `model` of `component`, if the model is one of its rungs.
std::optional<CardNeed> cardNeed(const Component& component, std::string_view model) {
    if (!component.models.contains(model)) return std::nullopt;
    const CardNeed* need = findRow(kCardNeeds, &CardNeed::model, model);
    if (!need) return std::nullopt;
    return *need;
}

}  // namespace

FrmComputer::FrmComputer(Game& g) : ComputerShop(g, window::kComputer, "Компьютер") {
    for (const auto& [button, caption] : kButtons) {
        declare(std::string(button), {.text = std::string(caption)});
    }
}

void FrmComputer::onLoad() {
    for (const Component& component : components()) {
        if (state().*component.field == component.top()) {
            (*this)[std::string(component.button)].enabled = false;
        }
    }
    if (!nextDisk(state())) (*this)[std::string(kDiskButton)].enabled = false;
}

void FrmComputer::onMouseMove(const std::string& control) {
    if (control.empty()) {
        m_panel.clear();
    } else if (control == kDiskButton) {
        offerDisk();
    } else if (const Component* component = componentOf(control)) {
        m_panel.showNext(component->offers, state().*component->field);
    }
}

void FrmComputer::onClick(const std::string& control) {
    if (control == kDiskButton) {
        buyDisk();
    } else if (const Component* component = componentOf(control)) {
        if (isCard(*component)) {
            buyCard(*component);
        } else {
            buyComponent(*component);
        }
    } else if (control == "cmdBack") {
        close();
    }
}

void FrmComputer::offerDisk() {
    if (const std::optional<std::size_t> next = nextDisk(state())) {
        const std::string name(VinchesterNames[*next]);
        m_panel.show(name, writeNumber(VinchesterPrices[*next]),
                     "Купить винчестер емкостью " + name + ".");
    } else {
        (*this)[std::string(kDiskButton)].enabled = false;
        m_panel.show("", "0", "");
    }
}

void FrmComputer::buyDisk() {
    GameState& s = state();
    const std::optional<std::size_t> next = nextDisk(s);
    if (!next) return;
    const int price = VinchesterPrices[*next];
    if (wholeNumber(s.lblMoney) < price) {
        game.tell("Внимание", "Денег маловато.");
        return;
    }
    setVinchester(s, static_cast<std::int16_t>(*next));
    addNumber(s.lblMoney, -price);
    game.remember(DiaryEventKind::Bought, purchaseLine(&GameState::lblVinchester, s.lblVinchester));
}

void FrmComputer::buyComponent(const Component& component) {
    if (!m_panel.buy(std::string(component.button))) return;
    addNumber(state().lblHappyness, 1);
    state().*component.field = m_panel.item();
    game.remember(DiaryEventKind::Bought, purchaseLine(component.field, m_panel.item()));
}

void FrmComputer::buyCard(const Component& component) {
    if (m_panel.withdrawIfEmpty(std::string(component.button))) return;
    const std::optional<CardNeed> need = cardNeed(component, m_panel.item());
    if (!need) return;  // the panel shows something else: the click buys nothing
    if (!processorAtLeast(state(), need->processor)) {
        game.tell("Не подходит конфигурация",
                  "У вас должен быть процессор не менее, чем " + std::string(need->processor));
        return;
    }
    m_panel.pay();
    addNumber(state().lblHappyness, 1);
    state().*component.field = m_panel.item();
    game.remember(DiaryEventKind::Bought, purchaseLine(component.field, m_panel.item()));
}

}  // namespace brankor
