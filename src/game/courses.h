#pragma once
// The three courses — the evening school, the English course and the computer course — in one
// table read by the study window (captions, fees, refusals), the clock (what a day costs, the
// counter it raises, the ladder that counter climbs, the end of the course) and the status panel
// (the frame and the fee row of each course).
#include <span>
#include <string>
#include <string_view>

#include "game/gamestate.h"
#include "game/ladders.h"

namespace brankor {

struct Course {
    // The study window's button and its three captions.
    std::string_view button;
    std::string_view enrolCaption;
    std::string_view enrolledCaption;
    std::string_view completedCaption;
    /// The enrolment field and what it says while the player is enrolled.
    std::string GameState::*enrolment;
    std::string_view enrolledText;
    /// The fee field: it holds the price of a day while enrolled, "0" otherwise.
    std::string GameState::*fee;
    std::string_view pricePerDay;
    std::string_view refusal;    ///< the box when the player has no money
    std::string_view shortName;  ///< the study window's hover panel

    /// What the clock takes from the money on every tick of the course (not the price shown).
    int chargePerTick;
    /// The counter the clock raises on every tick; "OK" once the course is over.
    std::string GameState::*counter;
    /// The ladder the counter climbs, its promotions, and the diary's name for it.
    std::string GameState::*ladderField;
    std::span<const Promotion> promotions;
    std::string_view ladderName;
    /// The enrolment text and the diary's entry once the last rung is reached.
    std::string_view finishedText;

    // The status panel: the course's frame, the enrolment field, the fee caption and field.
    const char* frameTitle;
    const char* frameName;
    const char* enrolmentName;
    const char* feeCaptionName;
    const char* feeName;

    std::string_view lastRung() const { return promotions.back().to; }
};

/// The evening school, the English course, the computer course, in the status panel's order.
std::span<const Course> courses();

/// What a course's counter holds once the course is over.
inline constexpr std::string_view kCourseDone = "OK";
/// What an enrolment field says when the player is not on that course.
inline constexpr std::string_view kNotStudying = "Не учусь";

}  // namespace brankor
