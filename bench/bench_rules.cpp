// Whole solo games played by the scripted shooter: shot ticks, physics and rules together.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "state/game_state.h"
#include "tools/sim/scenes.h"

namespace velkor {
namespace {

void BM_ScriptedSoloGame(benchmark::State& state) {
  std::uint64_t seed = 0;
  long shots = 0;
  long ticks = 0;
  for (auto _ : state) {
    GameState g;
    std::uint64_t clock = 0x5EEDull * ++seed;
    ClockRandom random([&clock] { return clock += 104729; });
    g.random = &random;
    sim::ScriptedShooter shooter(seed);
    const sim::ScriptedGame game = sim::playScriptedSoloGame(g, shooter, 300);
    benchmark::DoNotOptimize(game);
    shots += game.shots;
    ticks += game.ticks;
  }
  state.SetItemsProcessed(state.iterations());  // games per second
  state.counters["shots/game"] =
      benchmark::Counter(static_cast<double>(shots), benchmark::Counter::kAvgIterations);
  state.counters["ticks/game"] =
      benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ScriptedSoloGame)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velkor
