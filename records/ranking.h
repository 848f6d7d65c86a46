// Whether a finished solo game or a match won against the computer enters its top-10
// table, the sort that puts it in, and the save of the table afterwards.
#pragma once

#include "engine/game_state.h"

namespace velkor {

bool doseLankInSolo(GameState& g);
void sortSoloRecord(GameState& g);
bool doseLankInVSCpu(GameState& g);
void sortVsCPURecord(GameState& g);

// Writes the table just sorted to the score file.
void storeSoloRecord(GameState& g);
void storeVsCpuRecord(GameState& g);

}  // namespace velkor
