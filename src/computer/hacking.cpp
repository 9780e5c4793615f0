#include "hacking.h"

#include <algorithm>
#include <array>

#include "framework/number.h"
#include "game/windownames.h"

namespace brankor {
namespace {

struct Task {
    const char* text;
    int reward;
};

constexpr std::array<Task, 9> kTasks = {{
    {"Это очень простое задание. Вам необходимо взломать специальную программу. Плата за "
     "выполнение 4$.",
     4},
    {"Вам необходимо украсть файл из интернета. Плата за выполнение 5$.", 5},
    {"Вам нужно поразить вирусом чужой компьютер. Плата за выполнение 6$.", 6},
    {"Вам нужно очистить всю память чужого компьютера. Плата за выполнение 8$.", 8},
    {"Вам требуется перечислить деньги из маленького магазина себе на счет. Плата за выполнение "
     "9$.",
     9},
    {"Вам надо скачать файл с банковского компьютера. Плата за выполнение 10$.", 10},
    {"Вам требуется перечислить деньги со счета в банке. Плата за выполнение 11$.", 11},
    {"Вам требуется удалить спец файл с главного компьютера города. Плата за выполнение 12$.", 12},
    {"Это очень сложное задание. Вам требуется скачать себе программу обороны. Плата за "
     "выполнение 13$.",
     13},
}};

/// Tasks below this number are easy: watched by the easy counter, fined less.
constexpr int kFirstHardTask = 5;

/// What carrying out a task does, caught or not, by difficulty.
struct Outcome {
    const char* message;
    int money;
    int mood;
};
constexpr Outcome kEasyCaught = {"Вас засекли. Вы заплатили штраф 5$.", -5, -2};
constexpr Outcome kHardCaught = {"Вас засекли. Вы заплатили штраф 10$.", -10, -5};
constexpr const char* kDone = "Вы выполнили задание и получаете деньги.";
constexpr int kEasyMood = 1;
constexpr int kHardMood = 4;
/// Either capture counter showing this value at the click means caught.
constexpr int kCaughtAt = 3;

constexpr const char* kStartText = "Нажми на кнопку ПОЛУЧИТЬ ЗАДАНИЕ";

// The counters: the task number runs 1, then 2 to 9 over and over; the capture counters 2 to 5
// (one value in four is 3) and 2 to 4 (one in three).
constexpr CounterCycle kTaskCycle = {0, 2, 9};
constexpr CounterCycle kEasyCycle = {0, 2, 5};
constexpr CounterCycle kHardCycle = {0, 2, 4};

/// The task of number `n`; a click before the counter's first step (0) takes task 1.
const Task& taskOf(int n) {
    const std::size_t index = n < 1 ? 0 : n > 9 ? 8 : static_cast<std::size_t>(n - 1);
    return kTasks[index];
}

}  // namespace

FrmHakerstvo::FrmHakerstvo(Game& g)
    : GamePlace(g, window::kHakerstvo, "Хакерство"),
      m_task(g.clock(), kTaskCycle),
      m_easyCapture(g.clock(), kEasyCycle),
      m_hardCapture(g.clock(), kHardCycle) {
    declare("txtSpec", {.text = std::string(kStartText) + "\n"});
    declare("cmdTakeSad", {.text = "Получить задание"});
    declare("cmdMake", {.text = "Выполнить", .visible = false});
    declare("cmdGoOut", {.text = "Уйти"});
    for (const char* counter : {"lblNSad", "lblhh5", "lblhh9", "lblstsad"})
        declare(counter, {.text = "0", .visible = false});
    declare("Picture1", {.picture = "place_hacker"});
    declare("Picture2", {.picture = "hacking_lock"});
}

void FrmHakerstvo::onLoad() {
    m_task.restart();
    m_easyCapture.restart();
    m_hardCapture.restart();
}

void FrmHakerstvo::readCounters() {
    (*this)["lblNSad"].text = writeNumber(m_task.value());
    (*this)["lblhh5"].text = writeNumber(m_easyCapture.value());
    (*this)["lblhh9"].text = writeNumber(m_hardCapture.value());
}

void FrmHakerstvo::onClick(const std::string& control) {
    if (control == "cmdTakeSad") takeTask();
    if (control == "cmdMake") carryOut();
    if (control == "cmdGoOut") close();
}

void FrmHakerstvo::takeTask() {
    readCounters();
    // A counter that has not stepped yet ("0") names no task; the first one is taken instead.
    const int n = std::max(1, static_cast<int>(wholeNumber((*this)["lblNSad"].text)));
    (*this)["lblstsad"].text = writeNumber(n);
    (*this)["txtSpec"].text = taskOf(n).text;
    (*this)["cmdMake"].visible = true;
}

void FrmHakerstvo::carryOut() {
    readCounters();
    m_n = clampToInt16(wholeNumber((*this)["lblstsad"].text));
    const bool easy = m_n < kFirstHardTask;
    const std::string& watcher = (*this)[easy ? "lblhh5" : "lblhh9"].text;
    Outcome outcome = easy ? kEasyCaught : kHardCaught;
    if (wholeNumber(watcher) != kCaughtAt)
        outcome = {kDone, taskOf(m_n).reward, easy ? kEasyMood : kHardMood};
    // The player reads the outcome before the money and mood change.
    game.tell("", outcome.message, Icon::None);
    addNumber(state().lblMoney, outcome.money);
    addNumber(state().lblHappyness, outcome.mood);
    game.remember(DiaryEventKind::Hacking,
                  outcome.money > 0
                      ? "Хакерство: задание выполнено, +" + writeNumber(outcome.money) + " $"
                      : "Хакерство: засекли, штраф " + writeNumber(-outcome.money) + " $");
    (*this)["cmdMake"].visible = false;
    (*this)["txtSpec"].text = kStartText;
}

}  // namespace brankor
