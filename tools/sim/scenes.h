// Ready-made tables for the tests, velkor-sim and velkor-bench: the rack, a full-power
// shot into it, and deterministic scattered tables of moving balls.
#pragma once

#include <cstdint>
#include <functional>

#include "state/game_state.h"

namespace velkor::sim {

// A small deterministic generator (splitmix64), the same on every platform and library.
class SceneRandom {
 public:
  explicit SceneRandom(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next();
  double uniform();                       // [0, 1)
  double uniform(double lo, double hi);  // [lo, hi)

 private:
  std::uint64_t state_;
};

// Every ball off the table and at rest, with no spin.
void clearTable(GameState& g);

// Puts ball n on the table at (x, y) moving at speed along direction, vx and vy derived.
void placeBall(GameState& g, int n, Single x, Single y, Single speed = 0, Single direction = 0,
               Single followSpin = 0, Single sideSpin = 0);

// A new shot: nothing pocketed yet and the first contact still to come.
void resetShotRecord(GameState& g);

// The racked table at rest, pockets filled, a new shot.
void rackScene(GameState& g);

// The rack with the cue ball sent at full power (5600) straight at the 1-ball, no spin.
// The physics alone plays it out; the scripted break is not used.
void fullPowerShotScene(GameState& g);

// All ten balls at random places between the cushion lines without touching, each
// moving at a random speed up to maxSpeed in a random direction, without spin.
void scatteredScene(GameState& g, std::uint64_t seed, Single maxSpeed = 5600);

// Ten balls at random places without touching, all at rest but the cue ball, which gets a
// random speed up to maxSpeed, a random heading and random follow and side spin in the
// ranges a launch gives (follow up to 0.3 and side up to 0.6 times its speed).
void randomShotScene(GameState& g, std::uint64_t seed, Single maxSpeed = 6720);

// Steps until every ball rests; the number of ticks taken, or -1 after maxTicks.
int stepUntilRest(GameState& g, int maxTicks);

// The computer's turn as it reaches the shot choice: the aim point on the centre of the lowest
// ball on the table.
void aimAtLowestBall(GameState& g);

// The rack broken at full power along the aim that the swing of a given seed gives, the
// scripted break drawing from a generator of that seed, played to rest; nothing re-spotted.
// Aimed at the lowest ball. g.random is left as it was.
void brokenRackScene(GameState& g, std::uint64_t seed);

// Ten balls at random places at rest, aimed at the lowest ball: a table for the computer.
void restingScatterScene(GameState& g, std::uint64_t seed);

// A simple solo player for soak tests and benchmarks: before the break it lets the aim
// swing a random number of steps; every shot keeps the aim the rules set (full on the
// lowest ball) and takes a random power.
class ScriptedShooter {
 public:
  explicit ScriptedShooter(std::uint64_t seed) : random_(seed) {}
  // Sets the aim and power and presses the shot button.
  void shoot(GameState& g);

 private:
  SceneRandom random_;
};

struct ScriptedGame {
  bool won = false;      // the 9-ball went down legally and a new rack stands
  bool stalled = false;  // a shot did not come to rest within the tick limit
  int shots = 0;
  long ticks = 0;
};

// Called after every tick of the shot timer; breakTick: the tick of the break contact.
using TickCheck = std::function<void(const GameState&, bool breakTick)>;

// Plays a solo game on a new rack until it is won or shotLimit shots have been played.
// g needs its ports set; the game's own random generator plays the break.
ScriptedGame playScriptedSoloGame(GameState& g, ScriptedShooter& shooter, int shotLimit,
                                  const TickCheck& check = {});

}  // namespace velkor::sim
