#pragma once
// The offer panel of a shop window: three of the window's controls that show what the button
// under the pointer would buy (item, price, description). Hovering a buy button fills it from
// the current state, hovering the bare window clears it, and a click buys what it shows at that
// moment, not what the state holds by then.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "framework/place.h"
#include "game/game.h"

namespace brankor {

/// The item text that means nothing is on offer (twelve hyphens).
inline constexpr std::string_view kNoOffer = "------------";

/// One rung of an offer ladder: while the field holds `from`, the panel offers `item` for
/// `price` dollars with `description`. The top rung offers kNoOffer for 0.
struct OfferRung {
    std::string_view from;
    std::string_view item;
    int price;
    std::string_view description;
};

/// The rung whose `from` is `current` (exact, case-sensitive), if there is one.
std::optional<OfferRung> rungFrom(std::span<const OfferRung> ladder, std::string_view current);

/// The purchase test of most shops: with `lblMoney` at 0 or below, tells the player so
/// ("У вас, не хватает денег на это") and returns true. The price is not compared.
bool refuseWithoutMoney(Game& game);

/// The panel's controls, by name, and the texts it shows when it is cleared.
struct OfferPanelLayout {
    std::string item = "lblWhat";  ///< "" for a panel that names its item by a picture only
    std::string price = "lblM";
    std::string description = "txtSpec";
    std::string clearedPrice = "0";
    std::string clearedDescription;
    std::string picture;  ///< the picture control of the item on offer, "" for none
    std::string clearedPicture;
};

class OfferPanel {
  public:
    /// The controls named by `layout` must be declared by `place`.
    OfferPanel(Game& game, Place& place, OfferPanelLayout layout);

    /// Shows an offer.
    void show(std::string_view item, std::string_view price, std::string_view description);
    /// Shows the item's picture in the panel's picture control.
    void showPicture(std::string_view picture);
    /// Changes the description alone (a button that sells nothing but explains itself).
    void describe(std::string_view description);
    /// Shows the rung of `ladder` that follows `current`; leaves the panel as it is and returns
    /// false when `current` is on no rung.
    bool showNext(std::span<const OfferRung> ladder, std::string_view current);
    /// Nothing on offer: the pointer is over the bare window. A panel with a picture shows its
    /// cleared picture.
    void clear();

    std::string item() const;
    /// The price shown, read as a number.
    double price() const;
    bool offersNothing() const;

    /// A click on `button` with nothing on offer disables the button; true when it did.
    bool withdrawIfEmpty(const std::string& button);
    /// The shared click of a buy button: with nothing on offer the button is disabled; without
    /// money the player is told so; otherwise the price shown is paid and true is returned, and
    /// the caller hands over item().
    bool buy(const std::string& button);
    /// Pays the price shown, whatever the balance.
    void pay();

  private:
    Game& m_game;
    Place& m_place;
    OfferPanelLayout m_layout;
};

}  // namespace brankor
