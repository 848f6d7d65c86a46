// Demonstration racks played to their end on a virtual clock, with a tally of the computer's
// shots: velkor-sim's strength measurement and the demonstration soak share them.
#pragma once

#include <cstdint>
#include <functional>

#include "state/game_state.h"
#include "tools/sim/scenes.h"

namespace velkor::sim {

// The game's random port over a seeded splitmix64, so a measurement can be repeated.
class SeededRandom : public Random {
 public:
  explicit SeededRandom(std::uint64_t seed) : random_(seed) {}
  double draw() override { return random_.uniform(); }

 private:
  SceneRandom random_;
};

// Attaches the game's five paced timers (shot tick, swing, computer turn, game clock, title
// timer) to a virtual clock, and detaches them again when it goes.
class GameClock {
 public:
  explicit GameClock(GameState& g);
  ~GameClock();
  GameClock(const GameClock&) = delete;
  GameClock& operator=(const GameClock&) = delete;
  VirtualClock& clock() { return clock_; }

 private:
  GameState& g_;
  VirtualClock clock_;
};

// Over the racks played to their 9-ball. A rack still going after shotLimit shots is cut off
// and left out; most such racks repeat one foul from one table for ever (the same ball-in-hand
// spot, the same choice, the cue ball lost the same way), which `repeating` counts.
struct DemoTally {
  long pots = 0;  // balls pocketed on legal shots
  long fouls = 0;
  long shots = 0;
  long racks = 0;       // racks played to the 9-ball
  long unfinished = 0;  // racks cut off at the shot limit
  long repeating = 0;   // of those, the ones whose last half started from one table
};

// Called before every timer tick of a demonstration.
using DemoCheck = std::function<void(const GameState&)>;

// Plays demonstration games at the level until `racks` of them have returned to the title
// menu (at most twice as many tried); a rack that takes more than shotLimit shots is ended with
// a click on the table.
// g needs its ports set and its timer handlers bound.
DemoTally playDemoRacks(GameState& g, Integer level, long racks, int shotLimit,
                        const DemoCheck& check = {});

}  // namespace velkor::sim
