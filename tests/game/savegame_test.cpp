// Saving, loading and restoring the game through the menu, with the disk kept in memory.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <utility>

#include "fakes/fakes.h"
#include "fuzz/savedgamecheck.h"
#include "game/lifecycle.h"
#include "game/menus.h"
#include "game/newgame.h"
#include "game/savegame/codepage.h"
#include "game/savegame/recovery.h"
#include "game/savegame/savegamemenu.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

std::string bytesOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

/// Named byte strings, "recovery.brk" the recovery file; "locked.brk" cannot be written.
struct MemoryDisk : SavedGameFiles, RecoveryFile {
    std::map<std::string, std::string> files;
    FileContents read(const std::string& path, std::size_t limit) override {
        if (!files.count(path)) return {FileError::NotFound, {}};
        return {FileError::None, files[path].substr(0, limit)};
    }
    FileError write(const std::string& path, std::string_view bytes) override {
        if (path == "locked.brk") return FileError::WriteFailed;
        files[path] = bytes;
        return FileError::None;
    }
    bool exists() override { return files.contains("recovery.brk"); }
    FileContents read(std::size_t limit) override { return read("recovery.brk", limit); }
    void write(std::string bytes) override { files["recovery.brk"] = bytes; }
    void remove() override { files.erase("recovery.brk"); }
    void log(const std::string&) override {}
};

const std::string kNotSaved = "Не сохранили. Вы не сохранили игру.";
const std::string kNotLoaded = "Не загрузили Вы не загрузили игру.";

struct SaveGame : ::testing::Test {
    TestGame t;
    GameState& s = t.state();
    MemoryDisk disk;
    const std::string fresh = bytesOf(BRANKOR_TESTS_DIR "/data/newgame.brk");
    SaveGame() { t.game.setRecovery(&disk); }

    /// Runs a menu item with `path` chosen (nullopt: the dialog is cancelled); returns its box.
    template <class MenuItem>
    std::string menu(MenuItem item, std::optional<std::string> path) {
        t.files.paths.push_back(std::move(path));
        item(t.game, disk);
        return box();
    }
    /// The title and text of the last box shown since the last call, "" if none.
    std::string box() {
        const std::vector<Message> shown = std::exchange(t.messages.shown, {});
        if (shown.empty()) return "";
        EXPECT_EQ(shown.back().icon, Icon::Information);
        return shown.back().title + " " + shown.back().text;
    }
    std::string save(std::optional<std::string> path) { return menu(menuSave, std::move(path)); }
    std::string load(const std::string& bytes) {
        disk.files["x.brk"] = bytes;
        return menu(menuLoad, "x.brk");
    }
    void ticks(int hours) {
        for (int hour = 0; hour < hours; ++hour) clockTick(t.game);
    }
};

/// A file with its first `from` replaced by `to` (throwing, so failing, if there is none).
std::string withItem(std::string bytes, std::string_view from, std::string_view to) {
    return bytes.replace(bytes.find(from), from.size(), to);
}

}  // namespace

// Every item lands in its own field, the look-alike counters included, whatever the file's line
// ends and code page; saved again, the game is the same file.
TEST_F(SaveGame, TheHandWrittenMidGameFileFillsEveryFieldFromItsOwnItem) {
    const std::string cp1251 = bytesOf(BRANKOR_TESTS_DIR "/data/midgame.brk");
    s.lblSpHelp = "подсказка";  // not in the record: it stays
    const GameState start = s;
    ASSERT_EQ(load(cp1251), "");
    std::string loaded;  // every text field, as the game lists them
    for (const Field& f : fields()) loaded += std::string(f.name) + "=" + s.*f.member + "|";
    EXPECT_EQ(loaded,
              "lblMoney=32000|lblStatus=Хакер|lblSWork=Программист|lblHappyness=-4|lblHungry=12|"
              "lblEduncation=Высшее|lblEnglish=8 уровень|lblCom=OK|lblEng=14|lblObras=13|"
              "lblClothes=Ёлочный костюм|lblCar=Десятка2110|lblRoom=3|lblSMebel=Мебель 2|"
              "lblKitchen=Кухня 2|lblBath=Ванная 2|lblMonitor=Монитор 17|lblPrinter=Принтер А|"
              "lblSkaner=Сканер Б|lblModem=Модем 56К|lblComp=Пентиум|lblVinchester=90 Gb|"
              "lblCDROM=CD 52x|lblVideoKarta=Видео 4|lblSoundKarta=Звук 3|lblRAM=128 Mb|"
              "lblSystem=Windows 98, SE|lblProgram=Язык #2|lblGraph=Редактор 3|"
              "lblAntvirus=Антивирус 4|lblVichod=Выход 5|lblMyWork=Работа 6|lblWorkEarn=250|"
              "lblSSchool=Вы выучились в школе.|lblSCost=7|lblEEnglish=Учусь 2|lblECost=8|"
              "lblCComputer=Учусь 3|lblCCost=9|lblDay=17|lblMonth=123|lblYear=01|lblHours=23|"
              "lblVir=5|lblSpHelp=подсказка|Caption=Бранкор - сохранено|");
    EXPECT_EQ((std::vector<int>{s.VinchesterIndex, s.BankBalance, s.CarIndex, s.FishTotal,
                                s.BaitPacks, s.HasTackle, s.HasRod}),
              (std::vector<int>{9, -300, 3, 42, -7, 1, 0}));
    EXPECT_EQ(t.game.diary.firstDate(), "17/123/01");  // a fresh diary
    EXPECT_EQ(save("again.brk"), "");
    EXPECT_EQ(disk.files["again.brk"], cp1251);

    const GameState whole = s;
    const std::string bare = cp1251.substr(0, cp1251.size() - 2);
    const std::string utf8 = fromWindows1251(cp1251).value();
    for (const std::string& file : {bare + "\n", bare, utf8, "\xEF\xBB\xBF" + utf8,
                                    bare + ",\"лишнее\",1\r\nвторая строка"}) {
        s = start;
        EXPECT_EQ(load(file), "");
        EXPECT_TRUE(s == whole);
    }
}

