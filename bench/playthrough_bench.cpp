// How long the whole game takes to play through the scripted console: a
// strong knight takes the eight quests from the main menu, 94 fights in all,
// and finishes on the score screen.

#include <benchmark/benchmark.h>

#include <string>

#include "character/record.h"
#include "console/scripted.h"
#include "shell/menus.h"
#include "support/knights.h"

namespace emberfell {
namespace {

std::string attacks(int count) {
    std::string typed;
    for (int i = 0; i < count; ++i) typed += "1\n";
    return typed;
}

// Every quest taken from the board, every fight won with one Attack, the
// left-hand path at the fork.
std::string wholegame() {
    std::string typed;
    for (int fights : {10, 24, 5, 8, 8, 15, 8}) typed += "q\ny\n" + attacks(fights);
    return typed + "q\ny\n" + attacks(6) + "1\n" + attacks(10);
}

void WholeGamePlaythrough(benchmark::State& state) {
    const std::string typed = wholegame();
    std::size_t printed = 0;
    for (auto _ : state) {
        ScriptedConsole con(typed);
        setconsole(con);
        vars v = testing::strongknight();
        try {
            mainmenu(v);
        } catch (const ProgramEnd&) {
        }
        printed = con.output().size();
        benchmark::DoNotOptimize(v.kills);
        resetconsole();
    }
    state.counters["printed_bytes"] = static_cast<double>(printed);
}
BENCHMARK(WholeGamePlaythrough)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace emberfell

BENCHMARK_MAIN();
