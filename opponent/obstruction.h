// Obstruction and bank geometry for the computer's shot planning and ball placement.
// Flags follow the game's convention in the results: true = blocked / occupied / inside.
#pragma once

#include <algorithm>

#include "state/game_state.h"
#include "engine/table_model.h"

namespace velkor {

bool isPathBlocked(const GameState& g, TablePoint a, TablePoint b);
bool isPathBlockedExcept(const GameState& g, TablePoint a, TablePoint b, Integer exceptBall);
bool isBankPathBlocked(const GameState& g, TablePoint a, TablePoint b, TablePoint& p,
                       Integer cushion, Integer exceptBall);
bool isPointOnOtherObjectBall(const GameState& g, Single x, Single y, Integer skip);
bool checkAngleAndZone(TablePoint p, Single angle);
bool isInTable(Single x, Single y);
Integer getCushionTowards(TablePoint a, TablePoint b);
void setBankPockets(GameState& g, Integer cushion);

// The computer's names for the table model's getLarger and getSmaller.
template <typename T>
constexpr T getMax(T a, T b) {
  return getLarger(a, b);
}
template <typename T>
constexpr T getMin(T a, T b) {
  return getSmaller(a, b);
}
template <typename T>
constexpr T limitRange(T x, T lo, T hi) {
  return getMax(getMin(x, hi), lo);
}

}  // namespace velkor
