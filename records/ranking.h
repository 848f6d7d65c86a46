// Whether a finished solo game or a match won against the computer enters its top-10
// table, and the sort that puts it in. The candidate is built in row 11; after a sort the
// row whose Index is 11 is the new entry.
#pragma once

#include <string>

#include "state/game_state.h"

namespace velkor {

// Today's date as "yy/mm/dd": g.todayOverride when set, else the local date of the clock.
std::string todayText(const GameState& g);

// Strict orders: false for two records equal in every field that the order looks at.
bool isBetterSolo(const SoloRecord& a, const SoloRecord& b);
bool isBetterVsCpu(const VsCpuRecord& a, const VsCpuRecord& b);

// Row 11 from the game state as it stands.
void buildSoloCandidate(GameState& g);
void buildVsCpuCandidate(GameState& g);

bool doseLankInSolo(GameState& g);
void sortSoloRecord(GameState& g);
// False at once, row 11 untouched, unless player 0 won more games than player 1.
bool doseLankInVSCpu(GameState& g);
void sortVsCPURecord(GameState& g);

}  // namespace velkor
