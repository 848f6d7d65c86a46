// The colour-depth switch of the title screen: the pictures used from the next start.
#pragma once

#include "state/game_state.h"

namespace velkor {

// Index 0 selects the 256-colour files, any other index the built-in pictures.
void picColor_Click(GameState& g, Integer index);

}  // namespace velkor
