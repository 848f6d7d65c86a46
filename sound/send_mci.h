// The media command channel of the background music.
#pragma once

#include <string>

#include "state/game_state.h"

namespace velkor {

// Sends one media command ("open x", "play x", "close x"); answers and errors are not used.
void sendMci(GameState& g, const std::string& command);

}  // namespace velkor
