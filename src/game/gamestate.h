#pragma once
// Everything the game remembers about the player: the texts of the main window's labels, the
// shared module variables and the main window's exit flag. One object of this type exists per
// run; every window reads and writes it directly.
#include <array>
#include <cstdint>
#include <set>
#include <span>
#include <string>
#include <string_view>

namespace brankor {

inline constexpr std::string_view kNothingOwned = "Пока нет";

/// Car names and prices, index 0 (no car) to 5.
inline constexpr std::array<std::string_view, 6> CarNames = {
    "Нет машины", "Пятерка2105", "Девятка21093", "Десятка2110", "Волга3110", "Mercedes"};
inline constexpr std::array<int, 6> CarPrices = {0, 30, 60, 70, 80, 200};

/// Hard-disk names and prices, index 0 (none) to 9.
inline constexpr std::array<std::string_view, 10> VinchesterNames = {
    "Пока нет", "10 Gb", "15 Gb", "20 Gb", "30 Gb", "40 Gb", "50 Gb", "60 Gb", "80 Gb", "90 Gb"};
inline constexpr std::array<int, 10> VinchesterPrices = {0, 10, 15, 20, 30, 40, 50, 60, 80, 90};

struct GameState {
    // Personal status.
    std::string lblMoney = "170";
    std::string lblStatus = "Чайник";
    std::string lblSWork = "Пока нет";
    std::string lblHappyness = "30";
    std::string lblHungry = "30";
    std::string lblEduncation = "Начальное";
    std::string lblEnglish = "Не знаю";
    std::string lblCom = "0";
    std::string lblEng = "0";
    std::string lblObras = "0";
    // Living.
    std::string lblClothes = "Дряхлая";
    std::string lblCar = "Пока нет";
    std::string lblRoom = "1";
    std::string lblSMebel = "Пока нет";
    std::string lblKitchen = "Пока нет";
    std::string lblBath = "Пока нет";
    // Computer.
    std::string lblMonitor = "Пока нет";
    std::string lblPrinter = "Пока нет";
    std::string lblSkaner = "Пока нет";
    std::string lblModem = "Пока нет";
    std::string lblComp = "Пока нет";
    std::string lblVinchester = "Пока нет";
    std::string lblCDROM = "Пока нет";
    std::string lblVideoKarta = "Пока нет";
    std::string lblSoundKarta = "Пока нет";
    std::string lblRAM = "Пока нет";
    // Programs and internet.
    std::string lblSystem = "Пока нет";
    std::string lblProgram = "Пока нет";
    std::string lblGraph = "Пока нет";
    std::string lblAntvirus = "Пока нет";
    std::string lblVichod = "Пока нет";
    // Work and study.
    std::string lblMyWork = "Безработный";
    std::string lblWorkEarn = "0";
    std::string lblSSchool = "Неучусь";
    std::string lblSCost = "0";
    std::string lblEEnglish = "Неучусь";
    std::string lblECost = "0";
    std::string lblCComputer = "Неучусь";
    std::string lblCCost = "0";
    // Clock.
    std::string lblDay = "00";
    std::string lblMonth = "00";
    std::string lblYear = "00";
    std::string lblHours = "1";
    // Other fields of the main window.
    std::string lblVir = "0";
    std::string lblSpHelp;
    std::string Caption = "Бранкор";

    // Module variables.
    std::int16_t BankBalance = 0;
    std::int16_t CarIndex = 0;
    std::int16_t VinchesterIndex = 0;
    bool HasRod = false;
    bool HasTackle = false;
    std::int16_t BaitPacks = 0;
    std::int16_t FishTotal = 0;

    // Main-window flag: non-zero closes the main window without asking.
    std::int16_t SkipExitConfirm = 0;

    /// Main-window controls hidden for the rest of this main window's life (the fee rows of a
    /// finished course). A fresh main window starts with none.
    std::set<std::string> hiddenControls;

    bool operator==(const GameState&) const = default;
};

/// A text field of the main window, by its label's name.
struct Field {
    std::string_view name;
    std::string GameState::*member;
};

/// Every text field of the game state (the label texts and the caption).
std::span<const Field> fields();

/// The field called `name`, or nullptr.
std::string* fieldByName(GameState& state, std::string_view name);

/// Sets the car and writes its name into `lblCar`; likewise the hard disk.
void setCar(GameState& state, std::int16_t index);
void setVinchester(GameState& state, std::int16_t index);

}  // namespace brankor
