#include "jobs.h"

#include <algorithm>
#include <array>

#include "framework/findrow.h"
#include "game/ladders.h"
#include "shop.h"

namespace brankor {
namespace {

using Test = Requirement::Test;
using namespace need;

Requirement clothes(std::string_view x) {
    return orBetter(&GameState::lblClothes, clothesLadder(), x);
}
Requirement exactly(std::string GameState::*field, std::string_view x) {
    return {Test::Exactly, field, nullptr, x};
}
Requirement internetAccess() {
    return {Test::Not, &GameState::lblVichod, nullptr, kNothingOwned};
}
Requirement carFrom(int index) {
    return {Test::AtLeast, nullptr, nullptr, {}, &GameState::CarIndex, index};
}
Requirement car(int index) {
    return {Test::EqualTo, nullptr, nullptr, {}, &GameState::CarIndex, index};
}
Requirement fishCaught(int count) {
    return {Test::AtLeast, nullptr, nullptr, {}, &GameState::FishTotal, count};
}

std::vector<Job> makeJobs() {
    return {
        {.button = "cmdWGruschik",
         .caption = "Грузчик",
         .salary = "10",
         .name = "Грузчик",
         .who = "Грузчик",
         .description = "Эта работа очень проста. Вам просто необходимо таскать всякие тяжелые "
                        "ящики.",
         .hiredTitle = "Вы грузчик.",
         .hiredText = "Вы теперь грузчик. Ваша зарплата 10 $."},
        {.button = "cmdWTaxi",
         .caption = "Таксист",
         .salary = "20",
         .name = "Таксист.",
         .who = "Таксист.",
         .description = "Здесь вы должны просто напросто перевозить людей.",
         .hiredTitle = "Вы таксист.",
         .hiredText = "Вы теперь таксист. Ваша зарплата 20 $.",
         .refusedTitle = "Вы не таксист.",
         .refusedText = "Вы не можете работать таксистом. У вас должно быть как минимум: "
                        "образование неполное среднее, и одежда спорт. костюм или лучше.",
         .requirements = {education("Неполное среднее"), clothes("Спорт.костюм")}},
        {.button = "cmdWGardener",
         .caption = "Садовник",
         .salary = "25",
         .name = "Садовник",
         .who = "Садовник",
         .description = "Вам нужно будет сажать цветочки и т.д..",
         .hiredTitle = "Вы садовник.",
         .hiredText = "Вы теперь садовник. Ваша зарплата 25 $.",
         .refusedTitle = "Вы не садовник.",
         .refusedText = "Вы не можете работать садовником. У вас должно быть как минимум: "
                        "образование неполное среднее, статус любитель, англ.яз. 1 уровень, "
                        "одежда спорт. костюм, прог-ование Basic или лучше.",
         .requirements = {education("Неполное среднее"), status("Любитель"), english("1 уровень"),
                          clothes("Спорт.костюм"), language("Basic")}},
        {.button = "cmdWBegProg",
         .caption = "Начинающий программист",
         .salary = "30",
         .name = "нач. прогр.",
         .who = "нач. прогр.",
         .description = "Эта работа более серьезня, чем остальные.",
         .hiredTitle = "Вы начинающий программист.",
         .hiredText = "Вы теперь начинающий программист. Ваша зарплата 30 $.",
         .refusedTitle = "Вы не начинающий программист.",
         .refusedText = "Вы не можете работать начинающим программистом. У вас должно быть как "
                        "минимум: образование среднее, статус новичок, англ.яз. 2 уровень, "
                        "одежда летняя, прог-ование Pascal или лучше.",
         .requirements = {education("Среднее"), status("Новичок"), english("2 уровень"),
                          clothes("Летняя"), language("Pascal")}},
        {.button = "cmdWProg",
         .caption = "Программист",
         .salary = "35",
         .name = "прогр.",
         .who = "прогр.",
         .description = "На этой работе вы будете составлять программы для различных фирм.",
         .hiredTitle = "Вы программист.",
         .hiredText = "Вы теперь программист. Ваша зарплата 35 $.",
         .refusedTitle = "Вы не программист.",
         .refusedText = "Вы не можете работать программистом. У вас должно быть как минимум: "
                        "образование среднее, статус программист, англ.яз. 3 уровень, одежда "
                        "джинсы, прог-ование Visual Basic, граф. редактор Paint или лучше.",
         .requirements = {education("Среднее"), status("Программист"), english("3 уровень"),
                          clothes("Джинсы"), language("VB"), editor("Paint")}},
        {.button = "cmdWProva",
         .caption = "Провайдер",
         .salary = "40",
         .name = "провайдер",
         .who = "провайдер",
         .description = "Здесь вам необходимо работать с интернетом.",
         .hiredTitle = "Вы провайдер.",
         .hiredText = "Вы теперь провайдер. Ваша зарплата 40 $.",
         .refusedTitle = "Вы не провайдер.",
         .refusedText = "Вы не можете работать провайдером. У вас должно быть как минимум: "
                        "образование неполное высшее, статус программист, англ.яз. 4 уровень, "
                        "одежда костюм, прог-ование Visual Basic, граф. редактор Photoshop, модем "
                        "K56 + выход в интернет, машина марки ",
         .refusedEnd = ".",
         .requirements = {education("Неполное высшее"), status("Программист"), english("4 уровень"),
                          clothes("Костюм"), language("VB"), editor("Photoshop"), modem("K56"),
                          internetAccess(), carFrom(2)}},
        {.button = "cmdWHakker",
         .caption = "Хакер",
         .salary = "50",
         .name = "хакер",
         .who = "Хакер",
         .description = "Здесь ваши хакерские задания усложнятся.",
         .hiredTitle = "Вы хакер.",
         .hiredText = "Вы теперь хакер. Ваша зарплата 50 $.",
         .refusedTitle = "Вы не хакер.",
         .refusedText = "Вы не можете работать хакером. У вас должно быть как минимум: "
                        "образование высшее, статус хакер, англ.яз. 6 уровень, одежда рубашка, "
                        "прог-ование Visual Basic, модем K56 + выход в интернет, машина марки ",
         .refusedEnd = ".",
         .requirements = {education("Высшее"), status("Хакер"), english("6 уровень"),
                          clothes("Рубашка"), language("VB"), modem("K56"), internetAccess(),
                          carFrom(3)}},
        {.button = "cmdWAdministrator",
         .caption = "Графический дизайнер",
         .salary = "55",
         .name = "граф.диз.",
         .who = "граф.диз.",
         .description = "Вы будете создавать текстуры, 3D объекты и остальную графику.",
         .hiredTitle = "Вы граф.диз..",
         .hiredText = "Вы теперь граф.диз.. Ваша зарплата 55 $.",
         .refusedTitle = "Вы не граф. диз..",
         .refusedText = "Вы не можете работать граф.диз.. У вас должно быть как минимум: "
                        "образование высшее, статус адмиистратор, англ.яз. 7 уровень, одежда "
                        "футболка и т. д., граф. редактор 3D Studio Max II, принтер лазерный, "
                        "сканер планшетный или лучше, машина марки ",
         .refusedEnd = ".",
         .requirements = {education("Высшее"), status("Администратор"), english("7 уровень"),
                          clothes("Футболка и т.д."), editor("3D StMax II"),
                          exactly(&GameState::lblPrinter, "Лазерный"),
                          exactly(&GameState::lblSkaner, "Планшетный"), carFrom(4)}},
        {.button = "cmdWPresident",
         .caption = "Компьютерный президент",
         .salary = "70",
         .name = "ком.през.",
         .who = "ком.през.",
         .description = "Эта самая замечательная работа. Вы сможете командовать всеми "
                        "компьютерными фирмами.",
         .hiredTitle = "ком.през.",
         .hiredText = "Вы теперь ком. президент. Ваша зарплата 70 $.",
         .refusedTitle = "Вы не ком.през.",
         // "С++" here is written with the Cyrillic letter С.
         .refusedText = "Вы не можете работать ком.през.. У вас должно быть как минимум: "
                        "образование высшее, статус сверх профессионал, англ.яз. 8 уровень, "
                        "одежда посл. моды, прог-ование Visual С++, модем V90 + выход в "
                        "интернет, граф. редактор 3D Studio Max III, квартира 7 комнатная, "
                        "большой бассейн, комфортная кухня и офисная мебель, машина марки ",
         .refusedEnd = ", а так же общее кол-во пойманной вами рыбы должно быть 200 (кол-во "
                       "пойманной вами рыбы вы можете увидеть в разделе Хобби).",
         .requirements = {education("Высшее"), status("Сверх профессионал"), english("8 уровень"),
                          clothes("Посл.моды"), exactly(&GameState::lblProgram, "VC++"),
                          editor("3D StMax III"), modem("V90"), internetAccess(),
                          exactly(&GameState::lblRoom, "7"),
                          exactly(&GameState::lblBath, "Бол.бассейн"),
                          exactly(&GameState::lblKitchen, "Комфортная"),
                          exactly(&GameState::lblSMebel, "Офисная"), car(5), fishCaught(200)},
         .endsGame = true},
    };
}

}  // namespace

std::span<const Job> jobs() {
    static const std::vector<Job> table = makeJobs();
    return table;
}

const Job* jobOf(std::string_view button) {
    return findRow(jobs(), &Job::button, button);
}

std::string refusalText(const Job& job) {
    std::string text(job.refusedText);
    for (const Requirement& r : job.requirements)
        if (r.variable == &GameState::CarIndex)
            text += CarNames[static_cast<std::size_t>(r.number)];
    text += job.refusedEnd;
    return text;
}

}  // namespace brankor
