// The leisure window with its two outings and its casino, and the casino's games: the roulette,
// the slot machine and the arcade.
#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/fakes.h"
#include "leisure/arcade.h"
#include "leisure/party.h"
#include "leisure/roulette.h"
#include "leisure/slots.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

using Party = PlaceTest<FrmParty>;

struct Roulette : PlaceTest<FrmRuletka> {
    explicit Roulette(const char* money = "170") : PlaceTest(money, "50") {}
    /// Bets and presses start; returns the phase after.
    std::string bet(const char* number, const char* stake) {
        (*this)["txtChis"].text = number;
        (*this)["txtStav"].text = stake;
        click("cmdStart");
        return phase();
    }
    /// Stops the counter after `afterMs` where Int(Rnd * 13) is `number`, and settles.
    std::string stopAt(int number, std::int64_t afterMs = 1234, bool settle = true) {
        clock.ms += afterMs;
        random.values = {(number + 0.5) / 13};
        click("cmdStop");
        if (settle) click("cmdStop");
        return phase();
    }
    /// The number, what can be pressed or typed into, the counter, the money and the mood.
    std::string phase() {
        const Control& stop = (*this)["cmdStop"];
        return (*this)["txtChis"].text + ": " + ((*this)["cmdStart"].enabled ? "start " : "- ") +
               stop.text + (stop.enabled ? " on" : " off") +
               ((*this)["txtChis"].enabled && (*this)["txtStav"].enabled ? " boxes " : " - ") +
               ((*this)["lblNum"].visible ? (*this)["lblNum"].text : "hidden") + " " +
               moneyAndMood();
    }
};

struct Slots : PlaceTest<FrmRuletka2> {
    explicit Slots(const char* money = "100") : PlaceTest(money, "50") {}
    /// Stops the reels where Int(Rnd * 3) is a, b and c.
    void spin(int a, int b, int c) {
        random.values = {(a + 0.5) / 3, (b + 0.5) / 3, (c + 0.5) / 3};
        click("cmdStart");
    }
    /// Spins left, the buttons that can be pressed, and the money shown.
    std::string panel() {
        return (*this)["lblVrash"].text + ((*this)["cmdBVrash"].enabled ? " buy" : " -") +
               ((*this)["cmdStart"].enabled ? " spin " : " - ") + (*this)["lblYMoney"].text;
    }
    std::string reels() {
        return (*this)["imgPict1"].picture + " " + (*this)["imgPict2"].picture + " " +
               (*this)["imgPict3"].picture;
    }
};

/// Every tick that did something until the game ends, as "tick:event ...".
std::string play(ArcadeBoard board) {
    static const char* const names[] = {"none", "side", "wall", "paddle", "won", "lost"};
    std::string log;
    for (int tick = 1; tick <= 1000; ++tick) {
        const ArcadeEvent event = stepArcade(board);
        if (event != ArcadeEvent::None)
            log += std::to_string(tick) + ":" + names[static_cast<int>(event)] + " ";
        if (event == ArcadeEvent::Won || event == ArcadeEvent::Lost) break;
    }
    return log;
}

struct Arcade : PlaceTest<FrmAr> {
    using PlaceTest::PlaceTest;
    Twips ball() { return *(*this)["P1"].geometry; }
    Twips paddle() { return *(*this)["C1"].geometry; }
    void placePaddle(int left) { (*this)["C1"].geometry->left = left; }
    void tick() { place->onTimer("Timer3"); }
    /// Whether the loop runs, and the settings and arrow buttons that can be pressed.
    std::string controls() {
        std::string seen = place->timers().at("Timer3").enabled ? "playing:" : "idle:";
        for (const char* n : {"cmdNew", "cmdBack", "o1", "o2", "o3", "b1", "b2", "b3", "optKnopki",
                              "optKlaviatura", "Command2", "Command3"})
            if ((*this)[n].enabled) seen += std::string(" ") + n;
        return seen;
    }
    /// Plays until the play-again question (or a thousand ticks), the paddle left where it is.
    void tickUntilAsked() {
        const std::size_t asked = messages.shown.size();
        for (int i = 0; i < 1000 && messages.shown.size() == asked; ++i) tick();
    }
};

}  // namespace

