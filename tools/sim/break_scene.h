// The break as the shot tick plays it, for tests, velkor-sim and velkor-bench.
#pragma once

#include "state/game_state.h"

namespace velkor::sim {

// From a launched break, the shot tick's break ticks: the cue ball alone, tick by tick,
// until it reaches the contact line (at once when it starts beyond it); then the contact,
// with the scripted break, its sound and every ball moved once through a tick without
// contact tests. Returns the ticks taken, the contact tick included, or -1 when the cue
// ball has not reached the line after maxTicks.
int playBreakToContact(GameState& g, int maxTicks = 100);

}  // namespace velkor::sim
