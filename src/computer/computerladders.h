#pragma once
// The ladders of the computer: the nine components sold rung by rung in the hardware shop and
// the four kinds of programs of the software shop. Jobs and programs ask for "X or better" on
// them.
#include <span>
#include <string>
#include <string_view>

#include "core/gamestate.h"
#include "core/ladder.h"
#include "core/offerpanel.h"

namespace brankor {

/// A component sold a model at a time: while its field holds a row's `from`, the shop offers
/// the row's item. The last row is the top, where nothing more is offered.
struct Component {
    std::string_view button;
    std::string GameState::*field;
    std::span<const OfferRung> offers;
    /// "Пока нет" and the models, lowest first.
    Ladder models;

    std::string_view top() const { return offers.back().from; }
};

/// Processor, monitor, printer, scanner, modem, CD-ROM, RAM, sound card, video card.
std::span<const Component> components();

const Ladder& processors();
const Ladder& monitors();
const Ladder& printers();
const Ladder& scanners();
const Ladder& modems();
const Ladder& cdRoms();
const Ladder& memories();
const Ladder& soundCards();
const Ladder& videoCards();

/// "Пока нет", then the programs as they are stored, lowest first.
const Ladder& systems();
const Ladder& languages();
const Ladder& editors();
const Ladder& antiviruses();

/// The processor is `model` or better (and the player owns one).
bool processorAtLeast(const GameState& state, std::string_view model);

}  // namespace brankor
