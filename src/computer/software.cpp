#include "software.h"

#include <algorithm>
#include <array>

#include "computerladders.h"
#include "core/number.h"

namespace brankor {
namespace {

using Test = Requirement::Test;
using Bonus = Program::Bonus;
using TextField = std::string GameState::*;

/// The component is owned, whatever the model.
Requirement any(TextField field) {
    return {Test::Not, field, nullptr, kNothingOwned};
}
Requirement least(TextField field, const Ladder& ladder, std::string_view model) {
    return {Test::OrBetter, field, &ladder, model};
}
Requirement system(std::string_view x) {
    return least(&GameState::lblSystem, systems(), x);
}
Requirement cpu(std::string_view x) {
    return least(&GameState::lblComp, processors(), x);
}
Requirement monitor(std::string_view x) {
    return least(&GameState::lblMonitor, monitors(), x);
}
Requirement printer(std::string_view x) {
    return least(&GameState::lblPrinter, printers(), x);
}
Requirement scanner(std::string_view x) {
    return least(&GameState::lblSkaner, scanners(), x);
}
Requirement modem(std::string_view x) {
    return least(&GameState::lblModem, modems(), x);
}
Requirement cdRom(std::string_view x) {
    return least(&GameState::lblCDROM, cdRoms(), x);
}
Requirement ram(std::string_view x) {
    return least(&GameState::lblRAM, memories(), x);
}
Requirement sound(std::string_view x) {
    return least(&GameState::lblSoundKarta, soundCards(), x);
}
Requirement video(std::string_view x) {
    return least(&GameState::lblVideoKarta, videoCards(), x);
}
/// The hard disk `VinchesterNames(level)` or bigger.
Requirement disk(int level) {
    return {Test::AtLeast, nullptr, nullptr, {}, &GameState::VinchesterIndex, level};
}

constexpr TextField kSystem = &GameState::lblSystem;
constexpr TextField kCpu = &GameState::lblComp;
constexpr TextField kMonitor = &GameState::lblMonitor;
constexpr TextField kPrinter = &GameState::lblPrinter;
constexpr TextField kModem = &GameState::lblModem;
constexpr TextField kCdRom = &GameState::lblCDROM;
constexpr TextField kRam = &GameState::lblRAM;
constexpr TextField kSound = &GameState::lblSoundKarta;
constexpr TextField kVideo = &GameState::lblVideoKarta;

std::vector<Program> makePrograms() {
    const TextField sys = &GameState::lblSystem;
    const TextField lang = &GameState::lblProgram;
    const TextField graph = &GameState::lblGraph;
    const TextField anti = &GameState::lblAntvirus;
    return {
        {"cmdNC",
         "NortonCommander",
         "NC",
         3,
         sys,
         {any(kCpu), any(kMonitor), any(kCdRom), any(kRam), disk(1)},
         Bonus::Virus,
         "Вы установили Norton Commander",
         "Минимальные системные требования: процессор 486; монитор; винчестер ",
         1,
         "; CD-ROM; RAM-8Mb."},
        {"cmdW311",
         "Windows 3.11",
         "W3.11",
         8,
         sys,
         {cpu("Pentium 90"), any(kMonitor), any(kPrinter), cdRom("8xSpeed"), ram("16Mb"),
          video("4Mb"), disk(2)},
         Bonus::None,
         "Вы установили Windows 3.11",
         "Минимальные системные требования: процессор Pentium90; монитор; принтер матричный;  "
         "винчестер ",
         2,
         "; CD-ROM 8xSpeed; RAM-16Mb; видео 4Mb."},
        {"cmdW95",
         "Windows 95",
         "W95",
         10,
         sys,
         {cpu("Pentium 133"), any(kMonitor), any(kPrinter), cdRom("16xSpeed"), ram("16Mb"),
          any(kSound), video("4Mb"), disk(4)},
         Bonus::Virus,
         "Вы установили Windows 95",
         "Минимальные системные требования: процессор Pentium133; монитор; принтер матричный;  "
         "винчестер ",
         4,
         "; CD-ROM 16xSpeed; RAM-16Mb; звук Mono 16КГЦ; видео 4Mb."},
        {"cmdW98",
         "Windows 98",
         "W98",
         12,
         sys,
         {cpu("Pentium 166"), any(kMonitor), any(kPrinter), cdRom("16xSpeed"), ram("32Mb"),
          any(kSound), video("4Mb"), disk(5)},
         Bonus::None,
         "Вы установили Windows 98",
         "Минимальные системные требования: процессор Pentium166; монитор; принтер матричный;  "
         "винчестер ",
         5,
         "; CD-ROM 16xSpeed; RAM-32Mb; звук Mono 16КГЦ; видео 4Mb."},
        {"cmdW2000",
         "Windows 2000",
         "W2000",
         15,
         sys,
         {cpu("Pentium 233"), monitor("15 д."), printer("Струйный"), any(kModem), cdRom("32xSpeed"),
          ram("64Mb"), sound("22КГЦ"), video("8Mb"), disk(7)},
         Bonus::Mood,
         "Вы установили Windows 2000",
         "Минимальные системные требования: процессор Pentium233; монитор 15 д.; принтер струйный; "
         " винчестер ",
         7,
         "; CD-ROM 32xSpeed; RAM-64Mb; звук 22КГЦ; видео 8Mb."},
        {"cmdBasic",
         "Basic",
         "Basic",
         1,
         lang,
         {any(kSystem), any(kCpu), any(kMonitor), any(kCdRom), any(kRam), any(kVideo), disk(1)},
         Bonus::Virus,
         "Вы установили Basic",
         "Минимальные системные требования: NC; процессор 486; монитор; винчестер ",
         1,
         "; CD-ROM; RAM-8Mb; видео 1Mb."},
        {"cmdPascal",
         "Паскаль",
         "Pascal",
         2,
         lang,
         {any(kSystem), cpu("Pentium 90"), any(kMonitor), any(kCdRom), any(kRam), any(kVideo),
          disk(2)},
         Bonus::Virus,
         "Вы установили Pascal",
         "Минимальные системные требования: NC; Pentium 90; монитор; винчестер ",
         2,
         "; CD-ROM; RAM-8Mb; видео 1Mb."},
        {"cmdVB",
         "Visual Basic",
         "VB",
         5,
         lang,
         {system("W95"), cpu("Pentium 133"), any(kMonitor), cdRom("16xSpeed"), ram("16Mb"),
          video("4Mb"), disk(3)},
         Bonus::None,
         "Вы установили Visual Basic",
         "Минимальные системные требования: W95; Pentium 133; монитор; винчестер ",
         3,
         "; CD-ROM 16xSpeed; RAM-16Mb; видео 4Mb."},
        {"cmdVC",
         "Visual C++",
         "VC++",
         5,
         lang,
         {system("W95"), cpu("Pentium 166"), any(kMonitor), cdRom("16xSpeed"), ram("32Mb"),
          video("4Mb"), disk(4)},
         Bonus::None,
         "Вы установили Visual C++",
         "Минимальные системные требования: W95; Pentium 166; монитор; винчестер ",
         4,
         "; CD-ROM 16xSpeed; RAM-32Mb; видео 4Mb."},
        {"cmdPaint",
         "Paint",
         "Paint",
         2,
         graph,
         {system("W3.11"), cpu("Pentium 90"), any(kMonitor), cdRom("8xSpeed"), any(kRam),
          video("4Mb"), disk(1)},
         Bonus::Virus,
         "Вы установили графический редактор Paint",
         "Минимальные системные требования: система W3.11;  процессор Pentium90; монитор 14 д.;  "
         "винчестер ",
         1,
         "; CD-ROM 8xSpeed; RAM-8Mb; видео 4Mb."},
        {"cmdPhotoshp",
         "Photoshp",
         "Photoshop",
         5,
         graph,
         {system("W95"), cpu("Pentium 133"), any(kMonitor), cdRom("8xSpeed"), ram("16Mb"),
          video("4Mb"), disk(3)},
         Bonus::None,
         "Вы установили графический редактор Photoshp",
         "Минимальные системные требования: система W95;  процессор Pentium133; монитор 14 д.;  "
         "винчестер ",
         3,
         "; CD-ROM 8xSpeed; RAM-16Mb; видео 4Mb."},
        {"cmd3DSMII",
         "3D Studio Max II",
         "3D StMax II",
         10,
         graph,
         {system("W98"), cpu("Pentium 166"), monitor("15 д."), printer("Струйный"),
          cdRom("32xSpeed"), ram("64Mb"), video("4Mb"), disk(8)},
         Bonus::None,
         "Вы установили мощный графический редактор 3D Studio Max II",
         "Минимальные системные требования: система W98; процессор Pentium166; монитор 15 д.; "
         "принтер струйный;  винчестер ",
         8,
         "; CD-ROM 32xSpeed; RAM-64Mb; видео 4Mb."},
        // The video card is only tested for not being the 8Mb one: lower cards pass.
        {"cmd3DSMIII",
         "3D Studio Max III",
         "3D StMax III",
         20,
         graph,
         {system("W2000"),
          cpu("Pentium MMX"),
          monitor("17 д."),
          printer("Лазерный"),
          scanner("Планшетный"),
          modem("28.8"),
          cdRom("40xSpeed"),
          ram("128Mb"),
          sound("22КГЦ"),
          {Test::Not, kVideo, nullptr, "8Mb"},
          disk(9)},
         Bonus::Mood,
         "Вы установили мощнейший графический редактор 3D Studio Max III",
         "Минимальные системные требования: система W2000; процессор PentiumMMX; монитор 17 д.; "
         "принтер лазерный; сканер "
         "планшетный; модем 28.8;  винчестер ",
         9,
         "; CD-ROM 40xSpeed; RAM-128Mb; звук 22КГЦ; видео 16Mb."},
        // The antiviruses ask for nothing but the system.
        {"cmdAKI",
         "Ант. Касперского (v.I)",
         "Касперского",
         5,
         anti,
         {system("W95")},
         Bonus::None,
         "Вы установили антивирус Касперского (v.I). Не забывайте проверять ваш компьютер на "
         "вирусы.",
         "Минимальные системные требования: система W95, процессор Pentium133; монитор; принтер "
         "матричный;  винчестер ",
         4,
         "; CD-ROM 16xSpeed; RAM-16Mb; звук Mono 16КГЦ; видео 4Mb."},
        {"cmdAIVP",
         "Ант. IVP 100",
         "IVP 100",
         10,
         anti,
         {system("W2000")},
         Bonus::Mood,
         "Вы установили мощный антивирус IVP 100. Не забывайте проверять ваш компьютер на "
         "вирусы.",
         "Минимальные системные требования: система W2000, процессор Pentium233; монитор 15 д.; "
         "принтер струйный;  винчестер ",
         7,
         "; CD-ROM 32xSpeed; RAM-64Mb; звук 22КГЦ; видео 8Mb."},
    };
}

/// What an antivirus can kill: a virus counter up to `limit`; above it, the box it shows.
struct VirusCheck {
    std::string_view antivirus;
    int limit;
    std::string_view failedTitle;
    std::string_view failedText;
};

constexpr std::array<VirusCheck, 2> kVirusChecks = {{
    {"Касперского", 5, "Надо было покупать хороший антивирус.",
     "К сожалению, антивирус Касперского не смог уничтожить этот вирус. Возможно в скором времени "
     "он поразит ваш компьютер."},
    {"IVP 100", 10, "Не могу убить!",
     "К сожалению, антивирус IVP 100 не смог уничтожить этот вирус. Возможно в скором времени он "
     "поразит ваш компьютер."},
}};

constexpr std::string_view kCheckButton = "cmdAntivirus";

/// The four frames and their captions.
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kFrames = {{
    {"Frame1", "Система"},
    {"Frame2", "Прог-ование"},
    {"Frame4", "Графика"},
    {"Frame3", "Антивирус"},
}};

const Program* programOf(const std::string& button) {
    const auto all = programs();
    const auto it = std::find_if(all.begin(), all.end(),
                                 [&button](const Program& p) { return p.button == button; });
    return it == all.end() ? nullptr : &*it;
}

}  // namespace

std::span<const Program> programs() {
    static const std::vector<Program> table = makePrograms();
    return table;
}

bool fits(const GameState& state, const Program& program) {
    return std::all_of(program.requirements.begin(), program.requirements.end(),
                       [&state](const Requirement& r) { return r.holds(state); });
}

std::string description(const Program& program) {
    return std::string(program.hoverFirst) +
           std::string(VinchesterNames.at(static_cast<std::size_t>(program.hoverDisk))) +
           std::string(program.hoverSecond);
}

FrmPrograms::FrmPrograms(Game& g) : Place(g, "frmPrograms", "Программы"), m_panel(g, *this, {}) {
    for (const auto& [frame, caption] : kFrames) {
        declare(std::string(frame), {.text = std::string(caption)});
    }
    for (const Program& program : programs()) {
        declare(std::string(program.button), {.text = std::string(program.caption)});
    }
    declare(std::string(kCheckButton), {.text = "Проверить на вирусы"});
    declare("cmdBack", {.text = "<< Назад"});
    declare("lblWhat", {.text = std::string(kNoOffer)});
    declare("lblM", {.text = "0"});
    declare("txtSpec");
    declare("Label2", {.text = "Кратко:"});
    declare("lblZen", {.text = "Цена:"});
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
    if (!fits(s, program)) {
        game.tell("Не подходит конфигурация  компьютера",
                  "Конфигурация вашего компьютера не подходит");
        return;
    }
    if (program.bonus == Bonus::Virus) addNumber(s.lblVir, 1);
    if (program.bonus == Bonus::Mood) addNumber(s.lblHappyness, 1);
    (*this)[std::string(program.button)].enabled = false;
    m_panel.pay();
    // The panel, not the program clicked, says what is installed.
    s.*program.field = m_panel.item();
    if (program.field == &GameState::lblAntvirus) (*this)[std::string(kCheckButton)].enabled = true;
    game.tell("Установлен", std::string(program.installed), Icon::Information);
}

void FrmPrograms::checkForViruses() {
    GameState& s = state();
    const auto check =
        std::find_if(kVirusChecks.begin(), kVirusChecks.end(),
                     [&s](const VirusCheck& c) { return c.antivirus == s.lblAntvirus; });
    if (check == kVirusChecks.end()) return;
    if (readNumber(s.lblVir) > check->limit) {
        game.tell(std::string(check->failedTitle), std::string(check->failedText));
        return;
    }
    // No money test: the check costs what the panel shows, whatever the balance.
    m_panel.pay();
    s.lblVir = "0";
    game.tell("Ура. Вирус убит.", "Вам удалось уничтожить вирус", Icon::Information);
}

}  // namespace brankor
