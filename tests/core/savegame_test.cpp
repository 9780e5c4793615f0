// Saving and loading the game through the menu rules, with the disk kept in memory.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <random>
#include <sstream>

#include "core/number.h"
#include "core/savegame/codepage.h"
#include "core/savegame/moneycode.h"
#include "core/savegame/savedgame.h"
#include "core/savegame/savegamemenu.h"
#include "fakes/fakes.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

std::string dataFile(const std::string& name) {
    std::ifstream in(std::string(BRANKOR_TESTS_DIR) + "/data/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

/// A box as one line, for readable comparisons: "title | text | icon".
std::string seen(const std::optional<Message>& m) {
    if (!m) return "no box";
    return m->title + " | " + m->text + " | icon " + std::to_string(static_cast<int>(m->icon));
}
std::string loadFailure(const std::string& reason) {
    return seen(Message{"Не загрузили", "Вы не загрузили игру." + reason, Icon::Information});
}

/// The names of the saved items in which two states differ.
std::string differences(const GameState& a, const GameState& b) {
    std::string names;
    for (const Field& field : fields())
        if (a.*field.member != b.*field.member) names += std::string(field.name) + " ";
    const std::pair<const char*, bool> others[] = {
        {"VinchesterIndex", a.VinchesterIndex != b.VinchesterIndex},
        {"CarIndex", a.CarIndex != b.CarIndex},
        {"BankBalance", a.BankBalance != b.BankBalance},
        {"FishTotal", a.FishTotal != b.FishTotal},
        {"BaitPacks", a.BaitPacks != b.BaitPacks},
        {"HasTackle", a.HasTackle != b.HasTackle},
        {"HasRod", a.HasRod != b.HasRod},
        {"SkipExitConfirm", a.SkipExitConfirm != b.SkipExitConfirm},
        {"hiddenControls", a.hiddenControls != b.hiddenControls}};
    for (const auto& [name, differs] : others)
        if (differs) names += std::string(name) + " ";
    return names;
}

/// The Windows-1251 bytes of a text, to find it in a file.
std::string cp(std::string_view utf8) {
    return toWindows1251(utf8).value();
}

/// A disk of named byte strings.
struct MemoryDisk : SavedGameFiles {
    FileContents read(const std::string& path, std::size_t limit) override {
        const auto it = files.find(path);
        if (it == files.end()) return {FileError::NotFound, {}};
        return {FileError::None, it->second.substr(0, limit)};
    }
    FileError write(const std::string& path, std::string_view bytes) override {
        if (failWrites) return FileError::WriteFailed;
        files[path] = std::string(bytes);
        return FileError::None;
    }
    std::map<std::string, std::string> files;
    bool failWrites = false;
};

struct SaveGame : ::testing::Test {
    TestGame t;
    MemoryDisk disk;

    void save(const std::string& path) {
        t.files.paths.push_back(path);
        menuSave(t.game, disk);
    }
    void load(const std::string& path) {
        t.files.paths.push_back(path);
        menuLoad(t.game, disk);
    }
    /// Loads `bytes` as a file and returns the message shown, if any.
    std::optional<Message> loadBytes(const std::string& bytes) {
        disk.files["x.brk"] = bytes;
        const std::size_t before = t.messages.shown.size();
        load("x.brk");
        if (t.messages.shown.size() == before) return std::nullopt;
        return t.messages.shown.back();
    }
};

/// The hand-written new-game file with one item replaced.
std::string withItem(std::string bytes, std::string_view from, std::string_view to) {
    const std::size_t at = bytes.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return bytes.replace(at, from.size(), to);
}

}  // namespace

TEST_F(SaveGame, NewGameSavedAtOnceIsTheHandWrittenFile) {
    save("new.brk");
    EXPECT_TRUE(t.messages.shown.empty());
    EXPECT_EQ(disk.files["new.brk"], dataFile("newgame.brk"));
    EXPECT_EQ(t.windows.log, std::vector<std::string>{});
}

TEST_F(SaveGame, AFileLoadsEveryItemIntoItsPlace) {
    t.state().lblSpHelp = "подсказка";
    t.state().hiddenControls = {"lblSStoim"};
    t.state().SkipExitConfirm = 0;
    disk.files["mid.brk"] = dataFile("midgame.brk");
    load("mid.brk");
    EXPECT_TRUE(t.messages.shown.empty());
    const GameState& s = t.state();
    const std::map<std::string, std::string> expected = {{"lblStatus", "Хакер"},
                                                         {"lblSWork", "Программист"},
                                                         {"lblHappyness", "-4"},
                                                         {"lblHungry", "12"},
                                                         {"lblMoney", "32000"},
                                                         {"lblEduncation", "Высшее"},
                                                         {"lblEnglish", "8 уровень"},
                                                         {"lblMonitor", "Монитор 17"},
                                                         {"lblPrinter", "Принтер А"},
                                                         {"lblSkaner", "Сканер Б"},
                                                         {"lblModem", "Модем 56К"},
                                                         {"lblComp", "Пентиум"},
                                                         {"lblVinchester", "90 Gb"},
                                                         {"lblCDROM", "CD 52x"},
                                                         {"lblRAM", "128 Mb"},
                                                         {"lblSoundKarta", "Звук 3"},
                                                         {"lblVideoKarta", "Видео 4"},
                                                         {"lblRoom", "3"},
                                                         {"lblSMebel", "Мебель 2"},
                                                         {"lblKitchen", "Кухня 2"},
                                                         {"lblBath", "Ванная 2"},
                                                         {"lblClothes", "Ёлочный костюм"},
                                                         {"lblSystem", "Windows 98, SE"},
                                                         {"lblProgram", "Язык #2"},
                                                         {"lblGraph", "Редактор 3"},
                                                         {"lblAntvirus", "Антивирус 4"},
                                                         {"lblVichod", "Выход 5"},
                                                         {"lblMyWork", "Работа 6"},
                                                         {"lblWorkEarn", "250"},
                                                         {"lblSSchool", "Вы выучились в школе."},
                                                         {"lblSCost", "7"},
                                                         {"lblEEnglish", "Учусь 2"},
                                                         {"lblECost", "8"},
                                                         {"lblCComputer", "Учусь 3"},
                                                         {"lblCCost", "9"},
                                                         {"Caption", "Бранкор - сохранено"},
                                                         {"lblCom", "OK"},
                                                         {"lblObras", "13"},
                                                         {"lblEng", "14"},
                                                         {"lblVir", "5"},
                                                         {"lblDay", "17"},
                                                         {"lblMonth", "123"},
                                                         {"lblYear", "01"},
                                                         {"lblHours", "23"},
                                                         {"lblCar", "Десятка2110"},
                                                         {"lblSpHelp", "подсказка"}};
    for (const Field& field : fields()) {
        ASSERT_TRUE(expected.count(std::string(field.name))) << field.name;
        EXPECT_EQ(s.*field.member, expected.at(std::string(field.name))) << field.name;
    }
    EXPECT_EQ(s.VinchesterIndex, 9);
    EXPECT_EQ(s.CarIndex, 3);
    EXPECT_EQ(s.BankBalance, -300);
    EXPECT_EQ(s.FishTotal, 42);
    EXPECT_EQ(s.BaitPacks, -7);
    EXPECT_TRUE(s.HasTackle);
    EXPECT_FALSE(s.HasRod);
    // Loading is not a new game: what the record does not hold stays.
    EXPECT_EQ(s.hiddenControls, std::set<std::string>{"lblSStoim"});
    EXPECT_EQ(t.windows.log, std::vector<std::string>{});
}

TEST_F(SaveGame, LineEndsByteOrderMarkUtf8AndTrailingTextDoNotMatter) {
    const std::string cp1251 = dataFile("midgame.brk");
    const std::string crlf = "\r\n";
    const std::string bare = cp1251.substr(0, cp1251.size() - crlf.size());
    const std::string utf8 = fromWindows1251(cp1251).value();
    const GameState start = t.state();
    disk.files["mid.brk"] = cp1251;
    load("mid.brk");
    const GameState reference = t.state();
    for (const std::string& variant : {bare + "\n", bare, utf8, "\xEF\xBB\xBF" + utf8,
                                       bare + ",\"лишнее\",1\r\nвторая строка"}) {
        t.state() = start;
        EXPECT_EQ(seen(loadBytes(variant)), "no box");
        EXPECT_EQ(differences(t.state(), reference), "");
    }
}

TEST(MoneyCode, DigitsBecomeLettersAndBack) {
    EXPECT_EQ(encodeMoney("170"), "agj");
    EXPECT_EQ(encodeMoney("0123456789"), "jabcdefghi");
    EXPECT_EQ(encodeMoney(""), "");
    EXPECT_EQ(encodeMoney("-5"), std::nullopt);
    EXPECT_EQ(encodeMoney("1.5"), std::nullopt);
    EXPECT_EQ(decodeMoney("jabcdefghi"), "0123456789");
    EXPECT_EQ(decodeMoney("a-g j!"), "170");
}

TEST_F(SaveGame, LoadedMoneyIsCappedAbove32000) {
    const std::string newGame = dataFile("newgame.brk");
    const std::pair<const char*, const char*> cases[] = {
        {"\"cbjjj\"", "32000"}, {"\"cbjja\"", "31001"},
        {"\"xyz\"", ""},        {"\"jjagj\"", "00170"},
        {"\"\"", ""},           {"\"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\"", "31001"},
        {"\"-a#b k\"", "12"},
    };
    for (const auto& [code, money] : cases) {
        EXPECT_EQ(seen(loadBytes(withItem(newGame, "\"agj\"", code))), "no box");
        EXPECT_EQ(t.state().lblMoney, money) << code;
    }
    EXPECT_EQ(readNumber(t.state().lblMoney), 12);
    loadBytes(withItem(newGame, "\"agj\"", "\"xyz\""));
    EXPECT_EQ(readNumber(t.state().lblMoney), 0);
}

TEST_F(SaveGame, AGameThatCannotBeWrittenIsNotSavedAndTheOldFileStays) {
    disk.files["old.brk"] = "earlier game";
    const auto refused = [&](const std::string& reason) {
        save("old.brk");
        ASSERT_FALSE(t.messages.shown.empty());
        EXPECT_EQ(
            seen(t.messages.shown.back()),
            seen(Message{"Не сохранили.", "Вы не сохранили игру." + reason, Icon::Information}));
        EXPECT_EQ(disk.files["old.brk"], "earlier game");
    };
    t.state().lblMoney = "-5";
    refused("Сумму «-5» нельзя записать буквами");
    t.state().lblMoney = "170";
    t.state().lblSWork = "Работа \"мечты\"";
    refused("Элемент 3: текст с кавычкой или переводом строки");
    t.state().lblSWork = "Работа 🙂";
    refused("Символ вне кодировки Windows-1251");
    t.state().lblSWork = "Пока нет";
    t.state().CarIndex = 6;
    refused("Элемент 47: номер машины вне таблицы");
    t.state().CarIndex = 0;
    disk.failWrites = true;
    refused("Ошибка записи файла");
    disk.failWrites = false;
    menuSave(t.game, disk);  // the player cancels the dialog
    EXPECT_EQ(t.messages.shown.back().text, "Вы не сохранили игру.Выбор файла отменён");
    EXPECT_EQ(t.messages.shown.size(), 6u);
    save("old.brk");
    EXPECT_EQ(disk.files["old.brk"], dataFile("newgame.brk"));
}

TEST_F(SaveGame, AFileThatCannotBeLoadedChangesNothing) {
    const std::string good = dataFile("newgame.brk");
    const std::string crlf = "\r\n";
    const std::pair<std::string, std::string> cases[] = {
        {"", "Элемент 1: файл кончился раньше времени"},
        {good.substr(0, good.find(cp("\"Бранкор\""))), "Элемент 37: файл кончился раньше времени"},
        {good.substr(0, good.find("#FALSE#\r\n")), "Элемент 51: файл кончился раньше времени"},
        {good.substr(0, good.find(cp("\"Бранкор\"")) + 4), "Элемент 37: незакрытая кавычка"},
        {withItem(good, "\"agj\",", "\"agj,"), "Элемент 6: лишние символы"},
        {withItem(good, "\",0,\"", "\",\"0\",\""), "Элемент 14: не того типа"},
        {withItem(good, ",#FALSE#,", ",0,"), "Элемент 50: не того типа"},
        {withItem(good, "\"30\",\"30\"", "30,\"30\""), "Элемент 4: не того типа"},
        {withItem(good, "\",0,0,0,0,#", "\",1x,0,0,0,#"), "Элемент 46: лишние символы"},
        {withItem(good, "\",0,0,0,0,#", "\",-,0,0,0,#"), "Элемент 46: не число"},
        {withItem(good, "\",0,0,0,0,#", "\",32768,0,0,0,#"),
         "Элемент 46: число не помещается в 16 бит"},
        {withItem(good, "\",0,0,0,0,#", "\",-32769,0,0,0,#"),
         "Элемент 46: число не помещается в 16 бит"},
        {withItem(good, "\",0,0,0,0,#", "\",0,0,0,99999999999999999999,#"),
         "Элемент 49: число не помещается в 16 бит"},
        {withItem(good, "\",0,\"", "\",10,\""), "Элемент 14: номер винчестера вне таблицы"},
        {withItem(good, "\",0,0,0,0,#", "\",0,6,0,0,#"), "Элемент 47: номер машины вне таблицы"},
        {withItem(good, "\",0,0,0,0,#", "\",0,-1,0,0,#"), "Элемент 47: номер машины вне таблицы"},
        {withItem(good, "#FALSE#,#FALSE#", "#FALSE#,#FALS#"),
         "Элемент 51: неверное логическое значение"},
        {withItem(good, "\"agj\",", "\"agj\"x,"), "Элемент 6: лишние символы"},
        {withItem(good, "\"agj\",", "\"agj\",,"), "Элемент 7: непонятный символ"},
        {withItem(good, "\"agj\",", "\"agj\"\r\n,"), "Элемент 7: файл кончился раньше времени"},
        {withItem(good, "agj", std::string("a\0j", 3)), "В файле нулевой байт"},
        {withItem(good, "agj", "a\x98j"), "Символ вне кодировки Windows-1251"},
        {good + std::string(kSavedGameMaxBytes, ' '), "Файл слишком большой"},
        {"\xEF\xBB\xBF\xC0\xC1", "Файл испорчен: неверный UTF-8"},
    };
    for (const auto& [bytes, reason] : cases) {
        t.state().lblMoney = "555";
        const GameState before = t.state();
        EXPECT_EQ(seen(loadBytes(bytes)), loadFailure(reason));
        EXPECT_EQ(differences(t.state(), before), "") << reason;
    }
    load("missing.brk");
    EXPECT_EQ(t.messages.shown.back().text, "Вы не загрузили игру.Файл не найден");
    menuLoad(t.game, disk);  // the player cancels the dialog
    EXPECT_EQ(t.messages.shown.back().text, "Вы не загрузили игру.Выбор файла отменён");
    EXPECT_EQ(t.state().lblMoney, "555");
}

TEST(CodePage, CyrillicIsOneByteEach) {
    EXPECT_EQ(toWindows1251("Чайник Ёё №").value(), "\xD7\xE0\xE9\xED\xE8\xEA \xA8\xB8 \xB9");
    EXPECT_EQ(fromWindows1251("\xD7\xE0\xE9\xED\xE8\xEA").value(), "Чайник");
    EXPECT_FALSE(toWindows1251("日本"));
    EXPECT_TRUE(isUtf8("Чайник"));
    EXPECT_FALSE(isUtf8("\xD7\xE0"));
    EXPECT_FALSE(isUtf8("\xC0\xAF"));      // overlong "/"
    EXPECT_FALSE(isUtf8("\xED\xA0\x80"));  // surrogate
    EXPECT_FALSE(isUtf8("\xD0"));          // cut short
}

namespace {

/// A game state in which every saved item is drawn at random.
GameState randomState(std::mt19937& rng) {
    static const std::vector<std::string> letters = {"а", "Б", "ё", "Ё", "ж", "Щ", "я", "№", "a",
                                                     "Z", "0", "7", " ", ",", "#", ".", "-", "'"};
    const auto pick = [&rng](int from, int to) {
        return std::uniform_int_distribution<int>(from, to)(rng);
    };
    const auto text = [&] {
        std::string result;
        for (int n = pick(0, 12); n > 0; --n)
            result += letters[static_cast<std::size_t>(pick(0, int(letters.size()) - 1))];
        return result;
    };
    const auto int16 = [&] { return static_cast<std::int16_t>(pick(-32768, 32767)); };
    GameState s;
    for (const Field& field : fields()) s.*field.member = text();
    s.lblMoney = std::string(static_cast<std::size_t>(pick(0, 2)), '0') +
                 (pick(0, 9) == 0 ? "" : std::to_string(pick(0, 32000)));
    setCar(s, static_cast<std::int16_t>(pick(0, 5)));
    setVinchester(s, static_cast<std::int16_t>(pick(0, 9)));
    s.BankBalance = int16();
    s.FishTotal = int16();
    s.BaitPacks = int16();
    s.HasRod = pick(0, 1) == 1;
    s.HasTackle = pick(0, 1) == 1;
    return s;
}

}  // namespace

TEST_F(SaveGame, AnySavedGameLoadsBackAsItWas) {
    std::mt19937 rng(20240611);
    for (int round = 0; round < 500; ++round) {
        const GameState saved = randomState(rng);
        t.state() = saved;
        save("round.brk");
        ASSERT_TRUE(t.messages.shown.empty()) << t.messages.shown.back().text;

        t.state() = GameState{};
        t.state().lblSpHelp = "не из файла";
        t.state().SkipExitConfirm = 1;
        load("round.brk");
        ASSERT_TRUE(t.messages.shown.empty()) << t.messages.shown.back().text;
        GameState expected = saved;
        expected.lblSpHelp = "не из файла";
        expected.SkipExitConfirm = 1;
        ASSERT_EQ(differences(t.state(), expected), "") << "round " << round;
        ASSERT_EQ(t.state(), expected);
    }
}
