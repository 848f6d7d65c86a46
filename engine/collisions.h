// Contact response: ball against ball (equal masses, no loss, plus spin effects) and
// ball against cushion (mirror rebound plus a side-spin push).
#pragma once

#include "state/game_state.h"

namespace velkor {

constexpr Single kSideSpinTransfer = 0.3f;

void collideBalls(GameState& g, Integer ballA, Integer ballB);
void bounceOffCushion(GameState& g, Integer ballNo, Integer cushion);

}  // namespace velkor
