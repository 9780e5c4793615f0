#include "arcade.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "framework/number.h"
#include "game/windownames.h"

namespace brankor {
namespace {

/// An arrow picture button and the timer that moves the paddle while it is held down.
struct Arrow {
    std::string_view button;
    std::string_view timer;
    int direction;
};

constexpr std::array<Arrow, 2> kArrows = {{
    {"Command2", "Timer1", 1},
    {"Command3", "Timer2", -1},
}};

/// An option button that switches the picture of the ball or the paddle.
struct PictureChoice {
    std::string_view option;
    std::string_view caption;
    std::string_view control;
    std::string_view picture;
};

constexpr std::array<PictureChoice, 6> kPictureChoices = {{
    {"b1", "Оранжевый", "P1", "arcade_ball_orange"},
    {"b2", "Зелёный", "P1", "arcade_ball_green"},
    {"b3", "Голубой", "P1", "arcade_ball_cyan"},
    {"o1", "Полоски", "C1", "arcade_paddle_stripes"},
    {"o2", "Клетка", "C1", "arcade_paddle_checks"},
    {"o3", "Волны", "C1", "arcade_paddle_waves"},
}};

/// How a game ends: what it pays and what the player is asked.
struct Ending {
    int money;
    int mood;
    std::string_view title;
    std::string_view question;
};

constexpr Ending kWon = {35, 20, "Вы выиграли.", "Ура-а-а вы выиграли!!! Хотите начать снова?"};
constexpr Ending kLost = {-20, -8, "Вы проиграли.",
                          "К сожалению вы проиграли. Хотите начать снова?"};

/// Locked while a game runs, in either control mode.
constexpr std::array<std::string_view, 10> kSettings = {
    "cmdNew", "cmdBack", "o1", "o2", "o3", "b1", "b2", "b3", "optKnopki", "optKlaviatura"};

constexpr int kLoopInterval = 50;
/// The arrow buttons step the paddle at a human rate, about sixty steps a second.
constexpr int kArrowInterval = 16;

constexpr std::string_view kRules =
    "Игровые правила. Что бы начать игру нажмите кнопку <Начать игру>. Управление "
    "осуществляется при помощи синих кнопок со стрелками или при помощи клавиатуры(кнопки "
    "вправо и влево). Если мячик касается пола тогда вы теряете 20$ и у вас ухудшается "
    "настроение. Если же вы продержитесь и не дадите коснуться пола мячику, тогда вы получаете "
    "35$ и у вас сильно улучшается настроение.";

const Arrow* arrowOf(std::string_view name) {
    const auto it = std::find_if(kArrows.begin(), kArrows.end(), [name](const Arrow& a) {
        return a.button == name || a.timer == name;
    });
    return it == kArrows.end() ? nullptr : &*it;
}

std::string text(std::string_view view) {
    return std::string(view);
}

}  // namespace

FrmAr::FrmAr(Game& g) : GamePlace(g, window::kAr, "Арканоид") {
    const ArcadeBoard start;
    declare("Picture1");  // the field keeps its design size: 5895 by 3375 twips
    declare("P1", {.picture = text(kPictureChoices[0].picture)});
    declare("C1", {.picture = text(kPictureChoices[3].picture)});
    declare("T1", {.visible = false});
    declare("T2", {.visible = false});
    show(start);
    declare("optKnopki", {.text = "Кнопки"});
    declare("optKlaviatura", {.text = "Клавиатура"});
    for (const PictureChoice& choice : kPictureChoices)
        declare(text(choice.option), {.text = text(choice.caption)});
    declare("cmdNew", {.text = "Начать игру"});
    declare("cmdBack", {.text = "<< Назад"});
    declare("Command2", {.picture = "arcade_arrow_right"});
    declare("Command3", {.picture = "arcade_arrow_left"});
    declare("Label1", {.text = text(kRules)});
    declareTimer("Timer3", kLoopInterval, false);
    for (const Arrow& arrow : kArrows) declareTimer(text(arrow.timer), kArrowInterval, false);
}

bool FrmAr::playing() const {
    return m_asking || timers().at("Timer3").enabled;
}

ArcadeBoard FrmAr::board() const {
    ArcadeBoard b;
    const Twips ball = *(*this)["P1"].geometry;
    const Twips paddle = *(*this)["C1"].geometry;
    b.ballLeft = ball.left;
    b.ballTop = ball.top;
    b.ballWidth = ball.width;
    b.ballHeight = ball.height;
    b.ballDX = clampToInt16(wholeNumber((*this)["T1"].text));
    b.ballDY = clampToInt16(wholeNumber((*this)["T2"].text));
    b.paddleLeft = paddle.left;
    b.paddleWidth = paddle.width;
    return b;
}

void FrmAr::show(const ArcadeBoard& b) {
    (*this)["P1"].geometry = Twips{b.ballLeft, b.ballTop, b.ballWidth, b.ballHeight};
    (*this)["C1"].geometry =
        Twips{b.paddleLeft, arcade::kPaddleTop, b.paddleWidth, arcade::kPaddleHeight};
    (*this)["T1"].text = writeNumber(b.ballDX);
    (*this)["T2"].text = writeNumber(b.ballDY);
}

void FrmAr::onClick(const std::string& control) {
    if (control == "cmdNew") {
        timer("Timer3").enabled = true;
        lockForPlay();
    } else if (control == "cmdBack") {
        leave();
    } else if (control == "optKnopki" || control == "optKlaviatura") {
        m_keyboardMode = control == "optKlaviatura";
    } else {
        for (const PictureChoice& choice : kPictureChoices)
            if (choice.option == control)
                (*this)[text(choice.control)].picture = text(choice.picture);
    }
}

void FrmAr::onMouseDown(const std::string& control) {
    const Arrow* arrow = arrowOf(control);
    if (!arrow || arrow->button != control || !(*this)[control].enabled) return;
    // The press itself makes the first step, so even the shortest press moves the paddle.
    timer(text(arrow->timer)).enabled = true;
    push(text(arrow->timer));
}

void FrmAr::onMouseUp(const std::string& control) {
    if (const Arrow* arrow = arrowOf(control); arrow && arrow->button == control)
        timer(text(arrow->timer)).enabled = false;
}

void FrmAr::onKey(const std::string& control, Key key) {
    ArcadeBoard b = board();
    if (key == Key::Left || key == Key::Right) {
        if (movePaddleByKey(b, key == Key::Right ? 1 : -1)) show(b);
    } else if (const Arrow* arrow = arrowOf(control);
               arrow && (key == Key::Space || key == Key::Enter)) {
        // Space or Enter on a focused arrow button presses it once: one step, as a short
        // click makes.
        movePaddleByButton(b, arrow->direction);
        show(b);
    }
}

void FrmAr::onTimer(const std::string& name) {
    if (name == "Timer3") {
        tick();
    } else if (arrowOf(name)) {
        push(name);
    }
}

void FrmAr::push(const std::string& name) {
    if (m_asking) return;  // a button held while the question pops up moves nothing
    ArcadeBoard b = board();
    const bool goesOn = movePaddleByButton(b, arrowOf(name)->direction);
    show(b);
    if (!goesOn) timer(name).enabled = false;
}

void FrmAr::tick() {
    // While the play-again question is open the loop stands still: each game is settled once.
    if (m_asking || !timer("Timer3").enabled) return;
    ArcadeBoard b = board();
    const ArcadeEvent event = stepArcade(b);
    show(b);
    if (event == ArcadeEvent::Won || event == ArcadeEvent::Lost) finish(event == ArcadeEvent::Won);
}

void FrmAr::finish(bool won) {
    const Ending& ending = won ? kWon : kLost;
    addNumber(state().lblMoney, ending.money);
    addNumber(state().lblHappyness, ending.mood);
    m_asking = true;
    const bool again = game.ask(text(ending.title), text(ending.question));
    m_asking = false;
    resetBoard();
    if (again) {
        lockForPlay();
    } else {
        timer("Timer3").enabled = false;
        unlockAll();
    }
}

void FrmAr::resetBoard() {
    ArcadeBoard b = board();
    const ArcadeBoard start;
    b.paddleWidth = start.paddleWidth;
    b.ballDX = start.ballDX;
    b.ballDY = start.ballDY;
    b.ballLeft = start.ballLeft;
    b.ballTop = start.ballTop;
    show(b);
    for (const Arrow& arrow : kArrows) timer(text(arrow.timer)).enabled = false;
}

void FrmAr::lockForPlay() {
    for (const std::string_view name : kSettings) (*this)[text(name)].enabled = false;
    for (const Arrow& arrow : kArrows) (*this)[text(arrow.button)].enabled = !m_keyboardMode;
}

void FrmAr::unlockAll() {
    for (const std::string_view name : kSettings) (*this)[text(name)].enabled = true;
    for (const Arrow& arrow : kArrows) (*this)[text(arrow.button)].enabled = true;
}

bool FrmAr::onQueryClose() {
    // The close box and Escape leave as "<< Назад" does, and only when no game runs.
    if (!playing()) leave();
    return false;
}

void FrmAr::leave() {
    game.windows().replace(name(), window::kParty);
}

}  // namespace brankor
