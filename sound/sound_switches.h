// The sound and music switches: the menu item and the two picture pairs of the title screen.
#pragma once

#include "state/game_state.h"

namespace velkor {

void mnuSound_Click(GameState& g);
void picSound_Click(GameState& g, Integer index);
void picBGM_Click(GameState& g, Integer index);

}  // namespace velkor
