// The game's own modal message box.
#pragma once

#include <string>

#include "engine/game_state.h"

namespace velkor {

// Sizes the box to the text, centres it on the main window and shows it; returns when closed.
void showMessage(GameState& g, const std::string& text);

}  // namespace velkor
