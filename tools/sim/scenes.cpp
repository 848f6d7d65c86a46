#include "tools/sim/scenes.h"

#include <cmath>
#include <cstddef>

#include "controls/shot_controls.h"
#include "engine/game_modes.h"
#include "engine/physics_step.h"
#include "tools/sim/break_scene.h"
#include "engine/rack.h"
#include "engine/table_model.h"
#include "screen/logic/menu_handlers.h"
#include "screen/logic/shot_controls.h"
#include "screen/logic/timer_handlers.h"
#include "state/random.h"

namespace velkor::sim {

std::uint64_t SceneRandom::next() { return splitmix64(state_); }

double SceneRandom::uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

double SceneRandom::uniform(double lo, double hi) { return lo + (hi - lo) * uniform(); }

void clearTable(GameState& g) {
  for (BallRecord& b : g.balls) {
    b = BallRecord{};
    b.onTable = false;
  }
}

void placeBall(GameState& g, int n, Single x, Single y, Single speed, Single direction,
               Single followSpin, Single sideSpin) {
  BallRecord& b = g.balls[static_cast<std::size_t>(n)];
  b.x = x;
  b.y = y;
  b.speed = speed;
  b.direction = direction;
  b.vx = speed * std::cos(direction);
  b.vy = speed * std::sin(direction);
  b.followSpin = followSpin;
  b.sideSpin = sideSpin;
  b.onTable = true;
}

void resetShotRecord(GameState& g) {
  g.shotPocketed.fill(0);
  g.shotPocketedCount = 0;
  g.firstHit = 0;
  g.firstHitPending = true;
}

void rackScene(GameState& g) {
  initPocketTable(g);
  setUpRack(g);
  resetShotRecord(g);
}

void fullPowerShotScene(GameState& g) {
  rackScene(g);
  const BallRecord& one = g.balls[1];
  const BallRecord& cue = g.balls[0];
  placeBall(g, 0, cue.x, cue.y, 5600, getDirection(cue.x, cue.y, one.x, one.y));
}

namespace {

// Random centres between the cushion lines, no two closer than a diameter (plus a hair,
// so that no pair starts in contact).
void scatterPositions(GameState& g, SceneRandom& r) {
  for (int n = 0; n < 10; ++n) {
    for (;;) {
      const auto x = static_cast<Single>(r.uniform(kCushionLeftX + 1, kCushionRightX - 1));
      const auto y = static_cast<Single>(r.uniform(kCushionBottomY + 1, kCushionTopY - 1));
      bool clear = true;
      for (int m = 0; m < n && clear; ++m) {
        const BallRecord& o = g.balls[static_cast<std::size_t>(m)];
        clear = getDistance({x, y}, {o.x, o.y}) > kBallDiameter + 1;
      }
      if (clear) {
        placeBall(g, n, x, y);
        break;
      }
    }
  }
}

Single randomHeading(SceneRandom& r) { return static_cast<Single>(r.uniform(-kPiD, kPiD)); }

}  // namespace

void scatteredScene(GameState& g, std::uint64_t seed, Single maxSpeed) {
  initPocketTable(g);
  clearTable(g);
  SceneRandom r(seed);
  scatterPositions(g, r);
  for (int n = 0; n < 10; ++n) {
    const BallRecord& b = g.balls[static_cast<std::size_t>(n)];
    placeBall(g, n, b.x, b.y, static_cast<Single>(r.uniform(0, maxSpeed)), randomHeading(r));
  }
  resetShotRecord(g);
}

void randomShotScene(GameState& g, std::uint64_t seed, Single maxSpeed) {
  initPocketTable(g);
  clearTable(g);
  SceneRandom r(seed);
  scatterPositions(g, r);
  const BallRecord& cue = g.balls[0];
  const auto speed = static_cast<Single>(r.uniform(0, maxSpeed));
  const Single heading = randomHeading(r);
  const auto follow = static_cast<Single>(r.uniform(-0.3, 0.3) * speed);
  const auto side = static_cast<Single>(r.uniform(-0.6, 0.6) * speed);
  placeBall(g, 0, cue.x, cue.y, speed, heading, follow, side);
  resetShotRecord(g);
}

int stepUntilRest(GameState& g, int maxTicks) {
  for (int tick = 0; tick < maxTicks; ++tick) {
    if (isAllBallsStopped(g)) return tick;
    stepBalls(g);
  }
  return isAllBallsStopped(g) ? maxTicks : -1;
}

void ScriptedShooter::shoot(GameState& g) {
  if (g.breakPending) {
    const int swings = static_cast<int>(random_.uniform(0, 40));
    for (int i = 0; i < swings; ++i) Timer2_Timer(g);
  }
  setPowerBar(g, static_cast<Integer>(random_.uniform(35, 101)));
  cmdShot_Click(g);
}

ScriptedGame playScriptedSoloGame(GameState& g, ScriptedShooter& shooter, int shotLimit,
                                  const TickCheck& check) {
  // Ten times the longest shot a full-power break can give.
  constexpr int kShotTickLimit = 4000;
  bindTimerHandlers(g);
  initPocketTable(g);
  setSoloMode(g);
  mnuStart_click(g);
  ScriptedGame game;
  while (game.shots < shotLimit) {
    shooter.shoot(g);
    ++game.shots;
    int ticks = 0;
    while (g.Timer1.enabled()) {
      if (ticks == kShotTickLimit) {
        game.stalled = true;
        return game;
      }
      const bool breakBefore = g.breakPending;
      g.Timer1.fire();
      ++ticks;
      if (check) check(g, breakBefore && !g.breakPending);
    }
    game.ticks += ticks;
    // Only a won game racks again, which puts the shot count back to 0.
    if (g.shotCount == 0) {
      game.won = true;
      return game;
    }
  }
  return game;
}

}  // namespace velkor::sim

namespace velkor::sim {

void aimAtLowestBall(GameState& g) {
  const Integer t = getLowestBall(g);
  if (t < 1 || t > 9) return;
  const BallRecord& b = g.balls[static_cast<std::size_t>(t)];
  g.aimPoint = {b.x, b.y};
}

void brokenRackScene(GameState& g, std::uint64_t seed) {
  Random* const own = g.random;
  std::uint64_t clock = seed * 0x9E3779B97F4A7C15ull;
  ClockRandom random([&clock] { return clock += 104729; });
  g.random = &random;
  initPocketTable(g);
  startRack(g);
  SceneRandom r(seed);
  const long swing = static_cast<long>(r.uniform(0, 400));
  for (long i = 0; i < swing; ++i) Timer2_Timer(g);
  saveShotSnapshot(g);
  initShotState(g);
  launchShot(g);
  playBreakToContact(g);
  stepUntilRest(g, 4000);
  g.Timer2.setEnabled(false);
  g.random = own;
  resetShotRecord(g);
  aimAtLowestBall(g);
}

void restingScatterScene(GameState& g, std::uint64_t seed) {
  scatteredScene(g, seed, 0);
  aimAtLowestBall(g);
}

}  // namespace velkor::sim
