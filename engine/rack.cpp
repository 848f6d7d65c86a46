#include "engine/rack.h"

#include <cmath>

namespace velkor {

std::array<TablePoint, 10> rackPositions() {
  // s: the distance between the columns of the diamond.
  const Single s = std::sqrt(3.0f) * 100 / 2;
  const Single front = 1800 - 100.0f / 10;
  std::array<TablePoint, 10> p{};
  p[0] = {600, 600};
  p[1] = {front, 600};
  p[6] = {front + s - 2, 600 - 50 - 100.0f / 50};
  p[5] = {front + s - 2, 600 + 50 + 100.0f / 50};
  p[2] = {front + 2 * s, 500};
  p[9] = {front + 2 * s, 600};
  p[4] = {front + 2 * s, 700};
  p[7] = {front + 3 * s, 550};
  p[8] = {front + 3 * s, 650};
  p[3] = {front + 4 * s, 600};
  return p;
}

void setUpRack(GameState& g) {
  const std::array<TablePoint, 10> p = rackPositions();
  for (std::size_t i = 0; i < 10; ++i) {
    BallRecord& b = g.balls[i];
    b.x = p[i].x;
    b.y = p[i].y;
    b.speed = b.vx = b.vy = b.direction = b.followSpin = b.sideSpin = 0;
    b.onTable = true;
  }
  g.aimPoint = {1790, 600};
}

}  // namespace velkor
