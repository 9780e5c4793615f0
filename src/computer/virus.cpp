#include "virus.h"

#include "antivirus.h"
#include "framework/number.h"
#include "game/windownames.h"

namespace brankor {
namespace {

constexpr CounterCycle kDamageCycle = {10, 5, 19};
constexpr int kBlinkInterval = 700;

constexpr const char* kBuyBetter = "Надо было покупать хороший антивирус.";
constexpr const char* kKilled = "Вам удалось уничтожить вирус";

}  // namespace

std::string virusLossText(int damage) {
    const std::string number = damage < 0 ? writeNumber(damage) : " " + writeNumber(damage);
    return "Вирус уничтожил " + number + "$ с вашего счета.";
}

FrmVirus::FrmVirus(Game& g)
    : GamePlace(g, window::kVirus, "ВИРУС :-<<< VIRUS <<<-: HELP"),
      m_damage(g.clock(), kDamageCycle) {
    declare("Label2", {.text = "Ваш компьютер поразил вирус. Что делать будем?"});
    declare("lblTextVirus", {.text = "ВИРУС"});
    declare("lblHMV");
    declare("cmdKill", {.picture = "virus_kill"});
    declare("cmdLive", {.picture = "virus_live"});
    declareTimer("Timer1", kBlinkInterval, true);
}

void FrmVirus::onLoad() {
    m_damage.restart();
}

void FrmVirus::onTimer(const std::string& timer) {
    if (timer == "Timer1") m_blink = !m_blink;
}

void FrmVirus::onClick(const std::string& control) {
    // The amount is the one at the click; a box left open meanwhile does not change it.
    const std::int16_t damage = clampToInt16(m_damage.value());
    if (control == "cmdKill") lose(damage);
    if (control == "cmdLive") fight(damage);
}

void FrmVirus::fight(std::int16_t damage) {
    const Antivirus* antivirus = antivirusNamed(state().lblAntvirus);
    if (!antivirus) {
        game.tell("Надо было антивирус покупать.", "У вас нет антивируса.");
    } else if (antivirus->winsFight(damage)) {
        game.tell(std::string(antivirus->fightWonTitle), kKilled, Icon::Information);
        game.windows().hide(name());
        return;
    } else {
        game.tell(std::string(antivirus->fightLostTitle), std::string(antivirus->fightLostText));
    }
    lose(damage);
}

void FrmVirus::lose(std::int16_t damage) {
    game.tell(kBuyBetter, virusLossText(damage));
    addNumber(state().lblMoney, -damage);
    close();
}

}  // namespace brankor
