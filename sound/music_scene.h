// The music scene: which track row the music timer should play.
#pragma once

#include "state/game_state.h"

namespace velkor {

// Remembers the current scene as the previous one, then selects the new one.
void setBgmScene(GameState& g, Integer scene);

}  // namespace velkor
