// The career guide and the danger colours: what they show must be what the rules would do.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "fakes/fakes.h"
#include "game/danger.h"
#include "game/savegame/savedgame.h"
#include "life/careerguide.h"
#include "life/work.h"

using namespace brankor;
using namespace brankor::testing;

namespace {

/// The guide as a player reads it: one line per job, one per requirement beneath it.
std::string read(const std::vector<GuideRow>& rows) {
    std::string text;
    for (const GuideRow& row : rows) {
        text += std::string(row.job->caption) + (row.current ? " [ваша]" : "") +
                (row.next ? " [цель]" : "") + (row.qualifies ? " можно" : " нельзя") + "\n";
        for (const GuideCell& cell : row.cells) text += "  " + cell.spoken() + "\n";
    }
    return text;
}

/// Sets the state so that `r` holds just barely (`met`), or fails by one rung or one unit.
void meet(GameState& s, const Requirement& r, bool met) {
    using Test = Requirement::Test;
    if (r.variable) {
        const int n = met ? r.number : r.number - 1;
        s.*r.variable = static_cast<std::int16_t>(n);
        if (r.variable == &GameState::CarIndex) s.lblCar = CarNames[static_cast<std::size_t>(n)];
        return;
    }
    if (r.test == Test::OrBetter) {
        const std::size_t at = *r.ladder->indexOf(r.text);
        s.*r.field = (*r.ladder)[met ? at : at - 1];
    } else if (r.test == Test::Exactly) {
        s.*r.field = met ? std::string(r.text) : std::string(kNothingOwned);
    } else {
        s.*r.field = met ? "Есть" : std::string(r.text);
    }
}

/// Hovers and clicks the job in the work window; true when it hired.
bool hires(const GameState& state, const Job& job) {
    PlaceTest<FrmWork> work;
    work.state() = state;
    work.state().lblMyWork = "Безработный";
    work.buy(std::string(job.button));
    return work.state().lblMyWork == job.name;
}

}  // namespace

// A fresh game: only the loader is open to the player, the taxi is the next goal, and every cell
// shows the requirement and the new game's own value.
TEST(CareerGuide, ANewGameSeesTheLoaderOpenAndTheTaxiAsTheGoal) {
    TestGame g;
    const std::string text = read(careerGuide(g.state()));
    EXPECT_EQ(
        text.substr(0, text.find("Садовник")),
        "Грузчик можно\n"
        "Таксист [цель] нельзя\n"
        "  Образование: требуется Неполное среднее или лучше / у вас Начальное, не выполнено\n"
        "  Одежда: требуется Спорт.костюм или лучше / у вас Дряхлая, не выполнено\n");
    EXPECT_NE(text.find("  Машина: требуется Mercedes / у вас Нет машины, не выполнено\n"
                        "  Поймано рыбы: требуется не меньше 200 / у вас 0, не выполнено\n"),
              std::string::npos)
        << text;
    // The loader taken, the goal stays the taxi.
    g.state().lblMyWork = "Грузчик";
    EXPECT_TRUE(read(careerGuide(g.state())).starts_with("Грузчик [ваша] можно\nТаксист [цель]"));
    // At the top there is no goal left.
    g.state().lblMyWork = std::string(jobs().back().name);
    const std::string top = read(careerGuide(g.state()));
    EXPECT_EQ(top.find("[цель]"), std::string::npos) << top;
}

// For every job: with every requirement just met the guide says "можно" and the job market
// hires; one requirement a rung or a unit short and the guide marks that cell alone, says
// "нельзя", and the job market refuses. The same for a saved mid-game player.
TEST(CareerGuide, EveryCellAgreesWithTheJobMarketOneRequirementShortOfEachJob) {
    for (const Job& job : jobs()) {
        GameState met;
        for (const Requirement& r : job.requirements) meet(met, r, true);
        const std::size_t index = static_cast<std::size_t>(&job - jobs().data());
        EXPECT_TRUE(careerGuide(met)[index].qualifies) << job.caption;
        EXPECT_TRUE(hires(met, job)) << job.caption;
        for (std::size_t k = 0; k < job.requirements.size(); ++k) {
            const Requirement& r = job.requirements[k];
            if (r.ladder && r.ladder->indexOf(r.text) == 0u) continue;  // nothing below it
            GameState shy = met;
            meet(shy, job.requirements[k], false);
            const GuideRow row = careerGuide(shy)[index];
            std::string marks;
            for (const GuideCell& cell : row.cells) marks += cell.met ? "+" : "-";
            std::string expected(job.requirements.size(), '+');
            expected[k] = '-';
            EXPECT_EQ(marks, expected) << job.caption << " " << row.cells[k].what;
            EXPECT_FALSE(row.qualifies);
            EXPECT_FALSE(hires(shy, job)) << job.caption << " " << row.cells[k].what;
        }
    }

    std::ifstream file(BRANKOR_TESTS_DIR "/data/midgame.brk", std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    const Outcome<SavedGame> record = parseSavedGame(bytes.str());
    ASSERT_TRUE(record) << record.reason();
    GameState midGame;
    applySavedGame(midGame, record.value());
    for (const GuideRow& row : careerGuide(midGame))
        EXPECT_EQ(row.qualifies, hires(midGame, *row.job)) << row.job->caption;
}

// Satiety and mood turn amber below 0 and red where the life tick warns; while red, the hover
// text says how far death is.
TEST(Danger, BothSidesOfEachLimit) {
    const std::tuple<const char*, const char*, DangerLevel, const char*> cases[] = {
        {"0", "0", DangerLevel::Safe, ""},
        {"-1", "-1", DangerLevel::Falling, ""},
        {"-20", "-30", DangerLevel::Falling, ""},
        {"-21", "-31", DangerLevel::Warning, "до смерти от голода: 9|до смерти от тоски: 9"},
        {"-30", "-40", DangerLevel::Warning, "до смерти от голода: 0|до смерти от тоски: 0"},
    };
    for (const auto& [hungry, mood, level, lines] : cases) {
        GameState s;
        s.lblHungry = hungry;
        s.lblHappyness = mood;
        const Danger hunger = hungerDanger(s);
        const Danger boredom = moodDanger(s);
        EXPECT_EQ(hunger.level, level) << hungry;
        EXPECT_EQ(boredom.level, level) << mood;
        const std::string both = hunger.deathLine + "|" + boredom.deathLine;
        EXPECT_EQ(both == "|" ? "" : both, lines) << hungry;
    }
}
