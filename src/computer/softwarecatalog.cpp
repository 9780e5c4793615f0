// The programs of the software shop: what each costs, needs, stores and says.
#include "software.h"

#include <algorithm>

#include "game/ladders.h"

namespace brankor {
namespace {

using Test = Requirement::Test;
using Bonus = Program::Bonus;
using TextField = std::string GameState::*;
using namespace need;

/// The component is owned, whatever the model.
Requirement any(TextField field) {
    return {Test::Not, field, nullptr, kNothingOwned};
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
        {.button = "cmdNC",
         .caption = "NortonCommander",
         .stored = "NC",
         .price = 3,
         .field = sys,
         .requirements = {any(kCpu), any(kMonitor), any(kCdRom), any(kRam), disk(1)},
         .bonus = Bonus::Virus,
         .installed = "Вы установили Norton Commander",
         .hoverFirst = "Минимальные системные требования: процессор 486; монитор; винчестер ",
         .hoverDisk = 1,
         .hoverSecond = "; CD-ROM; RAM-8Mb."},
        {.button = "cmdW311",
         .caption = "Windows 3.11",
         .stored = "W3.11",
         .price = 8,
         .field = sys,
         .requirements = {cpu("Pentium 90"), any(kMonitor), any(kPrinter), cdRom("8xSpeed"),
                          ram("16Mb"), video("4Mb"), disk(2)},
         .bonus = Bonus::None,
         .installed = "Вы установили Windows 3.11",
         .hoverFirst =
             "Минимальные системные требования: процессор Pentium90; монитор; принтер матричный;  "
             "винчестер ",
         .hoverDisk = 2,
         .hoverSecond = "; CD-ROM 8xSpeed; RAM-16Mb; видео 4Mb."},
        {.button = "cmdW95",
         .caption = "Windows 95",
         .stored = "W95",
         .price = 10,
         .field = sys,
         .requirements = {cpu("Pentium 133"), any(kMonitor), any(kPrinter), cdRom("16xSpeed"),
                          ram("16Mb"), any(kSound), video("4Mb"), disk(4)},
         .bonus = Bonus::Virus,
         .installed = "Вы установили Windows 95",
         .hoverFirst =
             "Минимальные системные требования: процессор Pentium133; монитор; принтер матричный;  "
             "винчестер ",
         .hoverDisk = 4,
         .hoverSecond = "; CD-ROM 16xSpeed; RAM-16Mb; звук Mono 16КГЦ; видео 4Mb."},
        {.button = "cmdW98",
         .caption = "Windows 98",
         .stored = "W98",
         .price = 12,
         .field = sys,
         .requirements = {cpu("Pentium 166"), any(kMonitor), any(kPrinter), cdRom("16xSpeed"),
                          ram("32Mb"), any(kSound), video("4Mb"), disk(5)},
         .bonus = Bonus::None,
         .installed = "Вы установили Windows 98",
         .hoverFirst =
             "Минимальные системные требования: процессор Pentium166; монитор; принтер матричный;  "
             "винчестер ",
         .hoverDisk = 5,
         .hoverSecond = "; CD-ROM 16xSpeed; RAM-32Mb; звук Mono 16КГЦ; видео 4Mb."},
        {.button = "cmdW2000",
         .caption = "Windows 2000",
         .stored = "W2000",
         .price = 15,
         .field = sys,
         .requirements = {cpu("Pentium 233"), monitor("15 д."), printer("Струйный"), any(kModem),
                          cdRom("32xSpeed"), ram("64Mb"), sound("22КГЦ"), video("8Mb"), disk(7)},
         .bonus = Bonus::Mood,
         .installed = "Вы установили Windows 2000",
         .hoverFirst = "Минимальные системные требования: процессор Pentium233; монитор 15 д.; "
                       "принтер струйный; "
                       " винчестер ",
         .hoverDisk = 7,
         .hoverSecond = "; CD-ROM 32xSpeed; RAM-64Mb; звук 22КГЦ; видео 8Mb."},
        {.button = "cmdBasic",
         .caption = "Basic",
         .stored = "Basic",
         .price = 1,
         .field = lang,
         .requirements = {any(kSystem), any(kCpu), any(kMonitor), any(kCdRom), any(kRam),
                          any(kVideo), disk(1)},
         .bonus = Bonus::Virus,
         .installed = "Вы установили Basic",
         .hoverFirst = "Минимальные системные требования: NC; процессор 486; монитор; винчестер ",
         .hoverDisk = 1,
         .hoverSecond = "; CD-ROM; RAM-8Mb; видео 1Mb."},
        {.button = "cmdPascal",
         .caption = "Паскаль",
         .stored = "Pascal",
         .price = 2,
         .field = lang,
         .requirements = {any(kSystem), cpu("Pentium 90"), any(kMonitor), any(kCdRom), any(kRam),
                          any(kVideo), disk(2)},
         .bonus = Bonus::Virus,
         .installed = "Вы установили Pascal",
         .hoverFirst = "Минимальные системные требования: NC; Pentium 90; монитор; винчестер ",
         .hoverDisk = 2,
         .hoverSecond = "; CD-ROM; RAM-8Mb; видео 1Mb."},
        {.button = "cmdVB",
         .caption = "Visual Basic",
         .stored = "VB",
         .price = 5,
         .field = lang,
         .requirements = {system("W95"), cpu("Pentium 133"), any(kMonitor), cdRom("16xSpeed"),
                          ram("16Mb"), video("4Mb"), disk(3)},
         .bonus = Bonus::None,
         .installed = "Вы установили Visual Basic",
         .hoverFirst = "Минимальные системные требования: W95; Pentium 133; монитор; винчестер ",
         .hoverDisk = 3,
         .hoverSecond = "; CD-ROM 16xSpeed; RAM-16Mb; видео 4Mb."},
        {.button = "cmdVC",
         .caption = "Visual C++",
         .stored = "VC++",
         .price = 5,
         .field = lang,
         .requirements = {system("W95"), cpu("Pentium 166"), any(kMonitor), cdRom("16xSpeed"),
                          ram("32Mb"), video("4Mb"), disk(4)},
         .bonus = Bonus::None,
         .installed = "Вы установили Visual C++",
         .hoverFirst = "Минимальные системные требования: W95; Pentium 166; монитор; винчестер ",
         .hoverDisk = 4,
         .hoverSecond = "; CD-ROM 16xSpeed; RAM-32Mb; видео 4Mb."},
        {.button = "cmdPaint",
         .caption = "Paint",
         .stored = "Paint",
         .price = 2,
         .field = graph,
         .requirements = {system("W3.11"), cpu("Pentium 90"), any(kMonitor), cdRom("8xSpeed"),
                          any(kRam), video("4Mb"), disk(1)},
         .bonus = Bonus::Virus,
         .installed = "Вы установили графический редактор Paint",
         .hoverFirst = "Минимальные системные требования: система W3.11;  процессор Pentium90; "
                       "монитор 14 д.;  "
                       "винчестер ",
         .hoverDisk = 1,
         .hoverSecond = "; CD-ROM 8xSpeed; RAM-8Mb; видео 4Mb."},
        {.button = "cmdPhotoshp",
         .caption = "Photoshp",
         .stored = "Photoshop",
         .price = 5,
         .field = graph,
         .requirements = {system("W95"), cpu("Pentium 133"), any(kMonitor), cdRom("8xSpeed"),
                          ram("16Mb"), video("4Mb"), disk(3)},
         .bonus = Bonus::None,
         .installed = "Вы установили графический редактор Photoshp",
         .hoverFirst = "Минимальные системные требования: система W95;  процессор Pentium133; "
                       "монитор 14 д.;  "
                       "винчестер ",
         .hoverDisk = 3,
         .hoverSecond = "; CD-ROM 8xSpeed; RAM-16Mb; видео 4Mb."},
        {.button = "cmd3DSMII",
         .caption = "3D Studio Max II",
         .stored = "3D StMax II",
         .price = 10,
         .field = graph,
         .requirements = {system("W98"), cpu("Pentium 166"), monitor("15 д."), printer("Струйный"),
                          cdRom("32xSpeed"), ram("64Mb"), video("4Mb"), disk(8)},
         .bonus = Bonus::None,
         .installed = "Вы установили мощный графический редактор 3D Studio Max II",
         .hoverFirst =
             "Минимальные системные требования: система W98; процессор Pentium166; монитор 15 д.; "
             "принтер струйный;  винчестер ",
         .hoverDisk = 8,
         .hoverSecond = "; CD-ROM 32xSpeed; RAM-64Mb; видео 4Mb."},
        // The video card is only tested for not being the 8Mb one: lower cards pass.
        {.button = "cmd3DSMIII",
         .caption = "3D Studio Max III",
         .stored = "3D StMax III",
         .price = 20,
         .field = graph,
         .requirements = {system("W2000"),
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
         .bonus = Bonus::Mood,
         .installed = "Вы установили мощнейший графический редактор 3D Studio Max III",
         .hoverFirst = "Минимальные системные требования: система W2000; процессор PentiumMMX; "
                       "монитор 17 д.; "
                       "принтер лазерный; сканер "
                       "планшетный; модем 28.8;  винчестер ",
         .hoverDisk = 9,
         .hoverSecond = "; CD-ROM 40xSpeed; RAM-128Mb; звук 22КГЦ; видео 16Mb."},
        // The antiviruses ask for nothing but the system.
        {.button = "cmdAKI",
         .caption = "Ант. Касперского (v.I)",
         .stored = "Касперского",
         .price = 5,
         .field = anti,
         .requirements = {system("W95")},
         .bonus = Bonus::None,
         .installed =
             "Вы установили антивирус Касперского (v.I). Не забывайте проверять ваш компьютер на "
             "вирусы.",
         .hoverFirst = "Минимальные системные требования: система W95, процессор Pentium133; "
                       "монитор; принтер "
                       "матричный;  винчестер ",
         .hoverDisk = 4,
         .hoverSecond = "; CD-ROM 16xSpeed; RAM-16Mb; звук Mono 16КГЦ; видео 4Mb."},
        {.button = "cmdAIVP",
         .caption = "Ант. IVP 100",
         .stored = "IVP 100",
         .price = 10,
         .field = anti,
         .requirements = {system("W2000")},
         .bonus = Bonus::Mood,
         .installed =
             "Вы установили мощный антивирус IVP 100. Не забывайте проверять ваш компьютер на "
             "вирусы.",
         .hoverFirst = "Минимальные системные требования: система W2000, процессор Pentium233; "
                       "монитор 15 д.; "
                       "принтер струйный;  винчестер ",
         .hoverDisk = 7,
         .hoverSecond = "; CD-ROM 32xSpeed; RAM-64Mb; звук 22КГЦ; видео 8Mb."},
    };
}

}  // namespace

std::span<const Program> programs() {
    static const std::vector<Program> table = makePrograms();
    return table;
}

std::string description(const Program& program) {
    return std::string(program.hoverFirst) +
           std::string(VinchesterNames.at(static_cast<std::size_t>(program.hoverDisk))) +
           std::string(program.hoverSecond);
}

}  // namespace brankor
