#include "shop.h"

#include <algorithm>
#include <array>
#include <optional>

#include "framework/findrow.h"
#include "framework/number.h"
#include "game/windownames.h"

namespace brankor {
namespace {

constexpr std::array<std::string_view, 9> kClothes = {
    "Дряхлая", "Спорт.костюм", "Летняя",          "Джинсы",    "Костюм",
    "Куртка",  "Рубашка",      "Футболка и т.д.", "Посл.моды",
};

constexpr std::array<OfferRung, 9> kClothesOffers = {{
    {"Дряхлая", "Спорт.костюм", 5, "Купить дешевый спортивный костюм."},
    {"Спорт.костюм", "Летняя", 10, "Купить летнюю одежду."},
    {"Летняя", "Джинсы", 15, "Купить Новые джинсы и футболку."},
    {"Джинсы", "Костюм", 20, "Купить костюм (брюки и пиджак)."},
    {"Костюм", "Куртка", 25, "Купить куртку."},
    {"Куртка", "Рубашка", 30, "Купить красивую рубашку и брюки."},
    {"Рубашка", "Футболка и т.д.", 30, "Купить супер футболку, кепку, шорты и т.д.."},
    {"Футболка и т.д.", "Посл.моды", 35, "Купить одежду последней моды."},
    {"Посл.моды", kNoOffer, 0, "Нажми на кнопку <Купить одежду>"},
}};

/// A meal costs as many dollars as it adds to satiety.
struct Meal {
    std::string_view button;
    int number;
};
constexpr std::array<Meal, 3> kMeals = {{
    {"cmdBuyBrakfast", 5},
    {"cmdBuyDinner", 8},
    {"cmdBuySupper", 6},
}};

/// Pictures of cars 1 to 5, and of the car shop once they are all bought.
constexpr std::array<std::string_view, 5> kCarPictures = {"car1", "car2", "car3", "car4", "car5"};
constexpr std::string_view kCarShopPicture = "carshop";

constexpr int kLastCar = static_cast<int>(CarNames.size()) - 1;

/// The car on offer: the one after the car owned, none once the last is owned. An index outside
/// the table (a damaged saved game) offers nothing rather than reading past it.
std::optional<std::size_t> nextCar(const GameState& state) {
    if (state.CarIndex < 0 || state.CarIndex >= kLastCar) return std::nullopt;
    return static_cast<std::size_t>(state.CarIndex) + 1;
}

const Meal* mealOf(const std::string& button) {
    return findRow(kMeals, &Meal::button, button);
}

}  // namespace

const Ladder& clothesLadder() {
    static const Ladder ladder{kClothes};
    return ladder;
}

FrmShop::FrmShop(Game& g)
    : GamePlace(g, window::kShop, "Магазины"),
      m_panel(g, *this, {.item = "lblWhat", .price = "lblShCost", .clearedPrice = "00"}) {
    declare("cmdBuyBrakfast", {.text = "Купить завтрак"});
    declare("cmdBuyDinner", {.text = "Купить обед"});
    declare("cmdBuySupper", {.text = "Купить ужин"});
    declare("cmdBuyClothes", {.text = "Купить одежду"});
    declare("cmdCar", {.text = "Купить машину"});
    declare("cmdBack", {.text = "<< Назад"});
    declare("lblHungr", {.text = "00"});
    declare("lblShHungr", {.text = "00"});
    declare("lblShCost", {.text = "00"});
    declare("lblWhat", {.text = std::string(kNoOffer)});
    declare("txtSpec");
    declare("lblCurCar", {.text = std::string(kNoOffer)});
    declare("lblCar", {.text = std::string(kNoOffer)});
    declare("imgCCar");
}

void FrmShop::onLoad() {
    if (state().lblClothes == kClothes.back()) (*this)["cmdBuyClothes"].enabled = false;
    (*this)["lblHungr"].text = state().lblHungry;
    (*this)["lblCurCar"].text = state().lblCar;
    showCarOnOffer();
}

void FrmShop::showCarOnOffer() {
    const std::optional<std::size_t> next = nextCar(state());
    if (next) {
        (*this)["lblCar"].text = CarNames[*next];
        (*this)["imgCCar"].picture = kCarPictures[*next - 1];
    } else {
        (*this)["cmdCar"].enabled = false;
        (*this)["imgCCar"].picture = kCarShopPicture;
    }
}

void FrmShop::onMouseMove(const std::string& control) {
    if (control.empty()) {
        m_panel.clear();
        (*this)["lblShHungr"].text = "00";
        showCarOnOffer();
    } else if (const Meal* meal = mealOf(control)) {
        (*this)["lblShCost"].text = writeNumber(meal->number);
        (*this)["lblShHungr"].text = writeNumber(meal->number);
    } else if (control == "cmdBuyClothes") {
        m_panel.showNext(kClothesOffers, state().lblClothes);
    } else if (control == "cmdCar") {
        showCarOnOffer();
        if (const auto next = nextCar(state())) {
            (*this)["lblShCost"].text = writeNumber(CarPrices[*next]);
        }
    }
}

void FrmShop::onClick(const std::string& control) {
    if (const Meal* meal = mealOf(control)) {
        buyMeal(meal->number);
    } else if (control == "cmdBuyClothes") {
        buyClothes();
    } else if (control == "cmdCar") {
        buyCar();
    } else if (control == "cmdBack") {
        close();
    }
}

void FrmShop::buyMeal(int number) {
    GameState& s = state();
    if (!refuseWithoutMoney(game)) {
        if (readNumber(s.lblHungry) > 100) {
            game.tell("Не хочу есть!", "Вы уже распухли от еды и не можете впихнуть в себя еще");
        } else {
            addNumber(s.lblMoney, -number);
            addNumber(s.lblHungry, number);
        }
    }
    (*this)["lblHungr"].text = s.lblHungry;
}

void FrmShop::buyClothes() {
    if (m_panel.buy("cmdBuyClothes")) {
        state().lblClothes = m_panel.item();
        game.remember(DiaryEventKind::Bought,
                      purchaseLine(&GameState::lblClothes, state().lblClothes));
    }
}

void FrmShop::buyCar() {
    GameState& s = state();
    if (const std::optional<std::size_t> next = nextCar(s)) {
        const int price = CarPrices[*next];
        if (wholeNumber(s.lblMoney) >= price) {
            addNumber(s.lblMoney, -price);
            setCar(s, static_cast<std::int16_t>(*next));
            game.remember(DiaryEventKind::CarBought, "Куплена машина " + s.lblCar);
            game.tell("Вы купили машину", "Поздравляю! Вы купили машину марки " + s.lblCar + ".",
                      Icon::None);
        } else {
            game.tell("Внимание", "Денег маловато.");
        }
    }
    (*this)["lblCurCar"].text = s.lblCar;
}

}  // namespace brankor
