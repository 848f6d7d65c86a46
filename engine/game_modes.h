// The five game modes and the operations that switch between them, with the default players.
#pragma once

#include <string_view>

#include "state/game_state.h"

namespace velkor {

void setSoloMode(GameState& g);
void startVsGame(GameState& g);
void returnToMenu(GameState& g);
void startDemo(GameState& g);
void setVsPlayerNames(GameState& g);
void setVsCpuPlayerNames(GameState& g);

// Stores a name at the players' fixed width of 12 characters.
void setPlayerName(GameState& g, int player, std::string_view name);

// The match set-up window opened and closed at once, for runs without a screen.
// OK: a versus match with the names and games it opened with, player 0 breaking.
void acceptVsSetupDefaults(GameState& g);
// Cancel: solo captions, no computer, and the title menu once startVsGame resumes.
void cancelVsSetup(GameState& g);

}  // namespace velkor
