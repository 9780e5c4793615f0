#pragma once
// What the hardware and the software shops have in common: the offer panel at the bottom
// ("Кратко:", "Цена:", the item, its price and description) and the way back.
#include <string>

#include "game/gameplace.h"
#include "game/offerpanel.h"

namespace brankor {

class ComputerShop : public GamePlace {
  protected:
    ComputerShop(Game& g, std::string name, std::string caption)
        : GamePlace(g, std::move(name), std::move(caption)), m_panel(g, *this, {}) {
        declare("cmdBack", {.text = "<< Назад"});
        declare("lblWhat", {.text = std::string(kNoOffer)});
        declare("lblM", {.text = "0"});
        declare("txtSpec");
        declare("Label2", {.text = "Кратко:"});
        declare("lblZen", {.text = "Цена:"});
    }

    OfferPanel m_panel;
};

}  // namespace brankor
