// The player's hand on the table and on the cue-ball picture: picking up and placing the
// cue ball, setting the aim point, ending the demonstration, and choosing the spin.
// Mouse positions are pixels of the picture that received the event; button is 0 when no
// button is held (moves) or named (releases).
#pragma once

#include "state/game_state.h"

namespace velkor {

// The cue ball may be picked up and placed only before the break or with ball in hand.
bool mayPlaceCueBall(const GameState& g);
// True when pixel (px, py) of the table picture lies on the cue ball; the point is not clamped.
bool isOnCueBall(const GameState& g, Single px, Single py);

void picPool_MouseDown(GameState& g, Integer button, Single x, Single y);
void picPool_MouseMove(GameState& g, Integer button, Single x, Single y);
void picPool_MouseUp(GameState& g, Integer button, Single x, Single y);
void picPool_Click(GameState& g);

// Sets the cue ball's follow and side spin from a press on the cue-ball picture.
void picSetPoint_MouseDown(GameState& g, Integer button, Single x, Single y);

}  // namespace velkor
