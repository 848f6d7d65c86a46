// The break as the shot tick plays it, for tests, velkor-sim and velkor-bench.
#pragma once

#include "engine/game_state.h"

namespace velkor::sim {

// From a launched break: moves the cue ball alone, tick by tick, until its x reaches the
// contact line; puts it on the aim point, runs the scripted break and moves every ball once
// through a tick without contact tests. Returns the ticks taken, the contact tick included,
// or -1 when the cue ball has not reached the line after maxTicks.
int playBreakToContact(GameState& g, int maxTicks = 100);

}  // namespace velkor::sim
