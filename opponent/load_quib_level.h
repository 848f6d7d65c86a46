// The computer's stored level and progress.
#pragma once

#include "state/game_state.h"

namespace velkor {

void loadQuibLevel(GameState& g);

}  // namespace velkor
