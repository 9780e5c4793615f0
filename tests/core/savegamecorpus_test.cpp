// Replays the saved-game fuzzer's seed corpus through the reader: no input may crash it, and
// every file it accepts must save and load back unchanged.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "fuzz/savedgamecheck.h"

TEST(SavedGameCorpus, EverySeedReadsSafely) {
    const std::filesystem::path corpus = std::filesystem::path(BRANKOR_TESTS_DIR) / "fuzz/corpus";
    int seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        const auto problem = brankor::testing::checkSavedGameBytes(bytes.str());
        EXPECT_EQ(problem, std::nullopt) << entry.path().filename();
        ++seeds;
    }
    EXPECT_GE(seeds, 10);
}
