// The two top-10 tables in the score file VKSCORE.INI: section SOLO and section VSCPU, one key
// per field and row ("Shots01" .. "Date10"). Missing keys read as the default rows that rank
// after every real result. Each table is saved in one crash-safe write, so a save that is cut
// short leaves the whole old table or the whole new one.
#pragma once

#include <string>
#include <string_view>

#include "state/game_state.h"

namespace velkor {

// The score file's path: getWinDir followed by "VKSCORE.INI".
std::string scoreFilePath(const GameState& g);

// Fill rows 1..10 from the file; rows 0 and 11 are left alone. Stored numbers outside the
// 16-bit range are clamped.
void loadSoloRecord(GameState& g);
void loadVsCpuRecord(GameState& g);
// Write rows 1..10; a failed write leaves the file and the tables as they were.
void saveSoloRecord(GameState& g);
void saveVsCpuRecord(GameState& g);

// A solo row's Balls text: position k holds k when ball k is pocketed, '0' while it is on the table.
std::string getPocketedBalls(const GameState& g);
// How many of the Balls text's nine positions are not '0'.
Integer getNumOfBallFromBalls(std::string_view strBalls);

}  // namespace velkor
