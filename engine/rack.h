// Racking, the break-aim swing, the shot launch and the shot button's press, the per-shot
// reset, the take-back snapshot and the scripted break.
#pragma once

#include <array>

#include "state/game_state.h"

namespace velkor {

// Rack positions of balls 0..9.
std::array<TablePoint, 10> rackPositions();

void setUpRack(GameState& g);
void startRack(GameState& g);
// Ends a shot that is still running: the shot timer stops and the shot's record is dropped,
// so nothing judges it. Anything that racks anew or leaves the game calls it first.
void endRunningShot(GameState& g);
void Timer2_Timer(GameState& g);
void launchShot(GameState& g);
void initShotState(GameState& g);
void saveShotSnapshot(GameState& g);
// The shot button's press, a player's or the computer's: the take-back snapshot, the shot's
// reset and launch, then the running shot's controls and timers, and the shot counted.
void startShot(GameState& g);
void scatterRackOnBreak(GameState& g);

}  // namespace velkor
