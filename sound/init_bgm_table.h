// The music track table: one row per screen that has a track of its own.
#pragma once

#include <string>

#include "state/game_state.h"

namespace velkor {

inline const char* const kBgmCredit = "Tiru";
constexpr Long kTrackSeconds = 30;

// Fills the table (credit in every row, the five tracks in rows 0..4), selects the title
// screen's track and marks that nothing has been started yet.
void initBgmTable(GameState& g);

// The window caption while track row plays.
std::string bgmCaption(const TrackRecord& row);

}  // namespace velkor
