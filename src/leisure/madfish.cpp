#include "madfish.h"

#include "framework/number.h"
#include "game/windownames.h"

namespace brankor {
namespace {

constexpr const char* kLineBreak = "\r\n";

constexpr Twips kLake = {420, 735, 6705, 4725};
/// The fish wait here, outside the visible part of the window, until they are on the lake.
constexpr Twips kOffView = {-1500, -1500, 1050, 435};
/// A fish lands this far inside the lake's top-left corner at the least.
constexpr int kShoreMargin = 5;

constexpr const char* kFirstFish = "picFL";
constexpr const char* kSecondFish = "picFR";

constexpr int kFishInterval = 600;
constexpr int kSecondInterval = 1000;
constexpr int kTripLength = 30000;
/// After the results appear the go-home button waits this long, so that a click meant for a
/// fish does not end the trip at once.
constexpr int kGoHomeDelay = 1000;

constexpr int kFishPerMood = 5;
constexpr int kFishPerSatiety = 6;

constexpr const char* kIntro =
    "Добро пожаловать на озеро \"MAD FISH\". Сейчас вам предстоит увлекательная рыбалка. После "
    "того, как вы нажмете на кнопку \"НАЧАТЬ\", вы увидите озеро. В озере будут появляться рыбы "
    "(или если у вас нет прикормки одна рыбка), на которых вам надо будет нажимать. Рыбалка будет "
    "продолжаться 30 секунд, а потом вам придется поехать домой. Если вы нажали на рыбку, это "
    "значит, что вы ее поймали.";

bool overlaps(const Twips& a, const Twips& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

}  // namespace

CatchGains gainsOf(long long fish) {
    return {static_cast<int>(fish / kFishPerMood), static_cast<int>(fish / kFishPerSatiety)};
}

FrmMadFish::FrmMadFish(Game& g) : GamePlace(g, window::kMadFish, "Озеро \"MAD FISH\"") {
    declare("cmdStart", {.text = "НАЧАТЬ"});
    declare("lbl1s", {.text = "0"});
    declare("lblCatch", {.text = "0"});
    declare("lblH", {.text = "0"});
    declare("lblSit", {.text = "0"});
    declare("lblHelp", {.text = kIntro});
    declare("imgWater", {.picture = "fishing_lake", .geometry = kLake});
    declare(kFirstFish, {.picture = "fishing_fish1", .geometry = kOffView});
    declare(kSecondFish, {.picture = "fishing_fish2", .geometry = kOffView});
    declareTimer("tmrForFish", kFishInterval, false);
    declareTimer("tmrCTime1s", kSecondInterval, false);
    declareTimer("tmrAllTime", kTripLength, false);
}

void FrmMadFish::onLoad() {
    m_tripOver = false;
}

void FrmMadFish::onClick(const std::string& control) {
    if (control == kFirstFish || control == kSecondFish) {
        catchFish(control);
    } else if (control == "cmdStart") {
        const Control& button = (*this)["cmdStart"];
        if (!button.visible || !button.enabled) return;
        if (m_tripOver)
            goHome();
        else
            start();
    }
}

void FrmMadFish::onKey(const std::string& control, Key key) {
    if ((key == Key::Enter || key == Key::Space) &&
        (control == kFirstFish || control == kSecondFish))
        catchFish(control);
}

void FrmMadFish::onTimer(const std::string& name) {
    if (name == "tmrForFish") {
        moveFish();
    } else if (name == "tmrCTime1s") {
        addNumber((*this)["lbl1s"].text, 1);
    } else if (name == "tmrAllTime") {
        // The first tick ends the fishing (the start button is hidden until then); the second
        // lets the player go home.
        if (!(*this)["cmdStart"].visible)
            endFishing();
        else
            releaseGoHome();
    }
}

bool FrmMadFish::onQueryClose() {
    if (readyToGoHome()) goHome();
    return false;
}

void FrmMadFish::start() {
    (*this)["lblHelp"].visible = false;
    (*this)["cmdStart"].visible = false;
    timer("tmrAllTime") = {kTripLength, true};
    timer("tmrForFish") = {kFishInterval, true};
    timer("tmrCTime1s") = {kSecondInterval, true};
    GameState& s = state();
    m_baitUsed = s.BaitPacks >= 1;
    if (m_baitUsed) --s.BaitPacks;
}

void FrmMadFish::moveFish() {
    game.random().randomize();
    jump(kFirstFish);
    if (m_baitUsed) jump(kSecondFish);
}

void FrmMadFish::jump(const std::string& fish) {
    // Both fish take the first fish's size, so they land alike.
    const Twips size = *(*this)[kFirstFish].geometry;
    Twips& at = *(*this)[fish].geometry;
    Random& random = game.random();
    at.top =
        static_cast<int>((kLake.height - size.height) * random.rnd() + kLake.top + kShoreMargin);
    at.left =
        static_cast<int>((kLake.width - size.width) * random.rnd() + kLake.left + kShoreMargin);
}

void FrmMadFish::catchFish(const std::string& fish) {
    const Control& picture = (*this)[fish];
    if (!picture.visible || !overlaps(*picture.geometry, kLake)) return;
    const long long caught = wholeNumber((*this)["lblCatch"].text) + 1;
    const CatchGains gains = gainsOf(caught);
    (*this)["lblCatch"].text = std::to_string(caught);
    (*this)["lblH"].text = std::to_string(gains.mood);
    (*this)["lblSit"].text = std::to_string(gains.satiety);
}

void FrmMadFish::endFishing() {
    (*this)[kFirstFish].visible = false;
    (*this)[kSecondFish].visible = false;
    Control& help = (*this)["lblHelp"];
    help.text = "Вам удалось поймать рыб: " + (*this)["lblCatch"].text + kLineBreak +
                "У вас улучшилось настроение на: " + (*this)["lblH"].text + kLineBreak +
                "Съев пойманную рыбу, сытость у вас увеличилась на: " + (*this)["lblSit"].text;
    help.visible = true;
    GameState& s = state();
    // The total stops at the top of its 16-bit range rather than wrapping to a negative count.
    s.FishTotal = clampToInt16(s.FishTotal + wholeNumber((*this)["lblCatch"].text));
    s.lblHappyness =
        std::to_string(wholeNumber((*this)["lblH"].text) + wholeNumber(s.lblHappyness));
    s.lblHungry = std::to_string(wholeNumber((*this)["lblSit"].text) + wholeNumber(s.lblHungry));
    game.remember(DiaryEventKind::Fishing, "Рыбалка, поймано рыб: " + (*this)["lblCatch"].text);
    m_tripOver = true;
    Control& button = (*this)["cmdStart"];
    button.text = "Поехать домой";
    button.enabled = false;
    button.visible = true;
    timer("tmrCTime1s").enabled = false;
    timer("tmrAllTime").interval = kGoHomeDelay;
}

void FrmMadFish::releaseGoHome() {
    timer("tmrAllTime").enabled = false;
    (*this)["lbl1s"].text = "30";
    (*this)["cmdStart"].enabled = true;
}

bool FrmMadFish::readyToGoHome() {
    return m_tripOver && (*this)["cmdStart"].enabled;
}

void FrmMadFish::goHome() {
    game.windows().replace(name(), window::kHobby);
}

}  // namespace brankor
