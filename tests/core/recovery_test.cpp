// The recovery save: written at game midnight and on leaving, removed by a death, restored from
// the menu as a chosen file is loaded.
#include <gtest/gtest.h>

#include "core/lifecycle.h"
#include "core/mainwindow.h"
#include "core/newgame.h"
#include "core/savegame/recovery.h"
#include "core/savegame/savedgame.h"
#include "core/savegame/savegamemenu.h"
#include "fakes/fakes.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// The recovery file kept in memory. `unwritable` fails every write as a data folder that cannot
/// be created does: the earlier file stays and the failure is logged.
struct MemoryRecovery : RecoveryFile {
    std::optional<std::string> bytes;
    bool unwritable = false;
    std::vector<std::string> logged;

    bool exists() override { return bytes.has_value(); }
    FileContents read(std::size_t limit) override {
        if (!bytes) return {FileError::NotFound, {}};
        return {FileError::None, bytes->substr(0, limit)};
    }
    void write(std::string written) override {
        if (unwritable) return log("cannot write");
        bytes = std::move(written);
    }
    void remove() override { bytes.reset(); }
    void log(const std::string& problem) override { logged.push_back(problem); }
};

struct RecoveryGame : TestGame {
    MemoryRecovery file;
    RecoveryGame() { game.setRecovery(&file); }
    /// Runs the clock until the next midnight has passed.
    void toMidnight() {
        do clockTick(game);
        while (state().lblHours != "0");
    }
    /// The money the recovery file holds.
    std::string savedMoney() const {
        const Outcome<SavedGame> record = parseSavedGame(file.bytes.value_or(""));
        if (!record) return "unreadable: " + record.reason();
        GameState saved;
        applySavedGame(saved, record.value());
        return saved.lblMoney;
    }
};

}  // namespace

TEST(RecoverySave, MidnightWritesTheGameThatRestoreBringsBack) {
    RecoveryGame t;
    GameState& s = t.state();
    s.lblHours = "22";
    s.lblDay = "05";
    s.lblMoney = "500";
    s.lblWorkEarn = "100";
    s.BankBalance = 200;
    s.lblClothes = "Модная";

    clockTick(t.game);  // 23:00 is not midnight
    EXPECT_FALSE(canRestore(t.game));
    clockTick(t.game);  // midnight: salary, 5 % interest, the next day, then the save
    ASSERT_TRUE(canRestore(t.game));
    const GameState atMidnight = s;
    EXPECT_EQ(t.savedMoney(), "600");

    // The day goes on, then the player restores.
    s.lblMoney = "3";
    s.lblDay = "9";
    s.BankBalance = 0;
    s.lblClothes = "Дряхлая";
    s.Caption = "Бранкор: другое";
    menuRestore(t.game);
    EXPECT_TRUE(t.messages.shown.empty());
    EXPECT_EQ(s, atMidnight);
    EXPECT_EQ(s.lblMoney + " " + s.lblDay + " " + std::to_string(s.BankBalance), "600 6 210");
}

TEST(RecoverySave, DeathRemovesTheFileForGood) {
    RecoveryGame t;
    t.toMidnight();
    ASSERT_TRUE(canRestore(t.game));

    t.state().lblHungry = "-29";  // the life tick takes 2 more: death by hunger
    EXPECT_FALSE(lifeTick(t.game));
    EXPECT_FALSE(canRestore(t.game));

    // Leaving from the start-up window that follows writes nothing back.
    saveRecoveryAtClose(t.game);
    EXPECT_FALSE(canRestore(t.game));

    // A restore all the same is refused as a missing chosen file is, and changes nothing.
    const GameState dead = t.state();
    t.messages.shown.clear();
    menuRestore(t.game);
    ASSERT_EQ(t.messages.shown.size(), 1u);
    EXPECT_EQ(t.messages.shown[0],
              (Message{"Не загрузили", "Вы не загрузили игру.Файл не найден", Icon::Information}));
    EXPECT_EQ(t.state(), dead);
}

TEST(RecoverySave, AGameThatCannotBeWrittenKeepsTheEarlierFileByteForByte) {
    RecoveryGame t;
    t.state().lblMoney = "80";
    t.toMidnight();
    const std::string earlier = t.file.bytes.value();

    t.state().lblMoney = "-5";  // the letter code has no minus
    t.toMidnight();
    EXPECT_EQ(t.file.bytes.value(), earlier);
    t.state().lblMoney = "12";
    t.state().lblClothes = "Ψ";  // no such letter in the code page
    t.toMidnight();
    EXPECT_EQ(t.file.bytes.value(), earlier);
    EXPECT_EQ(t.savedMoney(), "80");

    ASSERT_EQ(t.file.logged.size(), 2u);  // each refusal logged, none shown
    EXPECT_NE(t.file.logged[0].find("-5"), std::string::npos) << t.file.logged[0];
    EXPECT_TRUE(t.messages.shown.empty());
}

TEST(RecoverySave, AnUnwritableFolderChangesNothingThePlayerSees) {
    RecoveryGame broken;
    broken.file.unwritable = true;
    TestGame plain;  // the same game with no recovery save at all
    for (TestGame* t : {static_cast<TestGame*>(&broken), &plain}) {
        t->state().lblWorkEarn = "40";
        for (int hour = 0; hour < 72; ++hour) {
            clockTick(t->game);
            if (hour % 12 == 11) lifeTick(t->game);
        }
        saveRecoveryAtClose(t->game);
    }
    EXPECT_EQ(broken.state(), plain.state());
    EXPECT_EQ(broken.messages.shown, plain.messages.shown);
    EXPECT_EQ(broken.windows.log, plain.windows.log);
    EXPECT_FALSE(canRestore(broken.game));
    EXPECT_EQ(broken.file.logged.size(), 4u);  // three midnights and the close
}

TEST(RecoverySave, ANewGameKeepsTheOldFileUntilItsFirstMidnight) {
    RecoveryGame t;
    t.state().lblMoney = "900";
    t.toMidnight();

    t.messages.answers = {Answer::Yes};
    menuNewGame(t.game);          // the old game waits, hidden, behind the start-up window
    saveRecoveryAtClose(t.game);  // leaving now keeps the game that waits
    EXPECT_EQ(t.savedMoney(), "900");

    ForLoadMain(t.game);  // the start-up window's "OK"
    t.state().lblHours = "20";
    for (int i = 0; i < 3; ++i) clockTick(t.game);
    EXPECT_EQ(t.savedMoney(), "900");
    clockTick(t.game);
    EXPECT_EQ(t.savedMoney(), "170");
}
