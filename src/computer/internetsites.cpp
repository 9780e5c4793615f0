#include "internetsites.h"

#include <array>

#include "framework/number.h"
#include "game/windownames.h"
#include "internetpages.h"

namespace brankor {
namespace {

constexpr int kHourInterval = 1500;
constexpr int kHourlyCharge = 5;
/// The clock on the jokes site shows seconds, so it is refreshed once a second, a little after
/// each second of the wall clock begins: then it never lags the wall clock.
constexpr int kClockInterval = 1000;
constexpr int kClockMargin = 5;

constexpr const char* kInvitation =
    "Заходите и на наш сайт www.brankor.brk - там тоже много интересного!";

/// The jokes site's buttons, each showing one block of jokes.
constexpr std::array<const char*, 3> kBlockButtons = {"Command1", "Command2", "Command3"};

std::string blockName(std::size_t index) {
    return "an_" + std::to_string(index);
}

}  // namespace

InternetSite::InternetSite(Game& g, std::string windowName, std::string windowCaption)
    : GamePlace(g, std::move(windowName), std::move(windowCaption)) {
    declare("Label2", {.text = "Просижано часов:"});
    declare("lblcm", {.text = "0"});
    declare("Label4", {.text = kInvitation});
    declare("cmdGoOut", {.text = "Отключиться"});
    declareTimer("tmrcm", kHourInterval, true);
}

void InternetSite::onClick(const std::string& control) {
    if (control != "cmdGoOut") return;
    sayGoodbye();
    game.windows().replace(name(), window::kInternet);
}

void InternetSite::onTimer(const std::string& timer) {
    if (timer != "tmrcm") return;
    addNumber((*this)["lblcm"].text, 1);
    addNumber(state().lblMoney, -kHourlyCharge);
}

FrmInterAnek::FrmInterAnek(Game& g) : InternetSite(g, window::kInterAnek, "Инет - Анекдот") {
    declare("Label1", {.text = "Добро пожаловать на сайт анекдотов. Для просмотра анекдотов "
                               "используй кнопки расположенные справа."});
    const auto blocks = jokeBlocks();
    for (std::size_t i = 0; i < blocks.size(); ++i)
        declare(blockName(i), {.text = std::string(blocks[i]), .visible = false});
    declare("Command1", {.text = "СЛУЧАЙНЫЕ"});
    declare("Command2", {.text = "АНЕКДОТЫ ДНЯ"});
    declare("Command3", {.text = "АНЕКДОТЫ  НЕДЕЛИ"});
    declare("lblhhmm", {.text = "hh:mm:"});
    declare("lblSS", {.text = "ss"});
    declareTimer("Timer1", kClockInterval, true);
}

void FrmInterAnek::onLoad() {
    showTime();
}

void FrmInterAnek::showTime() {
    const TimeOfDay now = game.clock().now();
    (*this)["lblhhmm"].text = twoDigits(now.hour) + ":" + twoDigits(now.minute) + ":";
    (*this)["lblSS"].text = twoDigits(now.second);
    timer("Timer1").interval = kClockInterval - now.millisecond + kClockMargin;
}

void FrmInterAnek::onClick(const std::string& control) {
    for (std::size_t i = 0; i < kBlockButtons.size(); ++i) {
        if (control != kBlockButtons[i]) continue;
        for (std::size_t block = 0; block < kBlockButtons.size(); ++block)
            (*this)[blockName(block)].visible = block == i;
        return;
    }
    InternetSite::onClick(control);
}

void FrmInterAnek::onMouseDown(const std::string& control) {
    for (std::size_t i = 0; i < kBlockButtons.size(); ++i)
        if (control == blockName(i))
            game.tell("Ха-ха-ха", "Анекдоты лучшего качества!", Icon::None);
}

void FrmInterAnek::onTimer(const std::string& timer) {
    if (timer == "Timer1") showTime();
    InternetSite::onTimer(timer);
}

void FrmInterAnek::sayGoodbye() {
    game.tell("спасибо!!!", "Спасибо за посещение сайта!", Icon::None);
}

FrmInterComp::FrmInterComp(Game& g) : InternetSite(g, window::kInterComp, "Инет - Компьютер") {
    declare("Label1", {.text = "КОМПЬЮТЕР"});
    declare("Label3", {.text = "КОМПЬЮТЕР"});
    declare("an", {.text = std::string(computerArticle())});
}

}  // namespace brankor
