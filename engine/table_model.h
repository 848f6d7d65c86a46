// The table model: pocket points, ball-record invariants and the small geometry and
// query helpers that physics, rules, the computer and the screen share.
#pragma once

#include "state/game_state.h"

namespace velkor {

// Cloth and cushion lines for ball centres, in table units.
constexpr Single kTableLength = 2400;
constexpr Single kTableWidth = 1200;
constexpr Single kBallRadius = 50;
constexpr Single kBallDiameter = 100;
constexpr Single kCushionLeftX = 50;
constexpr Single kCushionRightX = 2350;
constexpr Single kCushionTopY = 1150;
constexpr Single kCushionBottomY = 50;

void initPocketTable(GameState& g);

Single getDirection(Single x1, Single y1, Single x2, Single y2);
Single getShotAngle(const GameState& g);
Single getDistance(TablePoint a, TablePoint b);
Single getLength(TablePoint v);
Single getAngleBetween(TablePoint a, TablePoint b);
Integer getBlockingBall(const GameState& g, TablePoint a, TablePoint b, Integer exceptBall);
Integer getLowestBall(const GameState& g);
// True when a ball on the table (the cue ball too) lies less than a diameter from (x, y).
bool isPointOnBall(const GameState& g, Single x, Single y);
bool isAllBallsStopped(const GameState& g);
void stopAllBalls(GameState& g);

// One of the two arguments, unchanged; on a tie, b.
template <typename T>
constexpr T getLarger(T a, T b) {
  return a > b ? a : b;
}
template <typename T>
constexpr T getSmaller(T a, T b) {
  return a < b ? a : b;
}

}  // namespace velkor
