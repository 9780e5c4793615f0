// Saving and loading the game through the menu rules, with the disk kept in memory.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "core/number.h"
#include "core/savegame/codepage.h"
#include "core/savegame/savedgame.h"
#include "core/savegame/savegamemenu.h"
#include "fakes/fakes.h"
#include "fuzz/savedgamecheck.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

const std::filesystem::path kTests = BRANKOR_TESTS_DIR;

std::string bytesOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

/// The names of the labels in which two states differ, or a note that the module variables do.
std::string differences(const GameState& a, const GameState& b) {
    std::string names;
    for (const Field& field : fields())
        if (a.*field.member != b.*field.member) names += std::string(field.name) + " ";
    return names.empty() && !(a == b) ? "module variables" : names;
}

/// A disk of named byte strings; with `failWrites` every write fails and nothing changes.
struct MemoryDisk : SavedGameFiles {
    std::map<std::string, std::string> files;
    bool failWrites = false;
    FileContents read(const std::string& path, std::size_t limit) override {
        if (!files.count(path)) return {FileError::NotFound, {}};
        return {FileError::None, files[path].substr(0, limit)};
    }
    FileError write(const std::string& path, std::string_view bytes) override {
        if (failWrites) return FileError::WriteFailed;
        files[path] = bytes;
        return FileError::None;
    }
};

const std::string kNotSaved = "Не сохранили. Вы не сохранили игру.";
const std::string kNotLoaded = "Не загрузили Вы не загрузили игру.";

struct SaveGame : ::testing::Test {
    TestGame t;
    MemoryDisk disk;
    const std::string newGame = bytesOf(kTests / "data/newgame.brk");

    /// Runs a menu item with `path` chosen (nullopt: the dialog is cancelled); returns the title
    /// and text of the box shown, "" if none.
    std::string menu(void (*item)(Game&, SavedGameFiles&), std::optional<std::string> path) {
        t.files.paths.push_back(std::move(path));
        const std::size_t before = t.messages.shown.size();
        item(t.game, disk);
        if (t.messages.shown.size() == before) return "";
        const Message& m = t.messages.shown.back();
        EXPECT_EQ(m.icon, Icon::Information);
        return m.title + " " + m.text;
    }
    std::string save(std::optional<std::string> path) { return menu(menuSave, std::move(path)); }
    std::string load(const std::string& bytes) {
        disk.files["x.brk"] = bytes;
        return menu(menuLoad, "x.brk");
    }
};

/// A file with its first `from` replaced by `to` (throwing, so failing, if there is none).
std::string withItem(std::string bytes, std::string_view from, std::string_view to) {
    return bytes.replace(bytes.find(from), from.size(), to);
}

}  // namespace

TEST_F(SaveGame, NewGameSavedAtOnceIsTheHandWrittenFile) {
    EXPECT_EQ(save("new.brk"), "");
    EXPECT_EQ(disk.files["new.brk"], newGame);
}

// The hand-written mid-game file: every item lands in its own field, the look-alike counters
// included, whatever the file's line ends and code page.
TEST_F(SaveGame, TheHandWrittenMidGameFileFillsEveryFieldFromItsOwnItem) {
    const std::string cp1251 = bytesOf(kTests / "data/midgame.brk");
    t.state().lblSpHelp = "подсказка";  // not in the record: it stays
    const GameState start = t.state();
    ASSERT_EQ(load(cp1251), "");
    GameState& s = t.state();
    std::string items;  // items 2 to 45 in the order of the file
    for (const char* name :
         {"lblStatus",     "lblSWork",      "lblHappyness",  "lblHungry",    "lblMoney",
          "lblEduncation", "lblEnglish",    "lblMonitor",    "lblPrinter",   "lblSkaner",
          "lblModem",      "lblComp",       "lblVinchester", "lblCDROM",     "lblRAM",
          "lblSoundKarta", "lblVideoKarta", "lblRoom",       "lblSMebel",    "lblKitchen",
          "lblBath",       "lblClothes",    "lblSystem",     "lblProgram",   "lblGraph",
          "lblAntvirus",   "lblVichod",     "lblMyWork",     "lblWorkEarn",  "lblSSchool",
          "lblSCost",      "lblEEnglish",   "lblECost",      "lblCComputer", "lblCCost",
          "Caption",       "lblCom",        "lblObras",      "lblEng",       "lblVir",
          "lblDay",        "lblMonth",      "lblYear",       "lblHours"})
        items += *fieldByName(s, name) + "|";
    EXPECT_EQ(items,
              "Хакер|Программист|-4|12|32000|Высшее|8 уровень|Монитор 17|Принтер А|Сканер Б|"
              "Модем 56К|Пентиум|90 Gb|CD 52x|128 Mb|Звук 3|Видео 4|3|Мебель 2|Кухня 2|Ванная 2|"
              "Ёлочный костюм|Windows 98, SE|Язык #2|Редактор 3|Антивирус 4|Выход 5|Работа 6|250|"
              "Вы выучились в школе.|7|Учусь 2|8|Учусь 3|9|Бранкор - сохранено|OK|13|14|5|17|123|"
              "01|23|");
    EXPECT_EQ((std::vector<int>{s.VinchesterIndex, s.BankBalance, s.CarIndex, s.FishTotal,
                                s.BaitPacks, s.HasTackle, s.HasRod}),
              (std::vector<int>{9, -300, 3, 42, -7, 1, 0}));
    EXPECT_EQ(s.lblCar + s.lblSpHelp, "Десятка2110подсказка");
    const GameState loaded = s;
    const std::string bare = cp1251.substr(0, cp1251.size() - 2);
    const std::string utf8 = fromWindows1251(cp1251).value();
    for (const std::string& file : {bare + "\n", bare, utf8, "\xEF\xBB\xBF" + utf8,
                                    bare + ",\"лишнее\",1\r\nвторая строка"}) {
        t.state() = start;
        EXPECT_EQ(load(file), "");
        EXPECT_EQ(differences(t.state(), loaded), "");
    }
    EXPECT_EQ(t.windows.log, std::vector<std::string>{});  // loading opens no window
}

