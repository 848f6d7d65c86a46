// The computer's shot: the choosers run in an order set by its level, then the power,
// the aiming error and the aim marker follow from the plan they leave.
#pragma once

#include "state/game_state.h"

namespace velkor {

void playComputerShot(GameState& g);
// The chance of an aiming error at a level.
Single getAimErrorRate(Integer level);

}  // namespace velkor
