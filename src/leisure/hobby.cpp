#include "hobby.h"

#include <algorithm>
#include <array>
#include <limits>

#include "framework/findrow.h"
#include "framework/number.h"
#include "game/windownames.h"

namespace brankor {
namespace {

constexpr const char* kLineBreak = "\r\n";
constexpr const char* kNoMoneyTitle = "Нет денег.";

constexpr std::string_view kShopPicture = "fishing_shop";
constexpr std::string_view kShopDescription =
    "Рыбалка - это отличный способ поднять себе настроение, утолить голод (рыбою, которую вы "
    "поймали) и просто хорошо и весело отдохнуть. Рыбачьте и вы не пожалеете.";
constexpr std::string_view kLakeDescription =
    "Озеро \"MAD FISH\" славится своей неописуемой красотой и своими рыбами.";

}  // namespace

/// The rod and the tackle are owned once (`owned` names the flag); bait packs are counted in
/// `BaitPacks`.
struct FishingGoods {
    std::string_view button;
    int required;  ///< money the player must hold to buy
    int price;     ///< money taken
    std::string_view picture;
    std::string_view description;
    std::string_view boughtTitle;
    std::string_view boughtText;
    std::string_view refusal;
    bool GameState::*owned;  ///< nullptr for bait packs
    std::string_view boxLabel;
    std::string_view ownedText;  ///< the tackle-box line once owned
};

namespace {

constexpr std::array<FishingGoods, 3> kGoods = {{
    {"cmdBYdochka", 30, 30, "fishing_rod",
     "Без удочки вы не сможете ловить. Сейчас у вас нет удочки и вам надо ее купить.",
     "Вы купили удочку", "Поздравляю! Вы купили удочку.", "У вас нет денег на удочку.",
     &GameState::HasRod, "lblYdochka", "есть удочка"},
    {"cmdBSnasti", 30, 20, "fishing_tackle",
     "Без снастей вы не сможете ловить. Сейчас у вас нет снастей и вам надо купить их.",
     "Вы купили снасти", "Поздравляю! Вы купили снасти.", "У вас нет денег на снасти.",
     &GameState::HasTackle, "lblSnasti", "есть снасти"},
    {"cmdBPrikormka", 6, 6, "fishing_bait",
     "Прикормка даст вам возможность приманить и соответственно поймать больше рыбы. Вы можете "
     "не покупать прикормку, но тогда рыбы будет меньше. Для одной поездки на озеро достаточно "
     "одного пакета прикормки, но вы можете купить больше пакетов и оставить их про запас.",
     "Вы купили пакет прикормки", "Вы купили пакет прикормки.", "У вас нет денег на прикормку.",
     nullptr, "lblPrikormka", ""},
}};

/// The box holds at most as many bait packs as its 16-bit counter can count; a purchase beyond
/// that is refused before any money is taken.
constexpr std::int16_t kMostBaitPacks = std::numeric_limits<std::int16_t>::max();

constexpr int kPetrolPrice = 5;
constexpr int kBusFare = 10;

// The question names the price of petrol, kPetrolPrice.
std::string petrolQuestion() {
    return std::string("Чтобы доехать до озера вам требуется бензин.") + kLineBreak + kLineBreak +
           "Хотите ли вы купить бензин (его цена 5$)?";
}

std::string busQuestion() {
    // The fare is written as a number with room for its sign, so two blanks precede it.
    return "До озера \"MAD FISH\" пешком не дойдешь. Без машины вам не удастся добраться до "
           "него. Но вы можете сесть на автобус, заплатив за билет  " +
           std::to_string(kBusFare) +
           "$ и доехать до озера, либо купить собственную машину в магазине." + kLineBreak +
           kLineBreak + "Хотите ли вы поехать на автобусе?";
}

const FishingGoods* goodsOf(const std::string& button) {
    return findRow(kGoods, &FishingGoods::button, button);
}

}  // namespace

FrmHobby::FrmHobby(Game& g)
    : GamePlace(g, window::kHobby, "Хобби - РЫБАЛКА"),
      m_panel(g, *this,
              {.item = "",
               .price = "lblCost",
               .description = "lblHelp",
               .clearedPrice = "00",
               .clearedDescription = std::string(kShopDescription),
               .picture = "imgF",
               .clearedPicture = std::string(kShopPicture)}) {
    declare("cmdBYdochka", {.text = "Купить удочку"});
    declare("cmdBSnasti", {.text = "Купить снасти"});
    declare("cmdBPrikormka", {.text = "Купить пакет прикормки"});
    declare("cmdGoFishing", {.text = "Отправиться на озеро \"MAD FISH\""});
    declare("cmdBack", {.text = "<< Назад"});
    declare("lblYdochka", {.text = "нет удочки"});
    declare("lblSnasti", {.text = "нет снастей"});
    declare("lblPrikormka", {.text = "0"});
    declare("lblNFish");
    declare("imgF", {.picture = std::string(kShopPicture)});
    declare("lblCost", {.text = "00"});
    declare("lblHelp");
}

void FrmHobby::onLoad() {
    showTackleBox();
    m_panel.clear();
    (*this)["lblNFish"].text = std::to_string(state().FishTotal);
}

void FrmHobby::showTackleBox() {
    for (const FishingGoods& goods : kGoods) {
        if (!goods.owned || !(state().*goods.owned)) continue;
        (*this)[std::string(goods.button)].enabled = false;
        (*this)[std::string(goods.boxLabel)].text = goods.ownedText;
    }
    (*this)["lblPrikormka"].text = std::to_string(state().BaitPacks);
}

void FrmHobby::onMouseMove(const std::string& control) {
    if (const FishingGoods* goods = goodsOf(control)) {
        m_panel.showPicture(goods->picture);
        m_panel.show("", std::to_string(goods->price), goods->description);
    } else if (control == "cmdGoFishing") {
        m_panel.describe(kLakeDescription);
    } else if (control.empty() || control == "imgF") {
        m_panel.clear();
    }
}

void FrmHobby::onClick(const std::string& control) {
    if (const FishingGoods* goods = goodsOf(control)) {
        buy(*goods);
    } else if (control == "cmdGoFishing") {
        goFishing();
    } else if (control == "cmdBack") {
        close();
    }
}

void FrmHobby::buy(const FishingGoods& goods) {
    GameState& s = state();
    if (goods.owned && s.*goods.owned) return;  // bought already; the button is disabled
    if (!goods.owned && s.BaitPacks >= kMostBaitPacks) {
        game.tell("Ящик полон.", "В вашем рыболовном ящике больше нет места для прикормки.",
                  Icon::None);
        return;
    }
    if (readNumber(s.lblMoney) < goods.required) {
        game.tell(kNoMoneyTitle, std::string(goods.refusal), Icon::None);
        return;
    }
    addNumber(s.lblMoney, -goods.price);
    if (goods.owned)
        s.*goods.owned = true;
    else
        ++s.BaitPacks;
    showTackleBox();
    game.tell(std::string(goods.boughtTitle), std::string(goods.boughtText), Icon::None);
}

void FrmHobby::goFishing() {
    if (!state().HasRod || !state().HasTackle) {
        game.tell("Не готовы.", "Вы не готовы к рыбалке. Проверьте, есть ли у вас удочка и снасти.",
                  Icon::None);
        return;
    }
    if (payForTrip()) game.windows().replace(name(), window::kMadFish);
}

bool FrmHobby::payForTrip() {
    GameState& s = state();
    if (s.CarIndex != 0) {
        if (!game.ask("Требуется бензин. Хотите ли вы купить бензин?", petrolQuestion()))
            return false;
        if (readNumber(s.lblMoney) < kPetrolPrice) {
            game.tell(kNoMoneyTitle, "У вас нет денег на бензин.", Icon::None);
            return false;
        }
        s.lblMoney = writeNumber(static_cast<double>(wholeNumber(s.lblMoney) - kPetrolPrice));
        return true;
    }
    if (!game.ask("Требуется машина. Хотите ли вы поехать на автобусе?", busQuestion()))
        return false;
    if (readNumber(s.lblMoney) < kBusFare) {
        game.tell(kNoMoneyTitle, "У вас нет денег на такси.", Icon::None);
        return false;
    }
    addNumber(s.lblMoney, -kBusFare);
    return true;
}

}  // namespace brankor
