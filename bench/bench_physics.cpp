// The physics hot paths: one tick on a busy table, and a whole shot into the rack to rest.
#include <benchmark/benchmark.h>

#include <vector>

#include "engine/physics_step.h"
#include "engine/table_model.h"
#include "tools/sim/scenes.h"

namespace velkor {
namespace {

using Table = std::array<BallRecord, 10>;

void setRates(benchmark::State& state, double ticks) {
  // Simulated seconds per wall-clock second, and wall-clock seconds per tick.
  state.counters["realtime_factor"] = benchmark::Counter(ticks * kTick, benchmark::Counter::kIsRate);
  state.counters["seconds_per_tick"] =
      benchmark::Counter(ticks, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Each iteration restores one of the prepared tables and steps it once.
void runTicks(benchmark::State& state, const std::vector<Table>& tables) {
  GameState g;
  initPocketTable(g);
  std::size_t next = 0;
  for (auto _ : state) {
    g.balls = tables[next];
    next = next + 1 == tables.size() ? 0 : next + 1;
    stepBalls(g);
    benchmark::DoNotOptimize(g.balls);
  }
  setRates(state, static_cast<double>(state.iterations()));
}

// Ten balls at random places, all moving at random speeds up to full power.
void BM_TickScatteredTable(benchmark::State& state) {
  std::vector<Table> tables;
  for (std::uint64_t seed = 1; seed <= 64; ++seed) {
    GameState g;
    sim::scatteredScene(g, seed);
    tables.push_back(g.balls);
  }
  runTicks(state, tables);
}
BENCHMARK(BM_TickScatteredTable)->UseRealTime();

// The ticks just after a full-power hit into the rack: the rack breaking up, the busiest
// ticks a shot has.
void BM_TickBreakingRack(benchmark::State& state) {
  GameState g;
  sim::fullPowerShotScene(g);
  while (g.balls[1].speed <= 0) stepBalls(g);
  std::vector<Table> tables;
  for (int t = 0; t < 8; ++t) {
    tables.push_back(g.balls);
    stepBalls(g);
  }
  runTicks(state, tables);
}
BENCHMARK(BM_TickBreakingRack)->UseRealTime();

// The cue ball at full power into the rack, stepped until every ball rests.
void BM_ShotToRest(benchmark::State& state) {
  GameState g;
  double ticks = 0;
  for (auto _ : state) {
    sim::fullPowerShotScene(g);
    ticks += sim::stepUntilRest(g, 1000);
    benchmark::DoNotOptimize(g.balls);
  }
  state.counters["ticks_per_shot"] = benchmark::Counter(ticks, benchmark::Counter::kAvgIterations);
  setRates(state, ticks);
}
BENCHMARK(BM_ShotToRest)->UseRealTime();

// A spread of random shots with spin among resting balls, each to rest.
void BM_RandomShotsToRest(benchmark::State& state) {
  std::vector<Table> tables;
  for (std::uint64_t seed = 1; seed <= 64; ++seed) {
    GameState g;
    sim::randomShotScene(g, seed);
    tables.push_back(g.balls);
  }
  GameState g;
  initPocketTable(g);
  std::size_t next = 0;
  double ticks = 0;
  for (auto _ : state) {
    g.balls = tables[next];
    next = next + 1 == tables.size() ? 0 : next + 1;
    ticks += sim::stepUntilRest(g, 1000);
    benchmark::DoNotOptimize(g.balls);
  }
  state.counters["ticks_per_shot"] = benchmark::Counter(ticks, benchmark::Counter::kAvgIterations);
  setRates(state, ticks);
}
BENCHMARK(BM_RandomShotsToRest)->UseRealTime();

}  // namespace
}  // namespace velkor
