// The help window and its four texts; the menus and the about box are tested on the real windows.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/help.h"
#include "fakes/fakes.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

struct HelpGame : TestGame {
    HelpGame() {
        windows.registerPlace("frmHelp", [](Game& g) { return std::make_unique<FrmHelp>(g); });
        menuBigHelp(game);
    }
    Place& help() { return *windows.find("frmHelp"); }
    /// The box's text cut at its CR LF line breaks.
    std::vector<std::string> lines(const char* box) {
        std::vector<std::string> result;
        std::string text = help()[box].text;
        for (std::size_t end; (end = text.find("\r\n")) != std::string::npos;
             text.erase(0, end + 2))
            result.push_back(text.substr(0, end));
        result.push_back(text);
        return result;
    }
};

}  // namespace

TEST(Help, EachButtonShowsItsOwnTextAndHidesTheOthers) {
    HelpGame g;
    const std::pair<std::string, std::string> pages[] = {{"Command1", "txtSmallHelp"},
                                                         {"Command2", "txtPoboch"},
                                                         {"cmdChanges", "txtChanges"},
                                                         {"Command3", "txtMainWindow"}};
    for (const auto& [button, shown] : pages) {
        g.help().onClick(button);
        for (const auto& [other, box] : pages)
            EXPECT_EQ(g.help()[box].visible, box == shown) << button << " " << box;
    }
    g.help().onClick("cmdOk");
    EXPECT_EQ(g.windows.find("frmHelp"), nullptr);
}

TEST(Help, TextsAreCrLfLinesAndTheHistoryHasFourNumberedSections) {
    HelpGame g;
    EXPECT_EQ(g.help().caption(), "Помощь по игре \"Brankor\"");
    EXPECT_EQ(g.help()["lblHeading"].text, "ПОМОЩЬ ПО ИГРЕ \"БРАНКОР\"");
    EXPECT_EQ(g.help()["txtPoboch"].text,
              "==================\r\nОстальные окна.\r\n==================\r\n\r\nВ остальных "
              "окнах вам предстоит покупать все необходимые товары, ходить во все необходимые "
              "заведения и совершать много другого.");
    EXPECT_EQ(g.lines("txtMainWindow").at(4), "::Личный статус::");
    EXPECT_EQ(g.lines("txtSmallHelp").at(1), "Короткая справка.");

    const auto history = g.lines("txtChanges");
    const std::string rule(37, '=');
    for (const auto& [heading, entries] : {std::pair{"Изменения версии 2.0 (от версии 1.3)", 21},
                                           {"Изменения версии 1.3", 8},
                                           {"Изменения версии 1.2", 9},
                                           {"Изменения версии 1.1", 8}}) {
        const auto at = std::find(history.begin(), history.end(), heading);
        ASSERT_NE(at, history.end()) << heading;
        EXPECT_EQ(*(at - 1) + *(at + 1), rule + rule) << heading;
        const auto first = at + 2, blank = std::find(first, history.end(), "");
        EXPECT_EQ(blank - first, entries) << heading;
        EXPECT_TRUE(blank[-1].starts_with(std::to_string(entries) + ". ")) << heading;
    }
    EXPECT_EQ(history.back(), "Внимание: здесь могут указываться не все изменения игры.");
}
