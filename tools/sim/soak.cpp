#include "tools/sim/soak.h"

#include <algorithm>
#include <cmath>

#include "engine/table_model.h"
#include "state/random.h"
#include "tools/sim/scenes.h"

namespace velkor::sim {

std::string checkBallRecords(const GameState& g, bool breakTick) {
  const bool running = g.Timer1.enabled();
  for (int i = 0; i <= 9; ++i) {
    const BallRecord& b = g.balls[static_cast<std::size_t>(i)];
    const std::string ball = "ball " + std::to_string(i) + ": ";
    for (Single v : {b.x, b.y, b.vx, b.vy, b.speed, b.direction, b.followSpin, b.sideSpin}) {
      if (!std::isfinite(v)) return ball + "not a finite number";
    }
    if (!b.onTable && b.speed != 0) return ball + "pocketed but moving";
    if (!running && b.speed != 0) return ball + "moving after the shot";
    // A resting ball's velocity is what the next shot's contact times see.
    if (!running && (b.vx != 0 || b.vy != 0)) return ball + "at rest with a velocity";
    if (!running || breakTick || !b.onTable) continue;
    if (b.x < kCushionLeftX || b.x > kCushionRightX || b.y < kCushionBottomY ||
        b.y > kCushionTopY) {
      return ball + "centre beyond a cushion line";
    }
    const Single tol = 1e-3f * std::max(Single{1}, std::fabs(b.speed));
    if (std::fabs(b.vx - b.speed * std::cos(b.direction)) > tol ||
        std::fabs(b.vy - b.speed * std::sin(b.direction)) > tol) {
      return ball + "velocity out of step with speed and direction";
    }
  }
  return {};
}

SoakGame playSoakGame(std::uint64_t game) {
  GameState g;
  std::uint64_t clock = 0x5EEDull * (game + 1);
  ClockRandom random([&clock] { return clock += 104729; });
  g.random = &random;
  ScriptedShooter shooter(game);
  SoakGame result;
  long tick = 0;
  const ScriptedGame played =
      playScriptedSoloGame(g, shooter, kSoakShotLimit, [&](const GameState& s, bool breakTick) {
        ++tick;
        if (result.failure.empty()) {
          result.failure = checkBallRecords(s, breakTick);
          if (!result.failure.empty()) result.tick = tick;
        }
      });
  if (result.failure.empty()) result.tick = tick;
  result.won = played.won;
  result.stalled = played.stalled;
  result.shots = played.shots;
  return result;
}

SoakTotals soak(std::uint64_t first, std::uint64_t count,
                const std::function<void(std::uint64_t, const SoakGame&)>& onFailure) {
  SoakTotals totals;
  for (std::uint64_t n = first; n < first + count; ++n) {
    const SoakGame game = playSoakGame(n);
    ++totals.games;
    if (game.won) ++totals.won;
    if (!game.failure.empty()) ++totals.failures;
    if (game.stalled) ++totals.stalls;
    if (onFailure && (!game.failure.empty() || game.stalled)) onFailure(n, game);
  }
  return totals;
}

}  // namespace velkor::sim
