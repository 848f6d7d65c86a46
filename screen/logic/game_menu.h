// The in-game labels above the table ("Menu", "Start", "Back"), shown by game mode.
#pragma once

#include "state/game_state.h"

namespace velkor {

void changGameMenu(GameState& g);

}  // namespace velkor
