// The media command channel of the background music.
#pragma once

#include <string>

#include "state/game_state.h"

namespace velkor {

// Sends one media command ("open x", "play x", "close x"); answers and errors are not used,
// so the result is always 0.
Integer sendMci(GameState& g, const std::string& command);

// "close " for each of the five tracks, in row order; closing one that is not open does nothing.
void closeAllTracks(GameState& g);

}  // namespace velkor
