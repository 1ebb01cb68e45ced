// Whole fights per second: a goblin fought to the end with Attack through
// the scripted console, the knight's record fresh for every fight.

#include <benchmark/benchmark.h>

#include "character/record.h"
#include "console/console.h"
#include "console/scripted.h"
#include "encounters/encounters.h"

namespace {

using namespace emberfell;

// Two passes: the goblin strikes once, then falls to the second blow.
void GoblinFight(benchmark::State& state) {
    ScriptedConsole con;
    setconsole(con);
    con.settime(ScriptedConsole::timefor(1));
    for (auto _ : state) {
        con.type("1\n1\n");
        vars v;
        v.str = 16;  // strikes for 34 against the goblin's 65 HP
        v.hp = v.maxhp = 100;
        v.expneed = 1000000;
        encounter(beast::goblin, v);
        benchmark::DoNotOptimize(con.take());
        benchmark::DoNotOptimize(v);
    }
    resetconsole();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(GoblinFight);

// A long fight: the ogre, struck for 4 at a time, takes over a hundred passes.
void LongOgreFight(benchmark::State& state) {
    ScriptedConsole con;
    setconsole(con);
    con.settime(ScriptedConsole::timefor(1));
    std::string typed;
    for (int i = 0; i < 104; ++i) typed += "1\n";
    for (auto _ : state) {
        con.type(typed);
        vars v;
        v.hp = v.maxhp = 100000;
        v.vit = 100;
        v.expneed = 1000000;
        encounter(beast::ogre, v);
        benchmark::DoNotOptimize(con.take());
    }
    resetconsole();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(LongOgreFight);

}  // namespace

BENCHMARK_MAIN();
