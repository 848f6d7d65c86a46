// The computer's level and its progress toward the next one, updated after every
// decided match against it and kept in the score file.
#pragma once

#include "state/game_state.h"

namespace velkor {

void loadQuibLevel(GameState& g);
// The update at the end of a match against the computer; humanWon: player 0 won it.
void updateQuibLevel(GameState& g, bool humanWon);
void saveQuibLevel(GameState& g);

}  // namespace velkor
