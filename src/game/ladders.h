#pragma once
// The one catalogue of the ladders several windows read: the three the courses climb (status,
// English, education), the nine components sold rung by rung in the hardware shop and the four
// kinds of programs of the software shop. Jobs and programs ask for "X or better" on them, with
// the requirements at the end of this file.
#include <span>
#include <string>
#include <string_view>

#include "framework/ladder.h"
#include "game/gamestate.h"
#include "game/offerpanel.h"
#include "game/requirement.h"

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

/// One rung of a course ladder: the counter value that reaches it and the message shown.
struct Promotion {
    std::string_view from;
    std::string_view counter;
    std::string_view to;
    std::string_view title;
    std::string_view message;
};

/// The status, English and education ladders with their promotions.
const Ladder& statusLadder();
const Ladder& englishLadder();
const Ladder& educationLadder();
std::span<const Promotion> statusPromotions();
std::span<const Promotion> englishPromotions();
std::span<const Promotion> educationPromotions();

/// The processor is `model` or better (and the player owns one).
bool processorAtLeast(const GameState& state, std::string_view model);

/// "The field is `model` or better" on each ladder of the catalogue.
namespace need {
Requirement status(std::string_view x);
Requirement english(std::string_view x);
Requirement education(std::string_view x);
Requirement cpu(std::string_view x);
Requirement monitor(std::string_view x);
Requirement printer(std::string_view x);
Requirement scanner(std::string_view x);
Requirement modem(std::string_view x);
Requirement cdRom(std::string_view x);
Requirement ram(std::string_view x);
Requirement sound(std::string_view x);
Requirement video(std::string_view x);
Requirement system(std::string_view x);
Requirement language(std::string_view x);
Requirement editor(std::string_view x);
}  // namespace need

}  // namespace brankor
