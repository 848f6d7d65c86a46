// The five game modes and the operations that switch between them, with the default players.
#pragma once

#include "state/game_state.h"

namespace velkor {

// A new rack in the mode being played: the Start menu item's work, and what taking back the
// first shot of a rack comes to.
void startNewGame(GameState& g);
void startVsGame(GameState& g);
void returnToMenu(GameState& g);
void startDemo(GameState& g);
void setVsPlayerNames(GameState& g);
void setVsCpuPlayerNames(GameState& g);

// The match set-up window opened and closed at once, for runs without a screen.
// OK: a versus match with the names and games it opened with, player 0 breaking.
void acceptVsSetupDefaults(GameState& g);
// Cancel: solo captions, no computer, and the title menu once startVsGame resumes.
void cancelVsSetup(GameState& g);

}  // namespace velkor
