// Binds each of the main window's timers to the game's handler for its tick.
#pragma once

#include "state/game_state.h"

namespace velkor {

// Called once when the main window is set up; every handler captures g.
void bindTimerHandlers(GameState& g);

}  // namespace velkor