// Money above 0 pays even into debt; a mood above 150 refuses with the outing's own title.
TEST(PartyWindow, OutingsPayForMoodAndTheCasinoLeadsToItsGames) {
    const char* const tooHappy = "Вы уже распухли от радости";
    const std::tuple<const char*, const char*, const char*, const char*, Boxes> cases[] = {
        {"cmdDisco", "0", "20", "0 20", {kNoMoney}},
        {"cmdDisco", "1", "20", "-7 29", {}},
        {"cmdDisco", "170", "150", "162 159", {}},
        {"cmdDisco", "170", "150.5", "170 150.5", {{"Не хочу идти на дискотеку!", tooHappy}}},
        {"cmdVech", "170", "151", "170 151", {{"Не хочу идти на вечеринку!", tooHappy}}},
        {"cmdVech", "-3", "200", "-3 200", {kNoMoney}},
    };
    for (const auto& [outing, money, mood, after, boxes] : cases) {
        Party p;
        p.state().lblMoney = money;  // changed by the clock while the window is open
        p.state().lblHappyness = mood;
        p.buy(outing);
        EXPECT_EQ(p.moneyAndMood(), after) << outing << " " << money << " " << mood;
        EXPECT_EQ(p["lblHappyness"].text, p.state().lblHappyness);
        EXPECT_EQ(p.messages.shown, boxes) << outing << " " << money << " " << mood;
    }
    // An outing fills price and gain only; the casino's games are hidden until it is opened.
    Party p;
    std::vector<std::string> seen{p["lblHappyness"].text};
    for (const char* control : {"cmdKasino", "cmdVech", ""}) {
        p.hover(control);
        seen.push_back(p["lblCost"].text + "|" + p["lblIncrease"].text + "|" + p["txtSpec"].text);
    }
    const std::string casino =
        "Здесь вы сможете заработать деньги. Поиграть в игровые автоматы "
        "поднять себе настроение  и т.д.";
    EXPECT_EQ(seen, (std::vector<std::string>{"30", "||" + casino, "5|5|" + casino,
                                              "||РАЗВЛЕЧЕНИЯ РАЗВЛЕЧЕНИЯ РАЗВЛЕЧЕНИЯ"}));
    p.click("cmdRuletka2");  // hidden: leads nowhere
    p.click("cmdKasino");
    p.click("cmdRuletka2");
    EXPECT_EQ(p.windows.log.at(0), "replace frmParty frmRuletka2");
}

// Each check in its turn; a refused start changes nothing but the number box above 13. Pasted
// text bypasses the key filter, so the boxes then keep only what could be typed.
TEST(RouletteStart, TheChecksComeInOrderAndTheBoxesTakeOnlyDigits) {
    const Message above13{"Не больше 13!", "Необъодимо вводить числа не больше 13!"};
    const Message empty{"Окна не заполнены.", "Вы не заполнили какое-то окно."};
    const Message poor{"У вас нет таких денег.", "У вас нет таких денег."};
    const Message zero{"0.", "Ставка не может быть равна нулю."};
    const std::tuple<const char*, const char*, const char*, Message, const char*> cases[] = {
        {"170", "14", "", above13, ""}, {"170", "5", "", empty, "5"},
        {"170", "5", "171", poor, "5"}, {"-0.5", "5", "0", poor, "5"},
        {"0", "05", "000", zero, "05"},
    };
    for (const auto& [money, number, stake, box, numberAfter] : cases) {
        Roulette r(money);
        EXPECT_EQ(r.bet(number, stake) + " " + std::to_string(r.random.reseeds),
                  std::string(numberAfter) + ": start СТОП off boxes 00 " + money + " 50 0");
        EXPECT_EQ(r.messages.shown, Boxes{box}) << money << " " << number << " " << stake;
    }
    Roulette r;
    r["txtChis"].text = "-123";
    r.place->onChange("txtChis");
    r["txtStav"].text = "1 0,5Ж9";
    r.place->onChange("txtStav");
    EXPECT_EQ(r["txtChis"].text + " " + r["txtStav"].text, "12 105");
}

