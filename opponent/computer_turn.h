// The computer's turn, paced over 22 ticks of timCom: a remark, the cue ball placed when it
// has ball in hand, the shot chosen, and the shot button pressed as a player would.
#pragma once

#include "state/game_state.h"

namespace velkor {

// Ticks of timCom in one turn; the last one presses the shot button.
constexpr Integer kComTurnTicks = 22;

void timCom_Timer(GameState& g);

// Puts the cue ball two diameters behind the lowest ball on the line from the nearest pocket
// when the computer has ball in hand, and aims at that ball's centre.
void placeCueBallForCpu(GameState& g);

}  // namespace velkor
