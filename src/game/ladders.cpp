#include "game/ladders.h"

#include <array>

namespace brankor {
namespace {

constexpr std::array<OfferRung, 10> kProcessors = {{
    {"Пока нет", "486", 10, "Купить старенький 486."},
    {"486", "Pentium 90", 20, "Купить Pentium 90."},
    {"Pentium 90", "Pentium 133", 30, "Купить Pentium 133."},
    {"Pentium 133", "Pentium 166", 40, "Купить Pentium 166."},
    {"Pentium 166", "Pentium 200", 50, "Купить Pentium 200."},
    {"Pentium 200", "Pentium 233", 60, "Купить Pentium 233"},
    {"Pentium 233", "Pentium MMX", 70, "Купить Pentium MMX 233"},
    {"Pentium MMX", "Pentium II", 80, "Купить Pentium II"},
    {"Pentium II", "Pentium III", 110, "Купить Pentium III"},
    {"Pentium III", kNoOffer, 0, "Нажми на кнопку <Купить процессор>"},
}};

constexpr std::array<OfferRung, 4> kMonitors = {{
    {"Пока нет", "14 д.", 10, "Купить 14 дюймовый монитор."},
    {"14 д.", "15 д.", 20, "Купить 15 дюймовый монитор."},
    {"15 д.", "17 д.", 30, "Купить 17 дюймовый монитор."},
    {"17 д.", kNoOffer, 0, "Нажми на кнопку <Купить монитор>"},
}};

constexpr std::array<OfferRung, 4> kPrinters = {{
    {"Пока нет", "Матричный", 10, "Купить черно-белый матричный принтер."},
    {"Матричный", "Струйный", 30, "Купить струйный принтер."},
    {"Струйный", "Лазерный", 40, "Купить лазерный принтер."},
    {"Лазерный", kNoOffer, 0, "Нажми на кнопку <Купить принтер>"},
}};

constexpr std::array<OfferRung, 3> kScanners = {{
    {"Пока нет", "Ручной", 20, "Купить ручной сканер."},
    {"Ручной", "Планшетный", 50, "Купить планшетный сканер."},
    {"Планшетный", kNoOffer, 0, "Нажми на кнопку <Купить сканер>"},
}};

// "K56" and "V90" in Latin letters.
constexpr std::array<OfferRung, 6> kModems = {{
    {"Пока нет", "14.4", 10, "Купить модем 14.4."},
    {"14.4", "28.8", 20, "Купить модем 28.8."},
    {"28.8", "36.6", 25, "Купить модем 36.6."},
    {"36.6", "K56", 35, "Купить модем K56."},
    {"K56", "V90", 40, "Купить модем V90."},
    {"V90", kNoOffer, 0, "Нажми на кнопку <Купить модем>"},
}};

constexpr std::array<OfferRung, 10> kCdRoms = {{
    {"Пока нет", "2xSpeed", 5, "Купить 2xSpeed CD-ROM."},
    {"2xSpeed", "8xSpeed", 10, "Купить 8xSpeed CD-ROM."},
    {"8xSpeed", "16xSpeed", 15, "Купить 16xSpeed CD-ROM."},
    {"16xSpeed", "32xSpeed", 20, "Купить 32xSpeed CD-ROM."},
    {"32xSpeed", "34xSpeed", 25, "Купить 34xSpeed CD-ROM."},
    {"34xSpeed", "36xSpeed", 30, "Купить 36xSpeed CD-ROM."},
    {"36xSpeed", "40xSpeed", 35, "Купить 40xSpeed CD-ROM."},
    {"40xSpeed", "50xSpeed", 40, "Купить 50xSpeed CD-ROM."},
    {"50xSpeed", "64xSpeed", 50, "Купить 64xSpeed CD-ROM."},
    {"64xSpeed", kNoOffer, 0, "Нажми на кнопку <Купить CD-ROM>"},
}};

constexpr std::array<OfferRung, 6> kMemories = {{
    {"Пока нет", "8Mb", 10, "Купить 8Mb RAM."},
    {"8Mb", "16Mb", 30, "Купить 16Mb RAM."},
    {"16Mb", "32Mb", 50, "Купить 32Mb RAM."},
    {"32Mb", "64Mb", 60, "Купить 64Mb RAM."},
    {"64Mb", "128Mb", 70, "Купить 128Mb RAM."},
    {"128Mb", kNoOffer, 0, "Нажми на кнопку <Купить память RAM>"},
}};

// "КГЦ" in Cyrillic letters.
constexpr std::array<OfferRung, 4> kSoundCards = {{
    {"Пока нет", "Mono 16КГЦ", 10, "Купить старенькую карту Mono 16КГЦ."},
    {"Mono 16КГЦ", "22КГЦ", 25, "Купить карту 22КГЦ."},
    {"22КГЦ", "44КГЦ", 40, "Купить карту 44КГЦ."},
    {"44КГЦ", kNoOffer, 0, "Нажми на кнопку <Купить звуковую карту>"},
}};

constexpr std::array<OfferRung, 5> kVideoCards = {{
    {"Пока нет", "1Mb", 10, "Купить 1Mb видео карту."},
    {"1Mb", "4Mb", 30, "Купить 4Mb видео карту."},
    {"4Mb", "8Mb", 50, "Купить 8Mb видео карту."},
    {"8Mb", "16Mb", 70, "Купить 16Mb видео карту."},
    {"16Mb", kNoOffer, 0, "Нажми на кнопку <Купить видео карту>"},
}};

/// The models of a component in order: the From column of its offers, "Пока нет" first.
template <std::size_t N>
constexpr std::array<std::string_view, N> modelsOf(const std::array<OfferRung, N>& offers) {
    std::array<std::string_view, N> models{};
    for (std::size_t i = 0; i < N; ++i) models[i] = offers[i].from;
    return models;
}

constexpr auto kProcessorModels = modelsOf(kProcessors);
constexpr auto kMonitorModels = modelsOf(kMonitors);
constexpr auto kPrinterModels = modelsOf(kPrinters);
constexpr auto kScannerModels = modelsOf(kScanners);
constexpr auto kModemModels = modelsOf(kModems);
constexpr auto kCdRomModels = modelsOf(kCdRoms);
constexpr auto kMemoryModels = modelsOf(kMemories);
constexpr auto kSoundModels = modelsOf(kSoundCards);
constexpr auto kVideoModels = modelsOf(kVideoCards);

constexpr std::array<Component, 9> kComponents = {{
    {"cmdBuyComp", &GameState::lblComp, kProcessors, Ladder{kProcessorModels}},
    {"cmdBuyMonitor", &GameState::lblMonitor, kMonitors, Ladder{kMonitorModels}},
    {"cmdBuyPrinter", &GameState::lblPrinter, kPrinters, Ladder{kPrinterModels}},
    {"cmdBuySkaner", &GameState::lblSkaner, kScanners, Ladder{kScannerModels}},
    {"cmdBuyModem", &GameState::lblModem, kModems, Ladder{kModemModels}},
    {"cmdBuyCDRom", &GameState::lblCDROM, kCdRoms, Ladder{kCdRomModels}},
    {"cmdBuyRAM", &GameState::lblRAM, kMemories, Ladder{kMemoryModels}},
    {"cmdBuySvukKarta", &GameState::lblSoundKarta, kSoundCards, Ladder{kSoundModels}},
    {"cmdBuyVideoKarta", &GameState::lblVideoKarta, kVideoCards, Ladder{kVideoModels}},
}};

constexpr std::array<std::string_view, 6> kSystems = {"Пока нет", "NC",  "W3.11",
                                                      "W95",      "W98", "W2000"};
constexpr std::array<std::string_view, 5> kLanguages = {"Пока нет", "Basic", "Pascal", "VB",
                                                        "VC++"};
constexpr std::array<std::string_view, 5> kEditors = {"Пока нет", "Paint", "Photoshop",
                                                      "3D StMax II", "3D StMax III"};
constexpr std::array<std::string_view, 3> kAntiviruses = {"Пока нет", "Касперского", "IVP 100"};

const Ladder kSystemLadder{kSystems};
const Ladder kLanguageLadder{kLanguages};
const Ladder kEditorLadder{kEditors};
const Ladder kAntivirusLadder{kAntiviruses};

}  // namespace

std::span<const Component> components() {
    return kComponents;
}

const Ladder& processors() {
    return kComponents[0].models;
}
const Ladder& monitors() {
    return kComponents[1].models;
}
const Ladder& printers() {
    return kComponents[2].models;
}
const Ladder& scanners() {
    return kComponents[3].models;
}
const Ladder& modems() {
    return kComponents[4].models;
}
const Ladder& cdRoms() {
    return kComponents[5].models;
}
const Ladder& memories() {
    return kComponents[6].models;
}
const Ladder& soundCards() {
    return kComponents[7].models;
}
const Ladder& videoCards() {
    return kComponents[8].models;
}
const Ladder& systems() {
    return kSystemLadder;
}
const Ladder& languages() {
    return kLanguageLadder;
}
const Ladder& editors() {
    return kEditorLadder;
}
const Ladder& antiviruses() {
    return kAntivirusLadder;
}

bool processorAtLeast(const GameState& state, std::string_view model) {
    return processors().atLeast(state.lblComp, model);
}

namespace {

// The three ladders the courses climb, and the counter value that reaches each rung.

constexpr std::array<std::string_view, 9> kStatus = {
    "Чайник", "Любитель",      "Новичок",      "Программист",       "Почти хакер",
    "Хакер",  "Администратор", "Профессионал", "Сверх профессионал"};
constexpr std::array<std::string_view, 9> kEnglish = {"Не знаю",   "1 уровень", "2 уровень",
                                                      "3 уровень", "4 уровень", "5 уровень",
                                                      "6 уровень", "7 уровень", "8 уровень"};
constexpr std::array<std::string_view, 5> kEducation = {"Начальное", "Неполное среднее", "Среднее",
                                                        "Неполное высшее", "Высшее"};

constexpr std::array<Promotion, 8> kStatusPromotions = {{
    {"Чайник", "10", "Любитель", "Вы Любитель", "Ваш статус стал теперь любитель."},
    {"Любитель", "16", "Новичок", "Вы Новичок", "Ваш статус стал теперь новичок."},
    {"Новичок", "22", "Программист", "Вы Программист", "Ваш статус стал теперь программист."},
    {"Программист", "28", "Почти хакер", "Вы Почти Хакер", "Ваш статус стал теперь почти хакер."},
    {"Почти хакер", "36", "Хакер", "Вы Хакер", "Ваш статус стал теперь хакер. "},
    {"Хакер", "46", "Администратор", "Вы Администратор", "Ваш статус стал теперь администратор. "},
    {"Администратор", "54", "Профессионал", "Вы Профессионал",
     "Ваш статус стал теперь профессионал. "},
    {"Профессионал", "60", "Сверх профессионал", "Вы Сверх профессионал",
     "Ваш статус стал теперь сверх профессионал. "},
}};

constexpr std::array<Promotion, 8> kEnglishPromotions = {{
    {"Не знаю", "12", "1 уровень", "Вы на 1 Уровене", "Вы перешли на 1 уровень. "},
    {"1 уровень", "18", "2 уровень", "Вы на 2 Уровене", "Вы перешли на 2 уровень. "},
    {"2 уровень", "22", "3 уровень", "Вы на 3 Уровене", "Вы перешли на 3 уровень. "},
    {"3 уровень", "30", "4 уровень", "Вы на 4 Уровене", "Вы перешли на 4 уровень. "},
    {"4 уровень", "38", "5 уровень", "Вы на 5 Уровене", "Вы перешли на 5 уровень. "},
    {"5 уровень", "48", "6 уровень", "Вы на 6 Уровене", "Вы перешли на 6 уровень. "},
    {"6 уровень", "56", "7 уровень", "Вы на 7 Уровене", "Вы перешли на 7 уровень. "},
    {"7 уровень", "62", "8 уровень", "Вы на 8 Уровене", "Вы перешли на 8 уровень. "},
}};

constexpr std::array<Promotion, 4> kEducationPromotions = {{
    {"Начальное", "10", "Неполное среднее", "Образование Неполное среднее",
     "Ваше образование теперь неполное среднее. "},
    {"Неполное среднее", "14", "Среднее", "Образование Среднее",
     "Ваше образование теперь среднее. "},
    {"Среднее", "22", "Неполное высшее", "Образование Неполное высшее",
     "Ваше образование теперь неполное высшее. "},
    {"Неполное высшее", "28", "Высшее", "Образование Высшее", "Ваше образование теперь высшее. "},
}};

}  // namespace

const Ladder& statusLadder() {
    static const Ladder ladder{kStatus};
    return ladder;
}
const Ladder& englishLadder() {
    static const Ladder ladder{kEnglish};
    return ladder;
}
const Ladder& educationLadder() {
    static const Ladder ladder{kEducation};
    return ladder;
}
std::span<const Promotion> statusPromotions() {
    return kStatusPromotions;
}
std::span<const Promotion> englishPromotions() {
    return kEnglishPromotions;
}
std::span<const Promotion> educationPromotions() {
    return kEducationPromotions;
}

namespace need {

Requirement status(std::string_view x) {
    return orBetter(&GameState::lblStatus, statusLadder(), x);
}
Requirement english(std::string_view x) {
    return orBetter(&GameState::lblEnglish, englishLadder(), x);
}
Requirement education(std::string_view x) {
    return orBetter(&GameState::lblEduncation, educationLadder(), x);
}
Requirement cpu(std::string_view x) {
    return orBetter(&GameState::lblComp, processors(), x);
}
Requirement monitor(std::string_view x) {
    return orBetter(&GameState::lblMonitor, monitors(), x);
}
Requirement printer(std::string_view x) {
    return orBetter(&GameState::lblPrinter, printers(), x);
}
Requirement scanner(std::string_view x) {
    return orBetter(&GameState::lblSkaner, scanners(), x);
}
Requirement modem(std::string_view x) {
    return orBetter(&GameState::lblModem, modems(), x);
}
Requirement cdRom(std::string_view x) {
    return orBetter(&GameState::lblCDROM, cdRoms(), x);
}
Requirement ram(std::string_view x) {
    return orBetter(&GameState::lblRAM, memories(), x);
}
Requirement sound(std::string_view x) {
    return orBetter(&GameState::lblSoundKarta, soundCards(), x);
}
Requirement video(std::string_view x) {
    return orBetter(&GameState::lblVideoKarta, videoCards(), x);
}
Requirement system(std::string_view x) {
    return orBetter(&GameState::lblSystem, systems(), x);
}
Requirement language(std::string_view x) {
    return orBetter(&GameState::lblProgram, languages(), x);
}
Requirement editor(std::string_view x) {
    return orBetter(&GameState::lblGraph, editors(), x);
}

}  // namespace need

}  // namespace brankor
