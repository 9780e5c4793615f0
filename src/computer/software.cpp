#include "software.h"

#include <algorithm>
#include <array>

#include "antivirus.h"
#include "framework/findrow.h"
#include "framework/number.h"
#include "game/windownames.h"

namespace brankor {
namespace {

constexpr std::string_view kCheckButton = "cmdAntivirus";

/// The four frames and their captions.
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kFrames = {{
    {"Frame1", "Система"},
    {"Frame2", "Прог-ование"},
    {"Frame4", "Графика"},
    {"Frame3", "Антивирус"},
}};

const Program* programOf(const std::string& button) {
    return findRow(programs(), &Program::button, button);
}

}  // namespace

FrmPrograms::FrmPrograms(Game& g) : ComputerShop(g, window::kPrograms, "Программы") {
    for (const auto& [frame, caption] : kFrames) {
        declare(std::string(frame), {.text = std::string(caption)});
    }
    for (const Program& program : programs()) {
        declare(std::string(program.button), {.text = std::string(program.caption)});
    }
    declare(std::string(kCheckButton), {.text = "Проверить на вирусы"});
}

void FrmPrograms::onLoad() {
    (*this)[std::string(kCheckButton)].enabled = state().lblAntvirus != kNothingOwned;
    for (const Program& program : programs()) {
        if (state().*program.field == program.stored) {
            (*this)[std::string(program.button)].enabled = false;
        }
    }
}

void FrmPrograms::onMouseMove(const std::string& control) {
    if (control.empty()) {
        m_panel.clear();
    } else if (control == kCheckButton) {
        m_panel.show("Проверка", "10",
                     "Проверить и уничтожить (если возможно) вирусы с компьютера. Если удалить не "
                     "удастся, тогда вам не нужно будет платить за проверку.");
    } else if (const Program* program = programOf(control)) {
        m_panel.show(program->stored, writeNumber(program->price), description(*program));
    }
}

void FrmPrograms::onClick(const std::string& control) {
    if (control == kCheckButton) {
        checkForViruses();
    } else if (const Program* program = programOf(control)) {
        install(*program);
    } else if (control == "cmdBack") {
        close();
    }
}

void FrmPrograms::install(const Program& program) {
    GameState& s = state();
    if (refuseWithoutMoney(game)) return;
    if (!allHold(s, program.requirements)) {
        game.tell("Не подходит конфигурация  компьютера",
                  "Конфигурация вашего компьютера не подходит");
        return;
    }
    if (program.bonus == Program::Bonus::Virus) addNumber(s.lblVir, 1);
    if (program.bonus == Program::Bonus::Mood) addNumber(s.lblHappyness, 1);
    (*this)[std::string(program.button)].enabled = false;
    m_panel.pay();
    // The panel, not the program clicked, says what is installed.
    s.*program.field = m_panel.item();
    game.remember(DiaryEventKind::Bought, purchaseLine(program.field, m_panel.item()));
    if (program.field == &GameState::lblAntvirus) (*this)[std::string(kCheckButton)].enabled = true;
    game.tell("Установлен", std::string(program.installed), Icon::Information);
}

void FrmPrograms::checkForViruses() {
    GameState& s = state();
    const Antivirus* check = antivirusNamed(s.lblAntvirus);
    if (!check) return;
    if (readNumber(s.lblVir) > check->checkLimit) {
        game.tell(std::string(check->checkFailedTitle), std::string(check->checkFailedText));
        return;
    }
    // No money test: the check costs what the panel shows, whatever the balance.
    m_panel.pay();
    s.lblVir = "0";
    game.tell("Ура. Вирус убит.", "Вам удалось уничтожить вирус", Icon::Information);
}

}  // namespace brankor
