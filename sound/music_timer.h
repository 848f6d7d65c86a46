// The music timer: plays the track of the current scene and restarts it when its time is up.
#pragma once

#include "state/game_state.h"

namespace velkor {

// Opens and plays track row and names it in the window caption (even when it fails to open).
void startTrack(GameState& g, Integer row);

// One tick of timBGM.
void timBGM_Timer(GameState& g);

}  // namespace velkor