TEST_F(SaveGame, LoadedMoneyIsDecodedAndCappedAbove32000) {
    const std::pair<std::string, std::string> cases[] = {
        {"cbjjj", "32000"}, {"cbjja", "31001"},      {"jdefg", "04567"},
        {"h-i !", "89"},    {"aaaaaaaaaa", "31001"}, {"xyz", ""}};
    for (const auto& [code, money] : cases) {
        EXPECT_EQ(load(withItem(fresh, "agj", code)), "");
        EXPECT_EQ(s.lblMoney, money) << code;
    }
}

TEST_F(SaveGame, AGameThatCannotBeWrittenIsNotSavedAndTheOldFileStays) {
    EXPECT_EQ(save("locked.brk"), kNotSaved + "Ошибка записи файла");
    EXPECT_EQ(save(std::nullopt), kNotSaved + "Выбор файла отменён");
    // Each fault in turn, the later ones found before the earlier ones.
    disk.files["old.brk"] = "earlier game";
    s.lblSWork = "Работа 🙂";
    EXPECT_EQ(save("old.brk"), kNotSaved + "Символ вне кодировки Windows-1251");
    s.lblSWork = "Работа \"мечты\"";
    EXPECT_EQ(save("old.brk"), kNotSaved + "Элемент 3: текст с кавычкой или переводом строки");
    s.CarIndex = 6;
    EXPECT_EQ(save("old.brk"), kNotSaved + "Элемент 47: номер машины вне таблицы");
    s.lblMoney = "-5";
    EXPECT_EQ(save("old.brk"), kNotSaved + "Сумму «-5» нельзя записать буквами");
    EXPECT_EQ(disk.files["old.brk"], "earlier game");
}

TEST_F(SaveGame, AFileThatCannotBeLoadedChangesNothing) {
    const std::string ints = "\",0,0,0,0,#";  // items 45 to 50
    const std::pair<std::string, std::string> cases[] = {
        {fresh.substr(0, fresh.find("#FALSE#\r\n")), "Элемент 51: файл кончился раньше времени"},
        {withItem(fresh, ",#FALSE#,", ",0,"), "Элемент 50: не того типа"},
        {withItem(fresh, ints, "\",0,0,0,32768,#"), "Элемент 49: число не помещается в 16 бит"},
        {withItem(fresh, ",0,\"", ",-1,\""), "Элемент 14: номер винчестера вне таблицы"},
        {withItem(fresh, ints, "\",0,6,0,0,#"), "Элемент 47: номер машины вне таблицы"},
        {withItem(fresh, ints, "\",0,-1,0,0,#"), "Элемент 47: номер машины вне таблицы"},
        {withItem(fresh, "agj", std::string("a\0j", 3)), "В файле нулевой байт"},
        {"\xEF\xBB\xBF\xC0\xC1", "Файл испорчен: неверный UTF-8"},
        {fresh + std::string(kSavedGameMaxBytes, ' '), "Файл слишком большой"},
    };
    s.lblMoney = "555";
    const GameState before = s;
    for (const auto& [bytes, reason] : cases) {
        EXPECT_EQ(load(bytes), kNotLoaded + reason);
        EXPECT_TRUE(s == before) << reason;
    }
    EXPECT_EQ(menu(menuLoad, "missing.brk"), kNotLoaded + "Файл не найден");
    EXPECT_EQ(menu(menuLoad, std::nullopt), kNotLoaded + "Выбор файла отменён");
    // The ends of the 16-bit range load.
    EXPECT_EQ(load(withItem(fresh, ints, "\",0,0,0,32767,#")), "");
    EXPECT_EQ(s.BaitPacks, 32767);
    EXPECT_EQ(load(withItem(fresh, ints, "\",-32768,0,0,0,#")), "");
    EXPECT_EQ(s.BankBalance, -32768);
}

