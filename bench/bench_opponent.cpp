// The computer's shot choice: every chooser its level runs, the power and the aiming error,
// on the rack after a break and on scattered tables at rest.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "opponent/shot_driver.h"
#include "state/game_state.h"
#include "tools/sim/scenes.h"

namespace velkor {
namespace {

// Argument 0: the quib level; argument 1: 0 for the broken rack, else the seed of a scattered
// table. The table is set back before each choice, outside the timing.
void BM_playComputerShot(benchmark::State& state) {
  GameState g;
  SequenceRandom random({0.5});
  g.random = &random;
  g.quibLevel = static_cast<Integer>(state.range(0));
  const auto table = static_cast<std::uint64_t>(state.range(1));
  if (table == 0) {
    sim::brokenRackScene(g, 7);
  } else {
    sim::restingScatterScene(g, table);
  }
  const TablePoint start = g.aimPoint;
  for (auto _ : state) {
    g.aimPoint = start;
    playComputerShot(g);
    benchmark::DoNotOptimize(g.aimPoint);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_playComputerShot)
    ->ArgNames({"level", "table"})
    ->ArgsProduct({{1, 6, 11}, {0, 1, 2, 3}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velkor
