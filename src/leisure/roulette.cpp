#include "roulette.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "framework/number.h"
#include "game/windownames.h"
#include "partymoney.h"

namespace brankor {
namespace {

// The caption's first letter is a Latin C, and so is that of "Cтоп" in the rules.
constexpr std::string_view kStartCaption = "CТАРТ";
constexpr std::string_view kStopCaption = "СТОП";
constexpr std::string_view kSettleCaption = "OK";
constexpr std::string_view kRules =
    "Вам необходимо ввести в окошко <Ваше число> число от 0 до 13. А в окошко <Ваша "
    "денежная ставка> ввести вашу ставку. Затем нажать на кнопку <Старт>. После этого, "
    "нажать на <Cтоп> и если: число счетчика будет равно вашему числу, то вы получите "
    "вашу утроенную ставку и у вас очень сильно улучшится настроение. Если же они не "
    "будут равны вы потеряете эти деньги и ваше настроение ухудшится на два.";

/// The highest number the player may bet on; the counter never shows it.
constexpr double kHighestBet = 13;
constexpr int kWinFactor = 3;
constexpr int kWinMood = 25;
constexpr int kLossMood = -2;
constexpr char32_t kBackspace = 8;

/// The two boxes and how many digits each takes.
constexpr std::array<std::pair<std::string_view, std::size_t>, 2> kBoxes = {{
    {"txtChis", 2},
    {"txtStav", 3},
}};

bool isDigit(char32_t character) {
    return character >= U'0' && character <= U'9';
}

/// The number of digits `control` takes, or 0 when it is not one of the two boxes.
std::size_t boxLength(const std::string& control) {
    const auto box = std::find_if(kBoxes.begin(), kBoxes.end(),
                                  [&control](const auto& entry) { return entry.first == control; });
    return box == kBoxes.end() ? 0 : box->second;
}

}  // namespace

std::optional<int> RouletteCounter::stop(std::int64_t nowMs, Random& random) {
    if (!m_startedAt) return std::nullopt;
    const std::int64_t ticks = (nowMs - *m_startedAt) / kTickMs;
    m_startedAt.reset();
    if (ticks <= 0) return std::nullopt;
    return draw(random, kNumbers);
}

FrmRuletka::FrmRuletka(Game& g) : GamePlace(g, window::kRuletka, "Рулетка") {
    declare("txtChis");
    declare("txtStav");
    declare("cmdStart", {.text = std::string(kStartCaption)});
    declare("cmdStop", {.text = std::string(kStopCaption), .enabled = false});
    declare("lblNum", {.text = "00"});
    declare("Label5", {.text = std::string(kRules)});
    declare("cmdBack", {.text = "<< Назад"});
}

bool FrmRuletka::onKeyPress(const std::string& control, char32_t character) {
    if (boxLength(control) == 0) return true;
    if (character == kBackspace || isDigit(character)) return true;
    game.tell("Это не число!", "Это не число!");
    return false;
}

void FrmRuletka::onChange(const std::string& control) {
    const std::size_t length = boxLength(control);
    if (length == 0) return;
    std::string& text = (*this)[control].text;
    std::erase_if(text, [](char c) { return !isDigit(static_cast<unsigned char>(c)); });
    if (text.size() > length) text.resize(length);
}

void FrmRuletka::onClick(const std::string& control) {
    if (control == "cmdStart" && (*this)["cmdStart"].enabled) {
        start();
    } else if (control == "cmdStop" && (*this)["cmdStop"].enabled) {
        stopOrSettle();
    } else if (control == "cmdBack") {
        leave();
    }
}

bool FrmRuletka::onQueryClose() {
    leave();
    return false;  // leaving, when allowed, closes the window itself
}

void FrmRuletka::start() {
    std::string& number = (*this)["txtChis"].text;
    const std::string& stake = (*this)["txtStav"].text;
    if (readNumber(number) > kHighestBet) {
        game.tell("Не больше 13!", "Необъодимо вводить числа не больше 13!");
        number.clear();
        return;
    }
    if (stake.empty() || number.empty()) {
        game.tell("Окна не заполнены.", "Вы не заполнили какое-то окно.");
        return;
    }
    if (wholeNumber(stake) > wholeNumber(state().lblMoney)) {
        game.tell("У вас нет таких денег.", "У вас нет таких денег.");
        return;
    }
    if (readNumber(stake) <= 0) {
        game.tell("0.", "Ставка не может быть равна нулю.");
        return;
    }
    // The counter shows no leading zero, so "07" could never win; "7" can.
    if (number.front() == '0') number.erase(0, number.size() - 1);

    Control& stopButton = (*this)["cmdStop"];
    stopButton.text = kStopCaption;
    stopButton.enabled = true;
    (*this)["lblNum"].visible = false;
    enableBetting(false);
    m_counter.start(game.clock().milliseconds());
    game.random().randomize();
}

void FrmRuletka::stopOrSettle() {
    if ((*this)["cmdStop"].text == kSettleCaption) settle();
    if ((*this)["cmdStop"].text == kStopCaption) stop();
}

void FrmRuletka::stop() {
    (*this)["cmdStop"].text = kSettleCaption;
    if (const std::optional<int> drawn = m_counter.stop(game.clock().milliseconds(), game.random()))
        (*this)["lblNum"].text = writeNumber(*drawn);
    (*this)["lblNum"].visible = true;
    enableBetting(false);
}

void FrmRuletka::settle() {
    GameState& s = state();
    const double stake = readNumber((*this)["txtStav"].text);
    if ((*this)["lblNum"].text == (*this)["txtChis"].text) {
        const double prize = kWinFactor * stake;
        addNumber(s.lblMoney, prize);
        addNumber(s.lblHappyness, kWinMood);
        game.remember(DiaryEventKind::Won, "Рулетка: выигрыш " + writeNumber(prize) + " $");
        game.tell("Ура-а-а-а-а!!!", "Вы выиграли! У вас поднялось настроение и вы выиграли " +
                                        casinoAmount(prize) + "$");
    } else {
        addNumber(s.lblMoney, -stake);
        addNumber(s.lblHappyness, kLossMood);
        game.remember(DiaryEventKind::Lost, "Рулетка: проигрыш " + writeNumber(stake) + " $");
        game.tell("Ой Ой Ой", "Вы проиграли и потеряли " + casinoAmount(stake) + "$");
    }
    (*this)["cmdStop"].enabled = false;
    enableBetting(true);
}

void FrmRuletka::leave() {
    if (m_counter.running()) {
        game.tell("Нацми на <СТОП>", "Нажмите на кнопку <СТОП>");
        return;
    }
    const Control& stopButton = (*this)["cmdStop"];
    if (stopButton.text == kSettleCaption && stopButton.enabled) {
        game.tell("Нацми на <OK>", "Нажмите на кнопку <OK>");
        return;
    }
    game.windows().replace(name(), window::kParty);
}

void FrmRuletka::enableBetting(bool enabled) {
    for (const char* control : {"cmdStart", "txtChis", "txtStav"})
        (*this)[control].enabled = enabled;
}

}  // namespace brankor
