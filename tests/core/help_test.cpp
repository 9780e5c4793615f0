// The help window: each button shows its own text, written with CR LF line breaks.
#include <gtest/gtest.h>

#include "core/help.h"
#include "fakes/fakes.h"

using namespace brankor;
using namespace brankor::testing;

TEST(Help, EachButtonShowsItsOwnTextAndHidesTheOthers) {
    TestGame g;
    g.windows.registerPlace<FrmHelp>("frmHelp");
    menuBigHelp(g.game);
    Place& help = *g.windows.find("frmHelp");
    EXPECT_EQ(help.caption() + help["lblHeading"].text,
              "Помощь по игре \"Brankor\"ПОМОЩЬ ПО ИГРЕ \"БРАНКОР\"");
    const std::pair<std::string, std::string> pages[] = {{"Command1", "txtSmallHelp"},
                                                         {"Command2", "txtPoboch"},
                                                         {"cmdChanges", "txtChanges"},
                                                         {"Command3", "txtMainWindow"}};
    for (const auto& [button, shown] : pages) {
        help.onClick(button);
        for (const auto& [other, box] : pages)
            EXPECT_EQ(help[box].visible, box == shown) << button << " " << box;
    }
    EXPECT_EQ(help["txtPoboch"].text,
              "==================\r\nОстальные окна.\r\n==================\r\n\r\nВ остальных "
              "окнах вам предстоит покупать все необходимые товары, ходить во все необходимые "
              "заведения и совершать много другого.");
    EXPECT_NE(help["txtMainWindow"].text.find("\r\n::Личный статус::\r\n"), std::string::npos);
    EXPECT_NE(help["txtSmallHelp"].text.find("\r\nКороткая справка.\r\n"), std::string::npos);
    for (const char* version : {"2.0 (от версии 1.3)", "1.3", "1.2", "1.1"})
        EXPECT_NE(
            help["txtChanges"].text.find(std::string("\r\nИзменения версии ") + version + "\r\n"),
            std::string::npos);
    EXPECT_TRUE(help["txtChanges"].text.ends_with(
        "\r\nВнимание: здесь могут указываться не все изменения игры."));
    help.onClick("cmdOk");
    EXPECT_EQ(g.windows.find("frmHelp"), nullptr);
}