// The stake is taken only when settled; the counter changes every 10 ms, so stopped before its
// first change it still shows its last number.
TEST(RouletteGame, FromBetToSettlingAndLeavingAsThePlayerSeesIt) {
    Roulette r;
    std::vector<std::string> seen{r.bet("05", "170")};  // the whole money may be staked
    r.click("cmdBack");
    seen.push_back(r.stopAt(5, 1234, false));
    r.click("cmdBack");
    r.click("cmdStop");
    seen.push_back(r.phase());
    r.bet("13", "1");
    seen.push_back(r.stopAt(12));
    r.bet("0", "1");
    seen.push_back(r.stopAt(3, 9, false));
    r.click("cmdStop");
    r.bet("00", "10");  // "00" becomes "0", which the counter shows
    seen.push_back(r.stopAt(0, 10));
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "5: - СТОП on - hidden 170 50", "5: - OK on - 5 170 50",
                        "5: start OK off boxes 5 680 75", "13: start OK off boxes 12 679 73",
                        "0: - OK on - 12 679 73", "0: start OK off boxes 0 708 96"}));
    EXPECT_EQ(r.titles(),
              (std::vector<std::string>{"Нацми на <СТОП>", "Нацми на <OK>", "Ура-а-а-а-а!!!",
                                        "Ой Ой Ой", "Ой Ой Ой", "Ура-а-а-а-а!!!"}));
    EXPECT_EQ(r.messages.shown[2].text,
              "Вы выиграли! У вас поднялось настроение и вы выиграли  510$");
    EXPECT_EQ(r.messages.shown[3].text, "Вы проиграли и потеряли  1$");
    r.click("cmdBack");
    EXPECT_EQ(r.windows.log.at(0), "replace frmRuletka frmParty");
}

// The pay table as the window shows it, row by row; a win leaves the mood alone.
TEST(Slots, EveryCombinationPaysItsRowAndAPackHoldsFiveSpins) {
    const char* const small[] = {"reel_cherries_small", "reel_apple_small", "reel_hamburger_small"};
    const int table[][4] = {{1, 1, 0, 1}, {2, 2, 0, 2},  {0, 0, 1, 3},  {2, 2, 1, 4}, {0, 0, 2, 5},
                            {1, 1, 2, 6}, {0, 0, 0, 10}, {1, 1, 1, 15}, {2, 2, 2, 20}};
    for (int row = 0; row < 9; ++row) {
        const auto [a, b, c, win] = table[row];
        Slots s;
        std::string shown;
        for (int reel = 0; reel < 3; ++reel)
            shown += s["imgS_" + std::to_string(3 * row + reel)].picture + " ";
        EXPECT_EQ(
            shown + s["lblWin1_" + std::to_string(row)].text,
            std::string(small[a]) + " " + small[b] + " " + small[c] + " " + std::to_string(win));
        s.click("cmdBVrash");
        s.spin(a, b, c);
        EXPECT_EQ(s.moneyAndMood(), std::to_string(91 + win) + " 46");
        EXPECT_EQ(s.messages.shown,
                  (Boxes{{"You WON!", "Вы выиграли  " + std::to_string(win) + " $"}}));
    }
    // A pack costs 9 $ and 4 mood even into debt; its last spin turns the buttons over before
    // its reels stop and its win is told.
    Slots s("0");
    s.click("cmdBVrash");
    EXPECT_EQ(s.moneyAndMood() + " | " + s.panel(), "-9 46 | 5 - spin -9");
    for (const auto& [a, b, c] : {std::tuple{0, 1, 0}, {2, 1, 2}, {0, 2, 2}, {1, 0, 0}})
        s.spin(a, b, c);
    EXPECT_EQ(s.reels(), "reel_apple reel_cherries reel_cherries");
    std::string during;
    s.messages.whileOpen = [&s, &during](const Message&) { during = s.panel() + " " + s.reels(); };
    s.spin(2, 2, 2);
    EXPECT_EQ(during, "0 buy - -9 reel_hamburger reel_hamburger reel_hamburger");
    EXPECT_EQ(std::to_string(s.random.reseeds) + " " + s.panel(), "5 0 buy - 11");
}

// Left alone, the ball meets paddle, top and wall, slides along the paddle and falls. Only its
// left edge strictly inside the paddle catches it; a side-wall tick at the floor is not lost.
TEST(ArcadeLoop, TheFirstTestThatHoldsDecidesATick) {
    const std::pair<ArcadeBoard, const char*> cases[] = {
        {{},
         "27:paddle 54:wall 57:side 84:paddle 85:paddle 86:paddle 87:paddle 88:paddle 89:paddle "
         "90:paddle 91:paddle 92:paddle 114:side 122:wall 152:lost "},
        {{.ballLeft = 1900, .ballTop = 2900, .paddleLeft = 2000}, "1:lost "},
        {{.ballLeft = 5600, .ballTop = 2900, .paddleLeft = 0}, "1:side 2:wall 3:lost "},
    };
    for (const auto& [board, events] : cases) EXPECT_EQ(play(board), events);
}

