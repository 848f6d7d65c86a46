// The computer's stored level and progress.
#pragma once

#include "engine/game_state.h"

namespace velkor {

void loadQuibLevel(GameState& g);

}  // namespace velkor
