// The music track table.
#pragma once

#include "engine/game_state.h"

namespace velkor {

void initBgmTable(GameState& g);

}  // namespace velkor
