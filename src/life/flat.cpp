#include "flat.h"

#include <algorithm>
#include <array>

#include "framework/findrow.h"
#include "framework/number.h"
#include "game/windownames.h"

namespace brankor {
namespace {

constexpr std::array<OfferRung, 7> kRooms = {{
    {"1", "2", 20, "Купить двухкомнатную квартиру."},
    {"2", "3", 30, "Купить трехкомнатную квартиру."},
    {"3", "4", 45, "Купить четырехкомнатную квартиру."},
    {"4", "5", 60, "Купить пятикомнатную квартиру."},
    {"5", "6", 75, "Купить шестикомнатную квартиру."},
    {"6", "7", 150,
     "Купить современный семикомнатный коттедж . Одну из комнат Вы видите на картинке справа"},
    {"7", kNoOffer, 0, "Нажми на кнопку <Купить новую квартиру и продать старую>"},
}};

constexpr std::array<OfferRung, 7> kBaths = {{
    {"Пока нет", "Ведро", 5, "Купить ведро, чтобы мыть ноги."},
    {"Ведро", "Ванная", 15, "Купить мини ванную."},
    {"Ванная", "Прочная", 20, "Купить прочную, сидячию ванную."},
    {"Прочная", "Джакузи", 35, "Купить джакузи."},
    {"Джакузи", "Мал.бассейн", 45, "Купить маленький бассейн."},
    {"Мал.бассейн", "Бол.бассейн", 60, "Купить большой бассейн. Вы видите его на картинке справа"},
    {"Бол.бассейн", kNoOffer, 0, "Нажми на кнопку <Купить ванную>"},
}};

constexpr std::array<OfferRung, 7> kKitchens = {{
    {"Пока нет", "Раковина", 10, "Купить раковину и маленький кухонный шкаф."},
    {"Раковина", "Мал.кухонка", 20, "Купить маленькую кухонку."},
    {"Мал.кухонка", "Кух и холод.", 25, "Купить холодильник."},
    {"Кух и холод.", "Оборудованная", 40, "Купить маленькую, но достаточно оборудованную кухню."},
    {"Оборудованная", "Обычная", 50, "Купить обычную красивую кухню."},
    {"Обычная", "Комфортная", 65,
     "Купить современную сверхкомфортную кухню. Вы видите ее на картинке справа"},
    {"Комфортная", kNoOffer, 0, "Нажми на кнопку <Купить кухню>"},
}};

constexpr std::array<OfferRung, 7> kFurniture = {{
    {"Пока нет", "Дряхлая", 15, "Купить дряхлую мебель из соседнего подвала."},
    {"Дряхлая", "Дачная", 25, "Купить дачную дубовую мебель."},
    {"Дачная", "Мини", 30, "Купить мини мебель."},
    {"Мини", "Прочная", 40, "Купить прочную мебель."},
    {"Прочная", "Ламинир.", 55, "Купить ламинированную мебель."},
    {"Ламинир.", "Офисная", 70, "Купить офисную мебель. Вы видите ее на картинке справа"},
    {"Офисная", kNoOffer, 0, "Нажми на кнопку <Закупка мебели>"},
}};

const std::array<HomeLadder, 4> kLadders = {{
    {"cmdBuyFlat", &GameState::lblRoom, kRooms, 4, "imgFlat"},
    {"cmdBuyBath", &GameState::lblBath, kBaths, 1, "imgBath"},
    {"cmdBuyKitchen", &GameState::lblKitchen, kKitchens, 1, "imgKitchen"},
    {"cmdBuyMebel", &GameState::lblSMebel, kFurniture, 1, "imgMebel"},
}};

/// The five pictures share one place; the general one shows when nothing is hovered.
constexpr std::array<std::string_view, 5> kPictures = {"imgMainFlat", "imgFlat", "imgBath",
                                                       "imgKitchen", "imgMebel"};

constexpr std::string_view kWelcome = "Покупайте и обустраивайте вашу квартиру";

const HomeLadder* ladderOf(const std::string& button) {
    return findRow(kLadders, &HomeLadder::button, button);
}

}  // namespace

std::span<const HomeLadder> homeLadders() {
    return kLadders;
}

FrmFlat::FrmFlat(Game& g)
    : GamePlace(g, window::kFlat, "Квартира"),
      m_panel(g, *this, {.clearedDescription = std::string(kWelcome)}) {
    declare("cmdBuyFlat", {.text = "Купить новую квартиру и продать старую"});
    declare("cmdBuyBath", {.text = "Купить ванную"});
    declare("cmdBuyKitchen", {.text = "Купить кухню"});
    declare("cmdBuyMebel", {.text = "Закупка мебели"});
    declare("cmdBack", {.text = "<< Назад"});
    declare("txtSpec");
    declare("lblWhat", {.text = std::string(kNoOffer)});
    declare("lblM", {.text = "0"});
    declare("imgMainFlat", {.picture = "flat_main"});
    declare("imgFlat", {.visible = false, .picture = "flat_cottage"});
    declare("imgBath", {.visible = false, .picture = "flat_bath"});
    declare("imgKitchen", {.visible = false, .picture = "flat_kitchen"});
    declare("imgMebel", {.visible = false, .picture = "flat_mebel"});
}

void FrmFlat::onLoad() {
    for (const HomeLadder& ladder : kLadders) {
        if (state().*ladder.field == ladder.offers.back().from) {
            (*this)[std::string(ladder.button)].enabled = false;
        }
    }
}

void FrmFlat::onMouseMove(const std::string& control) {
    if (control.empty()) {
        // The cottage picture keeps whatever visibility it has; the general picture covers it.
        (*this)["imgMainFlat"].visible = true;
        for (const char* hidden : {"imgBath", "imgKitchen", "imgMebel"}) {
            (*this)[hidden].visible = false;
        }
        m_panel.clear();
    } else if (const HomeLadder* ladder = ladderOf(control)) {
        m_panel.showNext(ladder->offers, state().*ladder->field);
        for (const std::string_view picture : kPictures) {
            (*this)[std::string(picture)].visible = picture == ladder->picture;
        }
    }
}

void FrmFlat::onClick(const std::string& control) {
    if (const HomeLadder* ladder = ladderOf(control)) {
        buy(*ladder);
    } else if (control == "cmdBack") {
        close();
    }
}

void FrmFlat::buy(const HomeLadder& ladder) {
    if (!m_panel.buy(std::string(ladder.button))) return;
    addNumber(state().lblHappyness, ladder.moodGain);
    state().*ladder.field = m_panel.item();
    if (ladder.field == &GameState::lblRoom)
        game.remember(DiaryEventKind::FlatBought, "Куплена квартира, комнат: " + state().lblRoom);
    else
        game.remember(DiaryEventKind::Bought, purchaseLine(ladder.field, state().*ladder.field));
}

}  // namespace brankor
