#include "game/help.h"

#include <array>
#include <initializer_list>
#include <vector>

#include "game/startwindows.h"
#include "game/windownames.h"

namespace brankor {
namespace {

constexpr std::string_view kTitleLine = "==================";
constexpr std::string_view kSectionLine = "--------------------------------";
constexpr std::string_view kChangesLine = "=====================================";

// The help texts are shown as written: lines joined by CR LF.
std::string joinLines(std::initializer_list<std::string_view> lines) {
    std::string text;
    bool first = true;
    for (std::string_view line : lines) {
        if (!first) text += "\r\n";
        text += line;
        first = false;
    }
    return text;
}

std::string mainWindowText() {
    return joinLines({
        kTitleLine,
        "Главное окно игры.",
        kTitleLine,
        "",
        "::Личный статус::",
        " :.Деньги - ваш капитал.",
        " :.Статус - ваше умение работать с компьютером (требуется при поступлении на работу и "
        "для хакерства)",
        " :.Работа - за нее вы получаете зарплату",
        " :.Настроение - может улучшаться или ухудшаться; зависит от множества факторов "
        "(например, может улучшиться при покупке дорогой вещи).",
        " :.Сытость - чем больше значение сытости, тем лучше; увеличить показатель сытости "
        "можно, сходив в магазин и поев или сходив на рыбалку и поймав рыбу.",
        " :.Образование - улучшается, когда вы учитесь в школе.",
        " :.Англ.яз. - улучшается, когда вы ходите на курсы англ.яз.",
        " ",
        "",
        kSectionLine,
        "",
        "::Компьютер::",
        " Здесь показывается все, что у вас есть или то, чего у вас нет в компьютере.",
        "",
        kSectionLine,
        "",
        "::Жите мое::",
        " Информация о вашей квартире, одежде, машине.",
        "",
        kSectionLine,
        "",
        "::Программы::",
        " Установленные на ваш компьютер программы.",
        "",
        kSectionLine,
        "",
        "::Интернет::",
        " Подключены ли вы к интернету или нет.",
        "",
        kSectionLine,
        "",
        "::Работа::",
        " Ваша текущая профессия.",
        "",
        kSectionLine,
        "",
        "::Учеба::",
        " Где вы в данный момент учитесь и сколько платите за учебу.",
    });
}

std::string smallHelpText() {
    const std::string email = std::string("Мой e-mail: ") + kContactEmail;
    return joinLines({
        kTitleLine,
        "Короткая справка.",
        kTitleLine,
        "",
        "Игра представляет собой симулятор жизни человека, который увлекается "
        "программированием. По ходу игры вы следите за такими важными особенностями своего "
        "организма, как голод и настроение. Ходите в казино, играете на игровых автоматах и т.д. "
        "Даже ходите на рыбалку. Вы покупаете себе квартиру и обустраиваете ее мебелью и "
        "улучшаете другие ее характеристики. Так же вам придется покупать и улучшать ваш "
        "компьютер, устанавливать на него Soft. Иногда компьютер может поразить вирус, и если вы "
        "не имеете возможности уничтожить его, тогда вам придется туго. В игре даже есть "
        "возможность выйти в \"игрушечный\" интернет.",
        "",
        "Играйте! Надеюсь, вы сможете оценить мою работу. ",
        "Если вы заметите какой-нибудь недочет или ошибку, за которыми я не уследил при "
        "разработке, напишите мне, и я постараюсь их исправить.",
        email,
    });
}

std::string otherWindowsText() {
    return joinLines({
        kTitleLine,
        "Остальные окна.",
        kTitleLine,
        "",
        "В остальных окнах вам предстоит покупать все необходимые товары, ходить во все "
        "необходимые заведения и совершать много другого.",
    });
}

struct Release {
    std::string_view heading;
    std::vector<std::string_view> changes;
};

// What changed from one version of the game to the next, newest first.
const std::array<Release, 4>& releases() {
    static const std::array<Release, 4> history = {{
        {"Изменения версии 2.0 (от версии 1.3)",
         {
             "Появился \"игрушечный\" интернет: провайдер и два сайта.",
             "Для выхода в интернет теперь нужны модем и подключение у провайдера.",
             "Добавлено хакерство: став хакером, можно выполнять задания за деньги.",
             "Появились компьютерные вирусы, которые могут поразить ваш компьютер.",
             "В магазине программ продаются антивирусы.",
             "Добавлена рыбалка: купите удочку, снасти и наживку и отправляйтесь на озеро.",
             "Пойманная рыба утоляет голод.",
             "В окне развлечений появилась аркадная игра.",
             "Новые должности, вплоть до президента компьютерной компании.",
             "Для некоторых должностей теперь нужны машина и пойманная рыба.",
             "Добавлено окно окончания игры: его показывают, когда вы становитесь президентом.",
             "После окончания игры можно играть дальше.",
             "В магазине компьютеров продаются жесткие диски разного объема.",
             "В магазине программ появились языки программирования и графические редакторы.",
             "Программам теперь нужен достаточно мощный компьютер.",
             "Новый формат файла сохраненной игры (*.brk).",
             "Время в игре идет и тогда, когда открыто другое окно.",
             "Переделан внешний вид главного окна.",
             "Новые картинки для всех мест игры.",
             "У полей главного окна появились всплывающие подсказки.",
             "Исправлено множество мелких ошибок.",
         }},
        {"Изменения версии 1.3",
         {
             "В казино появилась рулетка.",
             "Добавлен игровой автомат.",
             "Добавлены компьютерные курсы: статус теперь растет быстрее.",
             "В магазине компьютеров продаются сканеры и принтеры.",
             "В квартире можно обустроить ванную и кухню.",
             "Исправлено начисление процентов в банке.",
             "Добавлено окно \"О программе\".",
             "Дополнена справка по игре.",
         }},
        {"Изменения версии 1.2",
         {
             "Появился банк: деньги на счету приносят проценты каждый день.",
             "Если у вас нет машины, до банка можно доехать на такси.",
             "В магазине продаются машины.",
             "Добавлены курсы английского языка.",
             "Новые профессии, для которых нужно знание английского.",
             "Квартиру можно обставить мебелью.",
             "Игра предупреждает, когда вы сильно голодны или вам скучно.",
             "Исправлена ошибка при сохранении игры в папку с длинным именем.",
             "Окна игры открываются быстрее.",
         }},
        {"Изменения версии 1.1",
         {
             "Исправлена ошибка, из-за которой зарплата начислялась дважды за день.",
             "Сытость и настроение теперь падают равномерно.",
             "Добавлена вечерняя школа: можно получить среднее и высшее образование.",
             "В магазине появились новые блюда.",
             "Исправлено отображение даты в главном окне.",
             "Выход из игры теперь нужно подтвердить.",
             "У кнопок главного окна появились подсказки.",
             "Исправлены опечатки в сообщениях.",
         }},
    }};
    return history;
}

std::string changesText() {
    std::string text;
    const auto line = [&text](std::string_view part) {
        text += part;
        text += "\r\n";
    };
    for (const Release& release : releases()) {
        line(kChangesLine);
        line(release.heading);
        line(kChangesLine);
        int number = 0;
        for (std::string_view change : release.changes)
            line(std::to_string(++number) + ". " + std::string(change));
        line("");
    }
    line(kChangesLine);
    text += "Внимание: здесь могут указываться не все изменения игры.";
    return text;
}

// Each text button of the window and the text it brings to the front.
struct HelpPage {
    const char* button;
    const char* textBox;
};

constexpr std::array<HelpPage, 4> kPages = {{
    {"Command3", "txtMainWindow"},
    {"Command1", "txtSmallHelp"},
    {"Command2", "txtPoboch"},
    {"cmdChanges", "txtChanges"},
}};

void openHelp(Game& game, std::string_view textBox) {
    Windows& windows = game.windows();
    if (auto* help = dynamic_cast<FrmHelp*>(windows.load(window::kHelp))) help->showText(textBox);
    windows.show(window::kHelp, Modality::Modal);
}

}  // namespace

FrmHelp::FrmHelp(Game& g) : GamePlace(g, window::kHelp, "Помощь по игре \"Brankor\"") {
    declare("lblHeading", {.text = "ПОМОЩЬ ПО ИГРЕ \"БРАНКОР\""});
    declare("lblAuthor", {.text = std::string("Автор игры: разработчик \"Бранкора\". E-mail: ") +
                                  kContactEmail + "   Сайт: " + kContactUrl});
    declare("txtMainWindow", {.text = mainWindowText()});
    declare("txtSmallHelp", {.text = smallHelpText(), .visible = false});
    declare("txtPoboch", {.text = otherWindowsText(), .visible = false});
    declare("txtChanges", {.text = changesText(), .visible = false});
    declare("Command3", {.text = "Главное окно игры"});
    declare("Command1", {.text = "Короткая справка"});
    declare("Command2", {.text = "Остальные окна"});
    declare("cmdChanges", {.text = "Изменения"});
    declare("cmdAbout", {.text = "О программе"});
    declare("cmdOk", {.text = "ОК"});
}

void FrmHelp::showText(std::string_view textBox) {
    for (const HelpPage& page : kPages) (*this)[page.textBox].visible = page.textBox == textBox;
}

void FrmHelp::onClick(const std::string& control) {
    for (const HelpPage& page : kPages)
        if (control == page.button) showText(page.textBox);
    if (control == "cmdAbout") {
        Game& g = game;
        close();  // nothing of this window is used after this
        menuAbout(g);
    } else if (control == "cmdOk") {
        close();
    }
}

void menuBigHelp(Game& game) {
    openHelp(game, "txtMainWindow");
}

void menuSmallHelp(Game& game) {
    openHelp(game, "txtSmallHelp");
}

void menuAbout(Game& game) {
    Windows& windows = game.windows();
    auto* about = dynamic_cast<FrmFirst*>(windows.load(window::kFirst));
    if (!about) return;
    about->showAsAbout();
    windows.show(window::kFirst, Modality::Modal);
}

}  // namespace brankor