TEST_F(SaveGame, LoadedMoneyIsDecodedAndCappedAbove32000) {
    for (const auto& [code, money] :
         std::initializer_list<std::pair<const char*, const char*>>{{"cbjjj", "32000"},
                                                                    {"cbjja", "31001"},
                                                                    {"jdefg", "04567"},
                                                                    {"h-i !", "89"},
                                                                    {"aaaaaaaaaa", "31001"},
                                                                    {"xyz", ""}}) {
        EXPECT_EQ(load(withItem(newGame, "agj", code)), "");
        EXPECT_EQ(t.state().lblMoney, money) << code;
    }
    EXPECT_EQ(readNumber(t.state().lblMoney), 0);
}

TEST_F(SaveGame, AGameThatCannotBeWrittenIsNotSavedAndTheOldFileStays) {
    disk.files["old.brk"] = "earlier game";
    t.state().lblSWork = "Работа \"мечты\"";
    EXPECT_EQ(save("old.brk"), kNotSaved + "Элемент 3: текст с кавычкой или переводом строки");
    t.state().lblSWork = "Работа 🙂";
    EXPECT_EQ(save("old.brk"), kNotSaved + "Символ вне кодировки Windows-1251");
    t.state().lblSWork = "";
    t.state().CarIndex = 6;
    EXPECT_EQ(save("old.brk"), kNotSaved + "Элемент 47: номер машины вне таблицы");
    t.state().CarIndex = 0;
    disk.failWrites = true;
    EXPECT_EQ(save("old.brk"), kNotSaved + "Ошибка записи файла");
    EXPECT_EQ(disk.files["old.brk"], "earlier game");
    EXPECT_EQ(save(std::nullopt), kNotSaved + "Выбор файла отменён");
}

TEST_F(SaveGame, AFileThatCannotBeLoadedChangesNothing) {
    const std::string& good = newGame;
    const std::string ints = "\",0,0,0,0,#";  // items 45 to 50
    const std::pair<std::string, std::string> cases[] = {
        {good.substr(0, good.find("#FALSE#\r\n")), "Элемент 51: файл кончился раньше времени"},
        {good.substr(0, good.find(toWindows1251("\"Бранкор\"").value()) + 4),
         "Элемент 37: незакрытая кавычка"},
        {withItem(good, ",#FALSE#,", ",0,"), "Элемент 50: не того типа"},
        {withItem(good, ints, "\",-,0,0,0,#"), "Элемент 46: не число"},
        {withItem(good, "\"agj\",", "\"agj\",,"), "Элемент 7: непонятный символ"},
        {withItem(good, ints, "\",0,0,0,32768,#"), "Элемент 49: число не помещается в 16 бит"},
        {withItem(good, ",0,\"", ",10,\""), "Элемент 14: номер винчестера вне таблицы"},
        {withItem(good, ints, "\",0,6,0,0,#"), "Элемент 47: номер машины вне таблицы"},
        {withItem(good, ints, "\",0,-1,0,0,#"), "Элемент 47: номер машины вне таблицы"},
        {withItem(good, ",0,\"", ",-1,\""), "Элемент 14: номер винчестера вне таблицы"},
        {withItem(good, "#FALSE#\r", "#FALS#\r"), "Элемент 51: неверное логическое значение"},
        {withItem(good, "agj", std::string("a\0j", 3)), "В файле нулевой байт"},
        {"\xEF\xBB\xBF\xC0\xC1", "Файл испорчен: неверный UTF-8"},
        {good + std::string(kSavedGameMaxBytes, ' '), "Файл слишком большой"},
    };
    t.state().lblMoney = "555";
    const GameState before = t.state();
    for (const auto& [bytes, reason] : cases) {
        EXPECT_EQ(load(bytes), kNotLoaded + reason);
        EXPECT_EQ(differences(t.state(), before), "") << reason;
    }
    EXPECT_EQ(menu(menuLoad, "missing.brk"), kNotLoaded + "Файл не найден");
    EXPECT_EQ(menu(menuLoad, std::nullopt), kNotLoaded + "Выбор файла отменён");
    EXPECT_EQ(differences(t.state(), before), "");
}

// The fuzzer's seed corpus: no input may crash the reader, and every file it accepts (the
// mid-game one with its commas, hashes and negative numbers among them) must save and load back
// unchanged.
TEST(SavedGameCorpus, EverySeedReadsSafely) {
    int seeds = 0;
    for (const auto& seed : std::filesystem::directory_iterator(kTests / "fuzz/corpus")) {
        EXPECT_EQ(checkSavedGameBytes(bytesOf(seed.path())), std::nullopt) << seed.path();
        ++seeds;
    }
    EXPECT_GE(seeds, 10);
}
