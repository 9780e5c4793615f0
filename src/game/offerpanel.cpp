#include "game/offerpanel.h"

#include <algorithm>

#include "framework/findrow.h"
#include "framework/number.h"

namespace brankor {

std::optional<OfferRung> rungFrom(std::span<const OfferRung> ladder, std::string_view current) {
    const OfferRung* rung = findRow(ladder, &OfferRung::from, current);
    if (!rung) return std::nullopt;
    return *rung;
}

bool refuseWithoutMoney(Game& game) {
    if (readNumber(game.state.lblMoney) > 0) return false;
    game.tell("Внимание", "У вас, не хватает денег на это");
    return true;
}

OfferPanel::OfferPanel(Game& game, Place& place, OfferPanelLayout layout)
    : m_game(game), m_place(place), m_layout(std::move(layout)) {}

void OfferPanel::show(std::string_view item, std::string_view price, std::string_view description) {
    if (!m_layout.item.empty()) m_place[m_layout.item].text = item;
    m_place[m_layout.price].text = price;
    describe(description);
}

void OfferPanel::showPicture(std::string_view picture) {
    if (!m_layout.picture.empty()) m_place[m_layout.picture].picture = picture;
}

void OfferPanel::describe(std::string_view description) {
    m_place[m_layout.description].text = description;
}

bool OfferPanel::showNext(std::span<const OfferRung> ladder, std::string_view current) {
    const std::optional<OfferRung> rung = rungFrom(ladder, current);
    if (!rung) return false;
    show(rung->item, writeNumber(rung->price), rung->description);
    return true;
}

void OfferPanel::clear() {
    show(kNoOffer, m_layout.clearedPrice, m_layout.clearedDescription);
    showPicture(m_layout.clearedPicture);
}

std::string OfferPanel::item() const {
    return m_layout.item.empty() ? std::string() : m_place[m_layout.item].text;
}

double OfferPanel::price() const {
    return readNumber(m_place[m_layout.price].text);
}

bool OfferPanel::offersNothing() const {
    return item() == kNoOffer;
}

bool OfferPanel::withdrawIfEmpty(const std::string& button) {
    if (!offersNothing()) return false;
    m_place[button].enabled = false;
    return true;
}

bool OfferPanel::buy(const std::string& button) {
    if (withdrawIfEmpty(button) || refuseWithoutMoney(m_game)) return false;
    pay();
    return true;
}

void OfferPanel::pay() {
    addNumber(m_game.state.lblMoney, -price());
}

}  // namespace brankor
