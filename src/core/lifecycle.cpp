#include "lifecycle.h"

#include "bank.h"
#include "ladder.h"
#include "number.h"
#include "place.h"
#include "savegame/recovery.h"

namespace brankor {
namespace {

/// Climbs at most one rung: the first promotion whose previous rung and counter match. The
/// diary calls the ladder `what`.
void promote(Game& game, std::string& field, const std::string& counter,
             std::span<const Promotion> promotions, std::string_view what) {
    for (const Promotion& p : promotions) {
        if (field == p.from && counter == p.counter) {
            field = p.to;
            game.remember(DiaryEventKind::Promoted, std::string(what) + ": " + field);
            game.tell(std::string(p.title), std::string(p.message));
            return;
        }
    }
}

/// A course whose ladder is complete: its fee row disappears and the enrolment text says so.
struct CourseEnd {
    std::string_view lastRung;
    std::string GameState::*ladderField;
    std::string GameState::*counter;
    std::string GameState::*fee;
    std::string GameState::*enrolment;
    const char* feeCaption;
    const char* feeField;
    std::string_view finishedText;
};

constexpr CourseEnd kCourseEnds[] = {
    {"Сверх профессионал", &GameState::lblStatus, &GameState::lblCom, &GameState::lblCCost,
     &GameState::lblCComputer, "lblStoim", "lblCCost", "Вы сверх программист."},
    {"8 уровень", &GameState::lblEnglish, &GameState::lblEng, &GameState::lblECost,
     &GameState::lblEEnglish, "lblEStoim", "lblECost", "Вы выучили англ. яз."},
    {"Высшее", &GameState::lblEduncation, &GameState::lblObras, &GameState::lblSCost,
     &GameState::lblSSchool, "lblSStoim", "lblSCost", "Вы выучились в школе."},
};

/// Ends the course right after its last promotion on this tick.
void endCourseIfComplete(Game& game, const CourseEnd& course, const std::string& before) {
    GameState& s = game.state;
    const std::string& ladder = s.*(course.ladderField);
    if (before == ladder || ladder != course.lastRung) return;
    game.remember(DiaryEventKind::CourseFinished, std::string(course.finishedText));
    s.hiddenControls.insert(course.feeCaption);
    s.*(course.fee) = "0";
    s.hiddenControls.insert(course.feeField);
    s.*(course.enrolment) = std::string(course.finishedText);
    s.*(course.counter) = "OK";
}

bool computerComplete(const GameState& s) {
    for (const std::string* part :
         {&s.lblComp, &s.lblMonitor, &s.lblVinchester, &s.lblRAM, &s.lblSystem})
        if (*part == kNothingOwned) return false;
    return true;
}

}  // namespace

std::int16_t withInterest(std::int16_t balance) {
    return clampToInt16(static_cast<long long>(balance) + balance / 20);
}

void clockTick(Game& game) {
    GameState& s = game.state;
    addNumber(s.lblHours, 1);
    const bool midnight = s.lblHours == "24";
    if (midnight) {
        s.BankBalance = withInterest(s.BankBalance);
        if (Place* bank = game.windows().find("frmBank")) showBankBalance(*bank, s.BankBalance);
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
    windows.close("frmMain");
    windows.show("frmFirst", Modality::Modal);
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
    if (readNumber(s.lblSCost) != 0) addNumber(s.lblMoney, -3), addNumber(s.lblObras, 1);
    if (readNumber(s.lblECost) != 0) addNumber(s.lblMoney, -4), addNumber(s.lblEng, 1);
    if (readNumber(s.lblCCost) != 0) addNumber(s.lblMoney, -4), addNumber(s.lblCom, 1);

    const std::string status = s.lblStatus;
    promote(game, s.lblStatus, s.lblCom, statusPromotions(), "Статус");
    endCourseIfComplete(game, kCourseEnds[0], status);
    const std::string english = s.lblEnglish;
    promote(game, s.lblEnglish, s.lblEng, englishPromotions(), "Английский");
    endCourseIfComplete(game, kCourseEnds[1], english);
    const std::string education = s.lblEduncation;
    promote(game, s.lblEduncation, s.lblObras, educationPromotions(), "Образование");
    endCourseIfComplete(game, kCourseEnds[2], education);

    if (computerComplete(s)) {
        addNumber(s.lblVir, 1);
        if (readNumber(s.lblVir) >= kVirusOutbreak) {
            const std::string count = s.lblVir;
            Place* virus = game.windows().load("frmVirus");
            if (virus && virus->has("lblHMV")) (*virus)["lblHMV"].text = count;
            s.lblVir = "0";
            game.remember(DiaryEventKind::Virus, "Вирус в компьютере");
            game.windows().show("frmVirus", Modality::Modal);
        }
    }
    return true;
}

}  // namespace brankor
