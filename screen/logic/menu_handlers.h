// Handlers of the menu bar, the title screen and the in-game labels.
#pragma once

#include "engine/game_state.h"

namespace velkor {

void mnuStart_click(GameState& g);

}  // namespace velkor
