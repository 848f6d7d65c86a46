// Whether a finished solo game or a match won against the computer enters its top-10
// table, and the sort that puts it in.
#pragma once

#include "state/game_state.h"

namespace velkor {

bool doseLankInSolo(GameState& g);
void sortSoloRecord(GameState& g);
bool doseLankInVSCpu(GameState& g);
void sortVsCPURecord(GameState& g);

}  // namespace velkor
