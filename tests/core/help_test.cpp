// The help window, its four texts, and the about box reached from the menu or from help.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/help.h"
#include "core/startwindows.h"
#include "fakes/fakes.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

const char* const kTexts[] = {"txtMainWindow", "txtSmallHelp", "txtPoboch", "txtChanges"};

struct HelpGame : TestGame {
    HelpGame() {
        windows.registerPlace("frmHelp", [](Game& g) { return std::make_unique<FrmHelp>(g); });
        windows.registerPlace("frmFirst", [](Game& g) { return std::make_unique<FrmFirst>(g); });
    }
    Place& help() { return *windows.find("frmHelp"); }
    /// The one text box on show.
    std::vector<std::string> visibleTexts() {
        std::vector<std::string> result;
        for (const char* box : kTexts)
            if (help()[box].visible) result.push_back(box);
        return result;
    }
    std::vector<std::string> lines(const char* box) {
        std::vector<std::string> result;
        const std::string& text = help()[box].text;
        std::size_t start = 0;
        for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos;
             start = end + 2)
            result.push_back(text.substr(start, end - start));
        result.push_back(text.substr(start));
        return result;
    }
};

void expectAboutBox(Place& first) {
    EXPECT_TRUE(first["cmdOkAbout"].visible);
    EXPECT_FALSE(first["cmdOK"].visible);
    EXPECT_FALSE(first["cmdExit"].visible);
}

}  // namespace

TEST(Help, MenuOpensTheWindowModallyOnTheChosenText) {
    HelpGame g;
    menuBigHelp(g.game);
    EXPECT_EQ(g.windows.log.back(), "show frmHelp modal");
    EXPECT_EQ(g.visibleTexts(), std::vector<std::string>{"txtMainWindow"});
    g.windows.close("frmHelp");
    menuSmallHelp(g.game);
    EXPECT_EQ(g.windows.log.back(), "show frmHelp modal");
    EXPECT_EQ(g.visibleTexts(), std::vector<std::string>{"txtSmallHelp"});
}

TEST(Help, EachButtonShowsItsOwnTextAndHidesTheOthers) {
    HelpGame g;
    menuSmallHelp(g.game);
    const std::pair<const char*, const char*> buttons[] = {{"Command3", "txtMainWindow"},
                                                           {"Command1", "txtSmallHelp"},
                                                           {"Command2", "txtPoboch"},
                                                           {"cmdChanges", "txtChanges"}};
    for (const auto& [button, box] : buttons) {
        g.help().onClick(button);
        EXPECT_EQ(g.visibleTexts(), std::vector<std::string>{box}) << button;
    }
    g.help().onClick("cmdOk");
    EXPECT_EQ(g.windows.find("frmHelp"), nullptr);
    EXPECT_TRUE(g.messages.shown.empty());
}

TEST(Help, CaptionsAndTexts) {
    HelpGame g;
    menuBigHelp(g.game);
    EXPECT_EQ(g.help().caption(), "Помощь по игре \"Brankor\"");
    EXPECT_EQ(g.help()["lblHeading"].text, "ПОМОЩЬ ПО ИГРЕ \"БРАНКОР\"");
    EXPECT_EQ(g.help()["cmdOk"].text, "ОК");
    EXPECT_NE(g.help()["lblAuthor"].text.find(kContactEmail), std::string::npos);

    const auto main = g.lines("txtMainWindow");
    ASSERT_EQ(main.size(), 13u + 6 * 5);
    EXPECT_EQ(main[1], "Главное окно игры.");
    EXPECT_EQ(main[3], "");
    EXPECT_EQ(main[12], " ");
    EXPECT_EQ(main[14], std::string(32, '-'));
    EXPECT_EQ(main[21], "::Жите мое::");
    EXPECT_EQ(main.back(), " Где вы в данный момент учитесь и сколько платите за учебу.");
    EXPECT_EQ(std::count(main.begin(), main.end(), std::string(32, '-')), 6);

    const auto small = g.lines("txtSmallHelp");
    ASSERT_EQ(small.size(), 9u);
    EXPECT_EQ(small[0], "==================");
    EXPECT_TRUE(small[4].ends_with("выйти в \"игрушечный\" интернет."));
    EXPECT_EQ(small[6], "Играйте! Надеюсь, вы сможете оценить мою работу. ");
    EXPECT_NE(small[8].find(kContactEmail), std::string::npos);

    EXPECT_EQ(g.lines("txtPoboch").size(), 5u);
    for (const char* box : kTexts) {
        const std::string& text = g.help()[box].text;
        // Every line break is CR LF: no bare LF, no CR without its LF.
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'),
                  std::count(text.begin(), text.end(), '\r'))
            << box;
        EXPECT_EQ(g.lines(box).size(), std::count(text.begin(), text.end(), '\n') + 1u) << box;
    }
}

TEST(Help, VersionHistoryHasFourNumberedSections) {
    HelpGame g;
    menuBigHelp(g.game);
    const auto lines = g.lines("txtChanges");
    const std::pair<std::string, int> sections[] = {{"Изменения версии 2.0 (от версии 1.3)", 21},
                                                    {"Изменения версии 1.3", 8},
                                                    {"Изменения версии 1.2", 9},
                                                    {"Изменения версии 1.1", 8}};
    for (const auto& [heading, entries] : sections) {
        const auto at = std::find(lines.begin(), lines.end(), heading);
        ASSERT_NE(at, lines.end()) << heading;
        int numbered = 0;
        for (auto line = at + 2;
             line != lines.end() && line->starts_with(std::to_string(numbered + 1) + ". "); ++line)
            ++numbered;
        EXPECT_EQ(numbered, entries) << heading;
        EXPECT_EQ(*(at - 1), std::string(37, '=')) << heading;
        EXPECT_EQ(*(at + 1), std::string(37, '=')) << heading;
    }
    for (const std::string& line : lines)
        if (line.starts_with("=")) {
            EXPECT_EQ(line, std::string(37, '='));
        }
    EXPECT_EQ(lines.back(), "Внимание: здесь могут указываться не все изменения игры.");
}

TEST(About, HelpButtonClosesHelpAndShowsTheStartUpWindowAsAboutBox) {
    HelpGame g;
    menuBigHelp(g.game);
    g.windows.log.clear();
    g.help().onClick("cmdAbout");
    EXPECT_EQ(g.windows.find("frmHelp"), nullptr);
    EXPECT_EQ(g.windows.log.front(), "close frmHelp");
    EXPECT_EQ(g.windows.log.back(), "show frmFirst modal");
    Place* about = g.windows.find("frmFirst");
    ASSERT_NE(about, nullptr);
    expectAboutBox(*about);
}

TEST(About, MenuShowsTheAboutBoxAndTheNextStartUpWindowIsNormal) {
    HelpGame g;
    menuAbout(g.game);
    EXPECT_EQ(g.windows.log.back(), "show frmFirst modal");
    Place* about = g.windows.find("frmFirst");
    ASSERT_NE(about, nullptr);
    expectAboutBox(*about);
    about->onClick("cmdOkAbout");
    EXPECT_EQ(g.windows.find("frmFirst"), nullptr);
    EXPECT_FALSE(g.windows.quitCalled);

    Place* first = g.windows.load("frmFirst");
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE((*first)["cmdOK"].visible);
    EXPECT_TRUE((*first)["cmdExit"].visible);
    EXPECT_FALSE((*first)["cmdOkAbout"].visible);
}
