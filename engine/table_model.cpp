#include "engine/table_model.h"

#include <cmath>

namespace velkor {

void initPocketTable(GameState& g) {
  const Single mid = static_cast<Single>(static_cast<int>(kTableLength) / 2);
  g.pocketPoints[1] = {50, 1150};
  g.pocketPoints[2] = {mid, 1150};
  g.pocketPoints[3] = {2350, 1150};
  g.pocketPoints[4] = {50, 50};
  g.pocketPoints[5] = {mid, 50};
  g.pocketPoints[6] = {2350, 50};
}

Single getDirection(Single x1, Single y1, Single x2, Single y2) {
  const Single dx = x2 - x1;
  const Single dy = y2 - y1;
  if (dx == 0 && dy > 0) return static_cast<Single>(kPiD / 2);
  if (dx == 0 && dy < 0) return static_cast<Single>(-kPiD / 2);
  const double slope = dx != 0 ? static_cast<double>(dy / dx) : 0.0;
  if (dx < 0 && dy > 0) return static_cast<Single>(std::atan(slope) + kPiD);
  if (dx < 0 && dy < 0) return static_cast<Single>(std::atan(slope) - kPiD);
  if (dx == 0 && dy == 0) return 0;
  if (dx < 0 && dy == 0) return static_cast<Single>(kPiD);
  return static_cast<Single>(std::atan(slope));
}

Single getShotAngle(const GameState& g) {
  return getDirection(g.balls[0].x, g.balls[0].y, g.aimPoint.x, g.aimPoint.y);
}

Single getDistance(TablePoint a, TablePoint b) {
  const Single dy = b.y - a.y;
  const Single dx = b.x - a.x;
  return std::sqrt(dy * dy + dx * dx);
}

Single getLength(TablePoint v) { return std::sqrt(v.y * v.y + v.x * v.x); }

Single getAngleBetween(TablePoint a, TablePoint b) {
  const Single la = getLength(a);
  const Single lb = getLength(b);
  if (la == 0 || lb == 0) return 0;
  Single c = (a.x * b.x + a.y * b.y) / (lb * la);
  c = getLarger(getSmaller(c, 1.0f), -1.0f);
  if (c == 0) return kPi / 2;
  const Single r = std::atan(std::sqrt(1 - c * c) / c);
  return c > 0 ? r : r + kPi;
}

Integer getBlockingBall(const GameState& g, TablePoint a, TablePoint b, Integer exceptBall) {
  const TablePoint d{b.x - a.x, b.y - a.y};
  const Single len = getLength(d);
  if (len == 0) return 0;
  for (Integer i = 1; i <= 9; ++i) {
    const BallRecord& ball = g.balls[static_cast<std::size_t>(i)];
    if (!ball.onTable || i == exceptBall) continue;
    const TablePoint p{ball.x - a.x, ball.y - a.y};
    const Single dist = getLength(p);
    if (dist == 0) return i;
    Single c = (p.x * d.x + p.y * d.y) / (dist * len);
    c = getLarger(getSmaller(c, 1.0f), -1.0f);
    const Single along = c * dist;
    const Single perp = std::sqrt(1 - c * c) * dist;
    if (c > 0 && along < len && perp < kBallDiameter) return i;
  }
  return 0;
}

Integer getLowestBall(const GameState& g) {
  for (Integer i = 1; i <= 9; ++i) {
    if (g.balls[static_cast<std::size_t>(i)].onTable) return i;
  }
  return 0;
}

bool isPointOnBall(const GameState& g, Single x, Single y) {
  for (const BallRecord& ball : g.balls) {
    if (!ball.onTable) continue;
    const Single dx = ball.x - x;
    const Single dy = ball.y - y;
    if (dx * dx + dy * dy < kBallDiameter * kBallDiameter) return true;
  }
  return false;
}

bool isAllBallsStopped(const GameState& g) {
  int stopped = 0;
  for (const BallRecord& b : g.balls) {
    if (b.speed <= 0) ++stopped;
  }
  return stopped == 10;
}

void stopAllBalls(GameState& g) {
  for (BallRecord& b : g.balls) {
    b.speed = 0;
    b.followSpin = 0;
    b.sideSpin = 0;
  }
}

}  // namespace velkor