// The paddle kept `behind` twips before the ball's next left edge. Money and mood change before
// the question; the loop and the paddle stand still while it is open.
TEST(ArcadeGame, AFollowingPaddleWinsAfter390TicksOneLevelWithTheBallLosesAt30) {
    const std::tuple<int, int, const char*, const char*, const char*> games[] = {
        {1, 390, "Вы выиграли.", "Ура-а-а вы выиграли!!! Хотите начать снова?", "135 50"},
        {0, 30, "Вы проиграли.", "К сожалению вы проиграли. Хотите начать снова?", "80 22"}};
    for (const auto& [behind, ticks, title, question, atQuestion] : games) {
        Arcade a("100");
        std::string seen;
        a.messages.whileOpen = [&](const Message&) {
            const Twips ball = a.ball(), paddle = a.paddle();
            a.tick();
            a.place->onTimer("Timer1");
            seen = a.moneyAndMood() + (a.ball() == ball && a.paddle() == paddle ? "" : " moved");
        };
        a.click("cmdNew");
        int played = 0;
        for (; a.messages.shown.empty() && played < 1000; ++played) {
            a.placePaddle(a.ball().left + std::stoi(a["T1"].text) - behind);
            a.tick();
        }
        EXPECT_EQ(std::to_string(played) + " " + seen, std::to_string(ticks) + " " + atQuestion);
        EXPECT_EQ(a.messages.shown, (Boxes{{title, question, Icon::Question, Buttons::YesNo}}));
    }
}

// The right limit is 5895 - 1080 = 4815. A key tests it before moving, so goes one step past at
// most; an arrow button moves first, so every press moves, and held it steps until past.
TEST(ArcadePaddle, KeysTestTheEdgeFirstArrowButtonsMoveFirst) {
    Arcade a;
    a.click("cmdNew");  // keys work in a game with the arrow buttons too
    std::string lefts;
    const std::pair<int, int> keys[] = {{4815, 39}, {4965, 39}, {4814, 39},
                                        {0, 37},    {-150, 37}, {9, 38}};
    for (const auto& [from, key] : keys) {
        a.placePaddle(from);
        a.place->onKey("", key);
        lefts += std::to_string(a.paddle().left) + " ";
    }
    EXPECT_EQ(lefts, "4965 4965 4964 -150 -150 9 ");
    lefts.clear();
    const std::tuple<std::string, int, int> presses[] = {
        {"Command2", 4900, 3}, {"Command2", 4615, 5}, {"Command3", 50, 5}, {"Command3", 4700, 1}};
    for (const auto& [button, from, ticks] : presses) {
        const std::string timer = button == "Command2" ? "Timer1" : "Timer2";
        a.placePaddle(from);
        a.place->onMouseDown(button);
        for (int i = 0; i < ticks && a.place->timers().at(timer).enabled; ++i)
            a.place->onTimer(timer);
        a.place->onMouseUp(button);
        a.click(button);  // the click that ends the press moves nothing more
        lefts +=
            std::to_string(a.paddle().left) + (a.place->timers().at(timer).enabled ? "! " : " ");
    }
    a.place->onKey("Command3", 32);  // Space on the focused button makes one step
    EXPECT_EQ(lefts + std::to_string(a.paddle().left), "5000 4915 -50 4500 4400");
}

// Keyboard mode locks the arrow buttons too; Yes restarts at once at full width where the
// paddle was; No unlocks everything, and only then may the player leave.
TEST(ArcadeWindow, TheSettingsLockDuringPlayAndTheQuestionRestartsOrUnlocks) {
    Arcade a;
    a.place->onKey("", 37);  // keys move the paddle between games, and the start keeps it
    a.click("optKlaviatura");
    a.click("cmdNew");
    a.place->onQueryClose();  // refused while a game runs
    a.messages.answers = {Answer::Yes};
    a.tickUntilAsked();
    EXPECT_EQ(a.controls(), "playing:");
    EXPECT_EQ(a.paddle(), (Twips{2010, 2880, 1080, 270}));
    EXPECT_EQ(a.ball(), (Twips{0, 0, 285, 285}));
    a.tickUntilAsked();  // No
    EXPECT_EQ(a.controls(),
              "idle: cmdNew cmdBack o1 o2 o3 b1 b2 b3 optKnopki optKlaviatura "
              "Command2 Command3");
    a.place->onQueryClose();  // the close box leaves as "<< Назад" does
    EXPECT_EQ(std::count(a.windows.log.begin(), a.windows.log.end(), "replace frmAr frmParty"), 1);
    a.click("optKnopki");
    a.click("cmdNew");
    EXPECT_EQ(a.controls(), "playing: Command2 Command3");
}
