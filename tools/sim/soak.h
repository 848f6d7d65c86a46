// The soak: scripted solo games played whole, with the ball records checked after every tick
// of the shot timer. The tests and velkor-sim's `soak` command play the same games.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "state/game_state.h"

namespace velkor::sim {

// A game that has not been won after this many shots is given up (it is not a failure).
constexpr int kSoakShotLimit = 300;

// What must hold of the ball records after a tick; empty when all is well.
// breakTick: the tick of the break contact, whose untested step may carry a ball past a
// cushion line for one tick.
std::string checkBallRecords(const GameState& g, bool breakTick);

struct SoakGame {
  bool won = false;
  bool stalled = false;  // a shot did not come to rest
  int shots = 0;
  long tick = 0;          // ticks played, or the tick of the first failure
  std::string failure;    // the first broken invariant, empty when none
};

// Plays soak game number `game`: its clock-seeded random generator and its shooter are
// derived from the number alone, so a game plays the same on every run. Stops at the first
// broken invariant.
SoakGame playSoakGame(std::uint64_t game);

struct SoakTotals {
  std::uint64_t games = 0;
  std::uint64_t won = 0;
  std::uint64_t failures = 0;
  std::uint64_t stalls = 0;
};

// Games first .. first + count - 1; onFailure (when set) hears of each failed or stalled game.
SoakTotals soak(std::uint64_t first, std::uint64_t count,
                const std::function<void(std::uint64_t, const SoakGame&)>& onFailure = {});

}  // namespace velkor::sim
