// The shot button. The operations it shares with the rules and the computer's turn (markers,
// shot controls, power bar) stand below the engine in controls/.
#pragma once

#include "controls/shot_controls.h"
#include "state/game_state.h"

namespace velkor {

// The shot button; the computer's turn presses it the same way.
void cmdShot_Click(GameState& g);

}  // namespace velkor
