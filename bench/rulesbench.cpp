// One game year of the rules, without any window: 8760 clock ticks and 730 life ticks for a
// player who attends all three courses, holds a job and owns a complete computer, so every
// branch of the ticks runs (fees, promotions, course ends, salary, interest, the virus counter)
// and the diary records every midnight and event of the year.
#include <benchmark/benchmark.h>

#include "fakes/fakes.h"
#include "game/lifecycle.h"

namespace {

using brankor::GameState;

constexpr int kLifeTicksPerYear = 730;
constexpr int kClockTicksPerLifeTick = brankor::kLifeTickInterval / brankor::kClockInterval;

GameState busyPlayer(GameState s) {
    s.lblSSchool = "Веч.школа";
    s.lblSCost = "6";
    s.lblEEnglish = "Курсы";
    s.lblECost = "8";
    s.lblCComputer = "Курсы";
    s.lblCCost = "8";
    s.lblMyWork = s.lblSWork = "Грузчик";
    s.lblWorkEarn = "10";
    s.lblComp = "Pentium";
    s.lblMonitor = "14\"";
    s.lblRAM = "32 Mb";
    s.lblSystem = "Windows";
    brankor::setVinchester(s, 1);
    s.BankBalance = 1000;
    return s;
}

void GameYear(benchmark::State& bench) {
    brankor::testing::TestGame t;
    const GameState start = busyPlayer(t.state());
    long long ticks = 0;
    for (auto _ : bench) {
        t.state() = start;
        t.game.diary.start(start);
        for (int life = 0; life < kLifeTicksPerYear; ++life) {
            for (int hour = 0; hour < kClockTicksPerLifeTick; ++hour) brankor::clockTick(t.game);
            // The player eats and has fun now and then, so the year is lived to its end.
            t.state().lblHungry = t.state().lblHappyness = "30";
            if (!brankor::lifeTick(t.game)) bench.SkipWithError("the player died");
        }
        ticks += kLifeTicksPerYear * (kClockTicksPerLifeTick + 1);
        benchmark::DoNotOptimize(t.state());
        t.messages.shown.clear();
        t.windows.log.clear();
    }
    if (t.game.diary.midnights().size() != 365) bench.SkipWithError("the diary missed a day");
    // The year really was lived: every course reached the top of its ladder.
    if (t.state().lblStatus != "Сверх профессионал" || t.state().lblEnglish != "8 уровень" ||
        t.state().lblEduncation != "Высшее")
        bench.SkipWithError("a course did not finish within the year");
    bench.counters["ticks/s"] =
        benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kIsRate);
}
BENCHMARK(GameYear)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
