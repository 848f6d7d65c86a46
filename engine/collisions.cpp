#include "engine/collisions.h"

#include <cmath>
#include <cstddef>

#include "engine/table_model.h"

namespace velkor {

namespace {

void deriveSpeedAndDirection(BallRecord& b) {
  b.speed = std::sqrt(b.vx * b.vx + b.vy * b.vy);
  b.direction = getDirection(0, 0, b.vx, b.vy);
}

}  // namespace

void collideBalls(GameState& g, Integer ballA, Integer ballB) {
  BallRecord& a = g.balls[static_cast<std::size_t>(ballA)];
  BallRecord& b = g.balls[static_cast<std::size_t>(ballB)];
  const Single theta = getDirection(a.x, a.y, b.x, b.y);
  const Single c = std::cos(theta);
  const Single s = std::sin(theta);

  const Single uA = a.vx * c + a.vy * s;
  const Single wA = -a.vx * s + a.vy * c;
  const Single uB = b.vx * c + b.vy * s;
  const Single wB = -b.vx * s + b.vy * c;

  // Equal masses: the along components change places, the cross components stay.
  a.vx = uB * c + wA * -s;
  a.vy = uB * s + wA * c;
  b.vx = uA * c + wB * -s;
  b.vy = uA * s + wB * c;

  // Top or back spin drives each ball along (or back against) its heading before the contact.
  a.vx += a.followSpin * std::cos(a.direction);
  a.vy += a.followSpin * std::sin(a.direction);
  b.vx += b.followSpin * std::cos(b.direction);
  b.vy += b.followSpin * std::sin(b.direction);

  // Side spin throws the balls apart across the line of centres.
  const Single k = kSideSpinTransfer * (b.sideSpin - a.sideSpin) / 2;
  a.vx += k * -s;
  a.vy += k * c;
  b.vx -= k * -s;
  b.vy -= k * c;

  deriveSpeedAndDirection(a);
  deriveSpeedAndDirection(b);
  a.followSpin = a.sideSpin = 0;
  b.followSpin = b.sideSpin = 0;

  const Single rx = b.vx - a.vx;
  const Single ry = b.vy - a.vy;
  g.sound->playHitSound(std::sqrt(rx * rx + ry * ry));
}

void bounceOffCushion(GameState& g, Integer ballNo, Integer cushion) {
  BallRecord& b = g.balls[static_cast<std::size_t>(ballNo)];
  // The push is the cushion's inward normal turned a quarter turn counter-clockwise.
  Single px = 0;
  Single py = 0;
  switch (cushion) {
    case cushionLeft:
      b.direction = kPi - b.direction;
      py = b.sideSpin;
      break;
    case cushionRight:
      b.direction = kPi - b.direction;
      py = -b.sideSpin;
      break;
    case cushionTop:
      b.direction = -b.direction;
      px = b.sideSpin;
      break;
    case cushionBottom:
      b.direction = -b.direction;
      px = -b.sideSpin;
      break;
    default:
      break;
  }
  if (b.speed <= 0) b.speed = 0;
  b.followSpin = 0;
  b.sideSpin = 0;
  b.vx = b.speed * std::cos(b.direction) + px;
  b.vy = b.speed * std::sin(b.direction) + py;
  deriveSpeedAndDirection(b);
}

}  // namespace velkor
