#include "study.h"

#include "framework/number.h"
#include "game/courses.h"
#include "game/windownames.h"

namespace brankor {
namespace {

constexpr std::string_view kNothingOnOffer = "------------";

const Course* courseOf(const std::string& button) {
    for (const Course& course : courses())
        if (course.button == button) return &course;
    return nullptr;
}

}  // namespace

FrmStudy::FrmStudy(Game& g) : GamePlace(g, window::kStudy, "Обучение") {
    for (const Course& course : courses())
        declare(std::string(course.button), {.text = std::string(course.enrolCaption)});
    declare("imgStudy", {.picture = "place_learn"});
    declare("lblWhatTitle", {.text = "Кратко:"});
    declare("lblWhat", {.text = std::string(kNothingOnOffer)});
    declare("lblCostTitle", {.text = "Цена в день:"});
    declare("lblCost", {.text = "0"});
    declare("cmdBack", {.text = "<< Назад"});
}

void FrmStudy::onLoad() {
    const GameState& s = state();
    for (const Course& course : courses())
        if (s.*course.fee == course.pricePerDay)
            (*this)[std::string(course.button)].text = course.enrolledCaption;
    // A finished course shows so whatever its fee field holds.
    for (const Course& course : courses()) {
        if (s.*course.counter != kCourseDone) continue;
        Control& button = (*this)[std::string(course.button)];
        button.text = course.completedCaption;
        button.enabled = false;
    }
}

void FrmStudy::onClick(const std::string& control) {
    if (control == "cmdBack") {
        close();
        return;
    }
    const Course* course = courseOf(control);
    if (!course) return;
    GameState& s = state();
    Control& button = (*this)[control];
    // The clock may have finished the course while this window was open: it stays finished
    // (leaving or enrolling again would overwrite the finished texts and charge for nothing).
    if (s.*course->counter == kCourseDone) {
        button.text = course->completedCaption;
        button.enabled = false;
        return;
    }
    if (button.text == course->enrolCaption) {
        if (readNumber(s.lblMoney) <= 0) {
            game.tell("Внимание", std::string(course->refusal));
            return;
        }
        button.text = course->enrolledCaption;
        s.*course->enrolment = course->enrolledText;
        s.*course->fee = course->pricePerDay;
        game.remember(DiaryEventKind::CourseJoined,
                      std::string(course->enrolCaption)
                          .replace(0, std::string_view("Ходить").size(), "Записался"));
    } else if (button.text == course->enrolledCaption) {
        s.*course->enrolment = kNotStudying;
        s.*course->fee = "0";
        button.text = course->enrolCaption;
        game.remember(DiaryEventKind::CourseLeft,
                      std::string(course->enrolledCaption)
                          .replace(0, std::string_view("Закончить").size(), "Перестал"));
    }
}

void FrmStudy::onMouseMove(const std::string& control) {
    if (const Course* course = courseOf(control)) {
        (*this)["lblCost"].text = course->pricePerDay;
        (*this)["lblWhat"].text = course->shortName;
    } else if (control.empty()) {
        (*this)["lblCost"].text = "00";
        (*this)["lblWhat"].text = kNothingOnOffer;
    }
}

}  // namespace brankor
