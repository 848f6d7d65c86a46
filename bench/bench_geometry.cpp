// The computer's obstruction tests over a whole table: every ghost point and pocket pair.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "engine/table_model.h"
#include "opponent/obstruction.h"
#include "tools/sim/scenes.h"

namespace velkor {
namespace {

struct Leg {
  TablePoint from, to;
  Integer ball;
};

// From the cue ball to the ghost point of each object ball for each pocket, and on from
// that ball to the pocket: what a shot chooser asks for one full look at the table.
std::vector<Leg> ghostLegs(const GameState& g) {
  std::vector<Leg> legs;
  const TablePoint cue{g.balls[0].x, g.balls[0].y};
  for (Integer i = 1; i <= 9; ++i) {
    const BallRecord& b = g.balls[static_cast<std::size_t>(i)];
    for (int k = 1; k <= 6; ++k) {
      const TablePoint pocket = g.pocketPoints[static_cast<std::size_t>(k)];
      const Single d = getDistance({b.x, b.y}, pocket);
      const TablePoint ghost{b.x - 100 * (pocket.x - b.x) / d, b.y - 100 * (pocket.y - b.y) / d};
      legs.push_back({cue, ghost, i});
      legs.push_back({{b.x, b.y}, pocket, i});
    }
  }
  return legs;
}

// Argument 0: the racked table; 1 and up: a scattered table of that seed.
void prepare(GameState& g, std::int64_t table) {
  if (table == 0) {
    sim::rackScene(g);
  } else {
    sim::scatteredScene(g, static_cast<std::uint64_t>(table));
  }
}

void BM_isPathBlocked_GhostPointsAndPockets(benchmark::State& state) {
  GameState g;
  prepare(g, state.range(0));
  const std::vector<Leg> legs = ghostLegs(g);
  for (auto _ : state) {
    int blocked = 0;
    for (const Leg& l : legs) blocked += isPathBlocked(g, l.from, l.to);
    benchmark::DoNotOptimize(blocked);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(legs.size()));
}
BENCHMARK(BM_isPathBlocked_GhostPointsAndPockets)->Arg(0)->Arg(1);

void BM_isPathBlockedExcept_GhostPointsAndPockets(benchmark::State& state) {
  GameState g;
  prepare(g, state.range(0));
  const std::vector<Leg> legs = ghostLegs(g);
  for (auto _ : state) {
    int blocked = 0;
    for (const Leg& l : legs) blocked += isPathBlockedExcept(g, l.from, l.to, l.ball);
    benchmark::DoNotOptimize(blocked);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(legs.size()));
}
BENCHMARK(BM_isPathBlockedExcept_GhostPointsAndPockets)->Arg(0)->Arg(1);

}  // namespace
}  // namespace velkor
