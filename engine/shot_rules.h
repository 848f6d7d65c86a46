// The shot tick and the end-of-shot rules: fouls, ball in hand, re-spotting, turns,
// the won game by mode, take-back and the game clock.
#pragma once

#include <string>

#include "state/game_state.h"

namespace velkor {

constexpr Single kBreakContactX = 1700;

void Timer1_Timer(GameState& g);
// The break shot's tick before the contact: moves the cue ball alone, and plays the contact
// once the cue ball reaches the contact line. True when the contact was played.
bool advanceBreakShot(GameState& g);
void timTimeCounter_Timer(GameState& g);
Integer getTurnPlayerIndex(const GameState& g, Integer turn);
std::string getPlayerName(const GameState& g, Integer turn);
// Names the shooter of that turn on the shot button.
void showShotOwner(GameState& g, Integer turn);
void awardGame(GameState& g, Integer turn);
void respotPocketedBalls(GameState& g);
void takeBackShot(GameState& g);

}  // namespace velkor