// A saved game opened with the game, from the file manager or the command line: a good file is
// the game the start-up window's "OK" and then "Загрузить игру" give; any other shows the menu's
// box and starts nothing, so the start-up window follows.
TEST_F(SaveGame, AFileOpenedWithTheGameStartsItOrShowsWhyNot) {
    FakeMessages messages;
    FakeWindows windows;
    FakeClock clock;
    FakeRandom random;
    FakeFiles files;
    Game opened(Platform{messages, windows, clock, random, files});
    windows.setGame(opened);
    const GameState untouched = opened.state;
    const auto open = [&](const std::string& path) {
        const bool started = openAtStart(opened, disk, path);
        const std::vector<Message> shown = std::exchange(messages.shown, {});
        return std::to_string(started) +
               (shown.empty() ? "" : " " + shown.back().title + " " + shown.back().text);
    };

    EXPECT_EQ(open("missing.brk"), "0 " + kNotLoaded + "Файл не найден");
    disk.files["cut.brk"] = fresh.substr(0, fresh.find("#FALSE#\r\n"));
    EXPECT_EQ(open("cut.brk"), "0 " + kNotLoaded + "Элемент 51: файл кончился раньше времени");
    EXPECT_TRUE(opened.state == untouched);
    EXPECT_TRUE(windows.log.empty());

    disk.files["mid.brk"] = bytesOf(BRANKOR_TESTS_DIR "/data/midgame.brk");
    EXPECT_EQ(open("mid.brk"), "1");
    EXPECT_EQ(load(disk.files["mid.brk"]), "");
    EXPECT_TRUE(opened.state == s);
    EXPECT_TRUE(windows.visible["frmMain"]);
}

// The recovery save holds the last midnight the game could be written at, after its salary, and
// goes at a death; a new game leaves it until its own first midnight.
TEST_F(SaveGame, TheRecoverySaveFollowsTheMidnightsOfALife) {
    s.lblHours = "22";
    s.lblMoney = "500";
    s.lblWorkEarn = "100";
    s.BankBalance = 200;
    ticks(1);  // 23:00 is not midnight
    EXPECT_FALSE(canRestore(t.game));
    ticks(1);  // midnight: salary, 5 % interest, the next day, then the save
    const GameState atMidnight = s;
    s.lblMoney = "-500";  // the letter code has no minus
    ticks(24);
    menuRestore(t.game);
    EXPECT_EQ(box(), "");
    EXPECT_TRUE(s == atMidnight);
    EXPECT_EQ(s.lblMoney + " " + s.lblDay + " " + std::to_string(s.BankBalance), "600 10 210");

    const std::string old = disk.files["recovery.brk"];
    t.messages.answers = {Answer::Yes};
    menuNewGame(t.game);  // the old game waits, hidden, behind the start-up window
    ForLoadMain(t.game);  // the start-up window's "OK"; the clock goes on from midnight
    ticks(23);
    EXPECT_EQ(disk.files["recovery.brk"], old);
    ticks(1);
    EXPECT_EQ(disk.files["recovery.brk"], encodeSavedGame(s).value());

    s.lblHungry = "-29";  // the life tick takes 2 more: death by hunger
    EXPECT_FALSE(lifeTick(t.game));
    saveRecoveryAtClose(t.game);  // leaving the start-up window that follows writes nothing
    menuRestore(t.game);          // a restore all the same is refused as a missing chosen file is
    EXPECT_EQ(box(), kNotLoaded + "Файл не найден");
}

// No seed of the fuzzer may crash the reader; every one it accepts saves and loads back unchanged.
TEST(SavedGameCorpus, EverySeedReadsSafely) {
    for (const auto& seed : std::filesystem::directory_iterator(BRANKOR_TESTS_DIR "/fuzz/corpus")) {
        EXPECT_EQ(checkSavedGameBytes(bytesOf(seed.path())), std::nullopt) << seed.path();
    }
}

// A file written as UTF-8 reads as UTF-8 whatever its characters, four-byte ones included; a
// byte that UTF-8 cannot hold makes it the single-byte code page's.
TEST(SavedGameText, Utf8KeepsEveryCharacterAndOtherBytesAreTheCodePages) {
    for (const std::string text : {"Бранкор 😀 мой", "ё 𝔸 z", "x"}) {
        const Outcome<std::string> read = savedGameText(text);
        ASSERT_TRUE(read) << read.reason();
        EXPECT_EQ(read.value(), text);
    }
    const Outcome<std::string> cp1251 = savedGameText("\xC1\xF0\xE0\xED\xEA\xEE\xF0");
    ASSERT_TRUE(cp1251);
    EXPECT_EQ(cp1251.value(), "Бранкор");
}
