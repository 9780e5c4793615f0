#include "work.h"

#include <array>

#include "game/windownames.h"
#include "jobs.h"

namespace brankor {
namespace {

/// The salary labels beside the job buttons, in job order.
constexpr std::array<const char*, 9> kSalaryLabels = {
    "Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label8", "Label9", "Label13"};

constexpr const char* kCanWork = "можете работать на этой работе";
constexpr const char* kCannot = "не";

}  // namespace

FrmWork::FrmWork(Game& g) : GamePlace(g, window::kWork, "Работа") {
    const auto all = jobs();
    for (std::size_t i = 0; i < all.size(); ++i) {
        declare(std::string(all[i].button), {.text = std::string(all[i].caption)});
        declare(kSalaryLabels[i], {.text = std::string(all[i].salary)});
    }
    declare("cmdBack", {.text = "<< Назад"});
    declare("Label10", {.text = "Работа:"});
    declare("Label11", {.text = "Зарплата:"});
    declare("Label14", {.text = "Сейчас вы:"});
    declare("imgWorkPlace", {.picture = "place_work"});
    declare("lblWWho");
    declare("lblWCan");
    // The sentence "Вы" + verdict + kCanWork and the description box.
    declare("lbladdYou", {.text = "Вы"});
    declare("lbladdOnthisW", {.text = kCanWork});
    declare("lbladdSpec");
}

void FrmWork::onLoad() {
    (*this)["lblWWho"].text = state().lblMyWork;
}

void FrmWork::onMouseMove(const std::string& control) {
    const Job* job = jobOf(control);
    if (!job) return;
    (*this)["lbladdSpec"].text = job->description;
    (*this)["lblWCan"].text = allHold(state(), job->requirements) ? "" : kCannot;
    m_judged = true;
}

void FrmWork::onClick(const std::string& control) {
    if (control == "cmdBack") {
        close();
        return;
    }
    if (control.empty()) {
        (*this)["lbladdOnthisW"].text.clear();
        return;
    }
    const Job* job = jobOf(control);
    if (!job) return;
    // Before any job has been hovered the verdict is empty, which would hire for anything (a
    // button reached by the keyboard); the clicked job is then judged as if hovered first.
    if (!m_judged) onMouseMove(control);
    // The verdict on screen decides, even when it was written for another job.
    if (!(*this)["lblWCan"].text.empty()) {
        if (!job->refusedTitle.empty())
            game.tell(std::string(job->refusedTitle), refusalText(*job), Icon::None);
        return;
    }
    game.tell(std::string(job->hiredTitle), std::string(job->hiredText), Icon::None);
    GameState& s = state();
    s.lblMyWork = job->name;
    s.lblWorkEarn = job->salary;
    (*this)["lblWWho"].text = job->who;
    s.lblSWork = s.lblMyWork;
    game.remember(DiaryEventKind::Hired, "Принят на работу: " + s.lblMyWork);
    if (job->endsGame) {
        // The work window goes once this click is over, and the end window takes its place.
        game.windows().replace(name(), window::kTheEnd);
    }
}

}  // namespace brankor
