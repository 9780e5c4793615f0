#include "game/lifecycle.h"

#include <ranges>

#include "framework/number.h"
#include "framework/place.h"
#include "game/courses.h"
#include "game/savegame/recovery.h"
#include "game/windownames.h"

namespace brankor {
namespace {

/// Climbs the course's ladder at most one rung: the first promotion whose previous rung and
/// counter match.
void promote(Game& game, const Course& course) {
    GameState& s = game.state;
    std::string& field = s.*course.ladderField;
    for (const Promotion& p : course.promotions) {
        if (field == p.from && s.*course.counter == p.counter) {
            field = p.to;
            game.remember(DiaryEventKind::Promoted, std::string(course.ladderName) + ": " + field);
            game.tell(std::string(p.title), std::string(p.message));
            return;
        }
    }
}

/// Ends the course right after its last promotion on this tick: its fee row disappears and the
/// enrolment text says so.
void endCourseIfComplete(Game& game, const Course& course, const std::string& before) {
    GameState& s = game.state;
    const std::string& ladder = s.*course.ladderField;
    if (before == ladder || ladder != course.lastRung()) return;
    game.remember(DiaryEventKind::CourseFinished, std::string(course.finishedText));
    s.hiddenControls.insert(course.feeCaptionName);
    s.*course.fee = "0";
    s.hiddenControls.insert(course.feeName);
    s.*course.enrolment = std::string(course.finishedText);
    s.*course.counter = std::string(kCourseDone);
}

bool computerComplete(const GameState& s) {
    for (const std::string* part :
         {&s.lblComp, &s.lblMonitor, &s.lblVinchester, &s.lblRAM, &s.lblSystem})
        if (*part == kNothingOwned) return false;
    return true;
}

}  // namespace

std::int16_t withInterest(std::int16_t balance) {
    return clampToInt16(static_cast<long long>(balance) + balance / kDollarsPerInterest);
}

void clockTick(Game& game) {
    GameState& s = game.state;
    addNumber(s.lblHours, 1);
    const bool midnight = s.lblHours == "24";
    if (midnight) {
        s.BankBalance = withInterest(s.BankBalance);
        if (Place* bank = game.windows().find(window::kBank)) bank->onGameChanged();
        addNumber(s.lblMoney, readNumber(s.lblWorkEarn));
        addNumber(s.lblDay, 1);
        s.lblHours = "0";
    }
    if (s.lblDay == "31") {
        s.lblDay = "1";
        addNumber(s.lblMonth, 1);
    }
    if (midnight) {
        game.diary.recordMidnight(s);
        saveRecovery(game);
    }
}

void die(Game& game) {
    game.state.SkipExitConfirm = 1;
    removeRecovery(game);
    Windows& windows = game.windows();
    windows.closeAllPlaces();
    windows.close(window::kMain);
    windows.show(window::kFirst, Modality::Modal);
}

bool lifeTick(Game& game) {
    GameState& s = game.state;
    addNumber(s.lblHappyness, -2);
    addNumber(s.lblHungry, -2);

    const double hunger = readNumber(s.lblHungry);
    const double mood = readNumber(s.lblHappyness);
    if (hunger < kHungerDeath || mood < kMoodDeath) {
        const bool starved = hunger < kHungerDeath;
        game.remember(DiaryEventKind::Death, starved ? "Смерть от голода" : "Смерть от тоски");
        game.tell("+СМЕРТЬ+",
                  starved ? "К сожалению вы умерли от голода." : "К сожалению вы умерли от тоски.");
        die(game);
        return false;
    }
    if (hunger < kHungerWarning) {
        game.tell("ОПАСНОСТЬ!!!",
                  "Внимание опасность голода! Вам необходимо сходить в Бытовой магазин и поесть "
                  "вдоволь.   ВНИМАНИЕ: если ваше состояние сытости достигнет " +
                      std::to_string(kHungerDeath) + ", тогда вас постигнет лютая смерть!!!");
    } else if (mood < kMoodWarning) {
        game.tell("ОПАСНОСТЬ!!!!!!!!!!!!!!!!!!!!",
                  "Внимание опасность! Вам необходимо развлечся.   ВНИМАНИЕ: если ваше "
                  "настроение достигнет " +
                      std::to_string(kMoodDeath) + ", тогда вас постигнет лютая смерть!!!");
    }

    // Each course charges its fixed amount per tick; the fee field only says "enrolled".
    for (const Course& course : courses()) {
        if (readNumber(s.*course.fee) == 0) continue;
        addNumber(s.lblMoney, -course.chargePerTick);
        addNumber(s.*course.counter, 1);
    }
    // The ladders climb from the last course to the first: status, English, education.
    for (const Course& course : std::views::reverse(courses())) {
        const std::string before = s.*course.ladderField;
        promote(game, course);
        endCourseIfComplete(game, course, before);
    }

    if (computerComplete(s)) {
        addNumber(s.lblVir, 1);
        if (readNumber(s.lblVir) >= kVirusOutbreak) {
            const std::string count = s.lblVir;
            Place* virus = game.windows().load(window::kVirus);
            if (virus && virus->has("lblHMV")) (*virus)["lblHMV"].text = count;
            s.lblVir = "0";
            game.remember(DiaryEventKind::Virus, "Вирус в компьютере");
            game.windows().show(window::kVirus, Modality::Modal);
        }
    }
    return true;
}

}  // namespace brankor
