#include "engine/physics_step.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "engine/collisions.h"
#include "engine/table_model.h"

namespace velkor {

namespace {

constexpr Single kContactDistanceSquared = kBallDiameter * kBallDiameter;

BallRecord& ball(GameState& g, Integer n) { return g.balls[static_cast<std::size_t>(n)]; }
const BallRecord& ball(const GameState& g, Integer n) {
  return g.balls[static_cast<std::size_t>(n)];
}

// The cosine and sine of each ball's heading, kept through the passes of one tick: a
// heading changes only at a contact, and the motion step needs them after every event.
// Headings are matched bit for bit: sin(-0) is -0.
struct HeadingCache {
  std::array<std::uint32_t, 10> direction{};
  std::array<bool, 10> known{};
  std::array<Single, 10> cos{};
  std::array<Single, 10> sin{};
  void get(std::size_t n, Single dir, Single& c, Single& s) {
    const auto bits = std::bit_cast<std::uint32_t>(dir);
    if (!known[n] || direction[n] != bits) {
      known[n] = true;
      direction[n] = bits;
      cos[n] = std::cos(dir);
      sin[n] = std::sin(dir);
    }
    c = cos[n];
    s = sin[n];
  }
};

// allBalls: the per-tick motion of every ball, which also lets slow balls lose their
// follow spin; a single ball moved on its own keeps it.
void moveOne(BallRecord& b, Single t, bool allBalls, Single cosDir, Single sinDir) {
  b.x += t * b.vx;
  b.y += t * b.vy;
  if (b.speed > kFrictionThreshold) {
    b.speed -= t * kHighDeceleration;
  } else {
    b.speed -= t * kLowDeceleration;
    if (allBalls) b.followSpin = 0;
  }
  if (b.speed <= 0) b.speed = 0;
  b.vx = b.speed * cosDir;
  b.vy = b.speed * sinDir;
}

void moveOne(BallRecord& b, Single t, bool allBalls) {
  moveOne(b, t, allBalls, std::cos(b.direction), std::sin(b.direction));
}

void moveAllBalls(GameState& g, Single t, HeadingCache& cache) {
  for (std::size_t n = 0; n < g.balls.size(); ++n) {
    BallRecord& b = g.balls[n];
    if (!b.onTable || !(b.speed > 0)) continue;
    Single c = 0;
    Single s = 0;
    cache.get(n, b.direction, c, s);
    moveOne(b, t, true, c, s);
  }
}

// Whether the ball, now or once the next motion step re-derives its velocity from its
// heading, moves out through the cushion line.
bool headsOutward(const BallRecord& b, Integer cushion) {
  switch (cushion) {
    case cushionLeft: return b.vx < 0 || b.speed * std::cos(b.direction) < 0;
    case cushionRight: return b.vx > 0 || b.speed * std::cos(b.direction) > 0;
    case cushionTop: return b.vy > 0 || b.speed * std::sin(b.direction) > 0;
    case cushionBottom: return b.vy < 0 || b.speed * std::sin(b.direction) < 0;
    default: return false;
  }
}

// Clears the flag however the step is left.
struct SteppingGuard {
  bool& flag;
  explicit SteppingGuard(bool& f) : flag(f) { flag = true; }
  ~SteppingGuard() { flag = false; }
  SteppingGuard(const SteppingGuard&) = delete;
  SteppingGuard& operator=(const SteppingGuard&) = delete;
};

}  // namespace

void moveAllBalls(GameState& g, Single t) {
  for (BallRecord& b : g.balls) {
    if (b.onTable && b.speed > 0) moveOne(b, t, true);
  }
}

void moveBall(GameState& g, Integer ballNo, Single t) {
  BallRecord& b = ball(g, ballNo);
  if (b.onTable && b.speed > 0) moveOne(b, t, false);
}

Single getBallContactTime(const GameState& g, Integer i, Integer j) {
  const BallRecord& bi = ball(g, i);
  const BallRecord& bj = ball(g, j);
  if (!bi.onTable || !bj.onTable) return kNoContact;
  const Single dx = bi.x - bj.x;
  const Single dy = bi.y - bj.y;
  const Single wx = bi.vx - bj.vx;
  const Single wy = bi.vy - bj.vy;
  const Single b = -(dx * wx + dy * wy);
  if (b <= 0) return kNoContact;
  const Single a = wx * wx + wy * wy;
  if (a == 0) return kNoContact;
  const Single cross = dy * wx - dx * wy;
  const Single disc = kContactDistanceSquared * a - cross * cross;
  if (disc <= 0) return kNoContact;
  const Single t = (b - std::sqrt(disc)) / a;
  return t < 0 ? 0 : t;
}

Single getCushionContactTime(const GameState& g, Integer ballNo, Integer cushion) {
  const BallRecord& b = ball(g, ballNo);
  if (b.speed == 0 || !b.onTable) return kNoContact;
  Single t = kNoContact;
  switch (cushion) {
    case cushionLeft:
      if (b.vx < 0) t = (kCushionLeftX - b.x) / b.vx;
      break;
    case cushionRight:
      if (b.vx > 0) t = (kCushionRightX - b.x) / b.vx;
      break;
    case cushionTop:
      if (b.vy > 0) t = (kCushionTopY - b.y) / b.vy;
      break;
    case cushionBottom:
      if (b.vy < 0) t = (kCushionBottomY - b.y) / b.vy;
      break;
    default:
      break;
  }
  return t < 0 ? 0 : t;
}

Integer checkPocketAtCushion(GameState& g, Integer ballNo, Integer cushion) {
  BallRecord& b = ball(g, ballNo);
  const Single lowEnd = kCushionBottomY;                // 50
  const Single lowMouth = kCornerMouth;                 // 102
  const Single highMouthY = kTableWidth - kCornerMouth;  // 1098
  const Single highMouthX = kTableLength - kCornerMouth;  // 2298
  const Single midLow = kTableLength / 2 - kBallRadius;   // 1150
  const Single midHigh = kTableLength / 2 + kBallRadius;  // 1250
  auto within = [](Single v, Single lo, Single hi) { return v >= lo && v <= hi; };
  Integer pocket = 0;
  switch (cushion) {
    case cushionLeft:
      if (within(b.y, lowEnd, lowMouth)) pocket = 4;
      else if (within(b.y, highMouthY, kCushionTopY)) pocket = 1;
      break;
    case cushionRight:
      if (within(b.y, lowEnd, lowMouth)) pocket = 6;
      else if (within(b.y, highMouthY, kCushionTopY)) pocket = 3;
      break;
    case cushionTop:
      if (within(b.x, lowEnd, lowMouth)) pocket = 1;
      else if (within(b.x, midLow, midHigh)) pocket = 2;
      else if (within(b.x, highMouthX, kCushionRightX)) pocket = 3;
      break;
    case cushionBottom:
      if (within(b.x, lowEnd, lowMouth)) pocket = 4;
      else if (within(b.x, midLow, midHigh)) pocket = 5;
      else if (within(b.x, highMouthX, kCushionRightX)) pocket = 6;
      break;
    default:
      break;
  }
  if (pocket != 0) {
    b.onTable = false;
    b.speed = 0;
  }
  return pocket;
}

void stepBalls(GameState& g) {
  // The event pump below may run a handler that steps the table again; the outer tick
  // owns the balls until it ends.
  if (g.steppingBalls) return;
  SteppingGuard guard(g.steppingBalls);
  const std::uint32_t shot = g.shotSerial;

  // Cushions that a ball has met this tick without being turned back. A ball running
  // exactly along a side cushion has a heading whose cosine points a hair outward (pi is
  // 3.1415926 here, not pi), its rebound leaves it so, and it would be found again at
  // time 0 for ever. Such a ball slides along the cushion for the rest of the tick.
  // Bit 4 * ball + (cushion - 101); a ball contact clears the ball's bits.
  std::uint64_t unturned = 0;
  auto bit = [](Integer i, Integer c) { return std::uint64_t{1} << (4 * i + (c - cushionLeft)); };

  // The partner of each ball's last contact this tick, -1 for none or after a cushion. A pair
  // that has just met can be found again at time 0 when one of them runs exactly along the
  // other's side (balls re-spotted on the spot line touch): the velocity re-derived from the
  // heading points a hair inward, and the pair would meet at time 0 until the pass limit
  // ends the tick without testing the cushions. Two balls cannot really meet twice in a row
  // with nothing in between, so such a repeat is passed over.
  std::array<Integer, 10> lastPartner{};
  lastPartner.fill(-1);
  auto metJustNow = [&lastPartner](Integer i, Integer j) {
    return lastPartner[static_cast<std::size_t>(i)] == j &&
           lastPartner[static_cast<std::size_t>(j)] == i;
  };

  HeadingCache headings;
  Single timeLeft = kTick;
  for (int pass = 0;; ++pass) {
    Single best = kNoContact;
    Integer eventBall = -1;
    Integer eventCushion = 0;  // set for a cushion event
    Integer eventPartner = -1;  // set for a ball event
    g.screen->pumpEvents();
    if (g.shotSerial != shot) return;  // a new rack came in through the pump

    for (Integer i = 0; i < 10; ++i) {
      const BallRecord& bi = ball(g, i);
      if (!(bi.speed > 0) || !bi.onTable) continue;
      for (Integer c = cushionLeft; c <= cushionBottom; ++c) {
        if (unturned & bit(i, c)) continue;
        const Single t = getCushionContactTime(g, i, c);
        if (t < best) {
          best = t;
          eventBall = i;
          eventCushion = c;
          eventPartner = -1;
        }
      }
      for (Integer j = 0; j < 10; ++j) {
        const BallRecord& bj = ball(g, j);
        if (j == i || !bj.onTable) continue;
        // A moving lower ball has already timed this pair, to the same bit, and an equal
        // time never replaces the best.
        if (j < i && bj.speed > 0) continue;
        const Single t = getBallContactTime(g, i, j);
        if (t == 0 && metJustNow(i, j)) continue;
        if (t < best) {
          best = t;
          eventBall = i;
          eventCushion = 0;
          eventPartner = j;
        }
      }
    }

    if (best > timeLeft || pass >= kMaxPassesPerTick) {
      moveAllBalls(g, timeLeft, headings);
      return;
    }

    moveAllBalls(g, best, headings);
    if (eventCushion != 0) {
      lastPartner[static_cast<std::size_t>(eventBall)] = -1;
      const Integer pocket = checkPocketAtCushion(g, eventBall, eventCushion);
      if (pocket == 0) {
        bounceOffCushion(g, eventBall, eventCushion);
        if (headsOutward(ball(g, eventBall), eventCushion)) unturned |= bit(eventBall, eventCushion);
        g.screen->drawBallOnTable(eventBall);
        g.sound->playWallSound(ball(g, eventBall).speed);
      } else {
        // Ten balls fill the list; a table set up by hand without a shot reset stops there.
        if (g.shotPocketedCount >= 0 &&
            static_cast<std::size_t>(g.shotPocketedCount) < g.shotPocketed.size()) {
          g.shotPocketed[static_cast<std::size_t>(g.shotPocketedCount)] = eventBall;
          ++g.shotPocketedCount;
        }
        g.sound->playDropSound(5600);
        g.screen->drawBallIntoPocket(eventBall, pocket);
      }
    } else {
      if (g.firstHitPending) {
        g.firstHit = getLarger(eventBall, eventPartner);
        g.firstHitPending = false;
      }
      collideBalls(g, eventBall, eventPartner);
      lastPartner[static_cast<std::size_t>(eventBall)] = eventPartner;
      lastPartner[static_cast<std::size_t>(eventPartner)] = eventBall;
      unturned &= ~(std::uint64_t{0xF} << (4 * eventBall)) & ~(std::uint64_t{0xF} << (4 * eventPartner));
      g.screen->drawBallOnTable(eventBall);
      g.screen->drawBallOnTable(eventPartner);
    }
    timeLeft -= best;
  }
}

}  // namespace velkor
