// One tick of ball motion: cushion, pocket and ball events found and handled in time order,
// with friction between events.
#pragma once

#include "state/game_state.h"

namespace velkor {

constexpr Single kTick = 0.05f;
constexpr Single kFrictionThreshold = 1680;
constexpr Single kHighDeceleration = static_cast<Single>(1866.6666666666667);
constexpr Single kLowDeceleration = static_cast<Single>(746.6666666666667);
constexpr Single kNoContact = 100;
constexpr Single kCornerMouth = 102;
// A safety net: a real tick needs one pass per event plus one, a few dozen at most.
constexpr int kMaxPassesPerTick = 1000;

// One tick of 0.05 s. Lets pending window events run at the head of every pass; a call made
// from inside them (a second tick while this one runs) returns at once and changes nothing.
void stepBalls(GameState& g);
void moveAllBalls(GameState& g, Single t);
void moveBall(GameState& g, Integer ballNo, Single t);
Single getBallContactTime(const GameState& g, Integer i, Integer j);
Single getCushionContactTime(const GameState& g, Integer ballNo, Integer cushion);
Integer checkPocketAtCushion(GameState& g, Integer ballNo, Integer cushion);

}  // namespace velkor
