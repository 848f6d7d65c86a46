// The music track table.
#pragma once

#include "state/game_state.h"

namespace velkor {

void initBgmTable(GameState& g);

}  // namespace velkor
