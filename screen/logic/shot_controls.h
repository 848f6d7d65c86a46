// The shot button. Its work, startShot, stands in engine/ so that the computer's turn presses
// it the same way; the operations it shares with the rules (markers, shot controls, power bar)
// stand below the engine in controls/.
#pragma once

#include "controls/shot_controls.h"
#include "state/game_state.h"

namespace velkor {

void cmdShot_Click(GameState& g);

}  // namespace velkor
