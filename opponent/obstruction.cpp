#include "opponent/obstruction.h"

#include <cmath>

#include "engine/table_model.h"

namespace velkor {

namespace {

// Where ball centre w (relative to a) stands against the path v of length len from a.
struct PathProbe {
  Single c;      // cosine of the angle at a between the path and the ball
  Single along;  // distance from a to the foot of the perpendicular
  Single perp;   // distance from the path's line
};

template <typename Clamp>
PathProbe probe(TablePoint w, Single d, TablePoint v, Single len, Clamp clamp) {
  const Single c = clamp((w.x * v.x + w.y * v.y) / (d * len));
  return {c, c * d, std::sqrt(1 - c * c) * d};
}

// A Single turned into an Integer: nearest, halves to even (the default rounding mode),
// saturated at the type's bounds rather than wrapped.
Integer toInteger(Single x) {
  const Single r = std::nearbyint(x);
  if (!(r > -32768.0f)) return -32768;
  if (r > 32767.0f) return 32767;
  return static_cast<Integer>(r);
}

}  // namespace

bool isPathBlocked(const GameState& g, TablePoint a, TablePoint b) {
  const TablePoint v{b.x - a.x, b.y - a.y};
  const Single len = getLength(v);
  if (len == 0) return true;
  for (std::size_t i = 1; i <= 9; ++i) {
    const BallRecord& ball = g.balls[i];
    if (!ball.onTable) continue;
    const TablePoint w{ball.x - a.x, ball.y - a.y};
    const Single d = getLength(w);
    if (d == 0) return true;
    const PathProbe p = probe(w, d, v, len, [](Single c) { return limitRange(c, -1.0f, 1.0f); });
    if (p.c >= 0 && p.along <= len && p.perp < kBallDiameter) return true;
  }
  return false;
}

bool isPathBlockedExcept(const GameState& g, TablePoint a, TablePoint b, Integer exceptBall) {
  const TablePoint v{b.x - a.x, b.y - a.y};
  const Single len = getLength(v);
  if (len == 0) return true;
  for (Integer i = 1; i <= 9; ++i) {
    const BallRecord& ball = g.balls[static_cast<std::size_t>(i)];
    if (!ball.onTable || i == exceptBall) continue;
    const TablePoint w{ball.x - a.x, ball.y - a.y};
    const Single d = getLength(w);
    if (d == 0) return true;
    const PathProbe p =
        probe(w, d, v, len, [](Single c) { return getLarger(getSmaller(c, 1.0f), -1.0f); });
    if (p.c > 0 && p.along < len && p.perp < kBallDiameter) return true;
  }
  return false;
}

bool isBankPathBlocked(const GameState& g, TablePoint a, TablePoint b, TablePoint& p,
                       Integer cushion, Integer exceptBall) {
  Single da = 0;
  Single dbSingle = 0;
  switch (cushion) {
    case cushionLeft:
      da = a.x - kCushionLeftX;
      dbSingle = b.x - kCushionLeftX;
      break;
    case cushionRight:
      da = kCushionRightX - a.x;
      dbSingle = kCushionRightX - b.x;
      break;
    case cushionTop:
      da = kCushionTopY - a.y;
      dbSingle = kCushionTopY - b.y;
      break;
    case cushionBottom:
      da = a.y - kCushionBottomY;
      dbSingle = b.y - kCushionBottomY;
      break;
    default:
      return true;
  }
  const Integer db = toInteger(dbSingle);
  const Single sum = da + db;
  // Both ends on the line, or mirrored across it: no bank point, so no path.
  if (sum == 0) return true;

  switch (cushion) {
    case cushionLeft:
    case cushionRight:
      p = {cushion == cushionLeft ? kCushionLeftX : kCushionRightX, (a.y * db + b.y * da) / sum};
      break;
    default:
      p = {(a.x * db + b.x * da) / sum, cushion == cushionTop ? kCushionTopY : kCushionBottomY};
      break;
  }
  if (isPathBlocked(g, a, p)) return true;
  return isPathBlockedExcept(g, p, b, exceptBall);
}

bool isPointOnOtherObjectBall(const GameState& g, Single x, Single y, Integer skip) {
  for (Integer i = 1; i <= 9; ++i) {
    const BallRecord& ball = g.balls[static_cast<std::size_t>(i)];
    if (!ball.onTable || i == skip) continue;
    const Single dx = ball.x - x;
    const Single dy = ball.y - y;
    if (dx * dx + dy * dy < kBallDiameter * kBallDiameter) return true;
  }
  return false;
}

bool checkAngleAndZone(TablePoint p, Single angle) {
  const Single tenDegrees = static_cast<Single>(31.415926 / 180);
  return angle >= tenDegrees && p.x > 300 && p.x < 2100 && p.y > 220 && p.y < 980;
}

bool isInTable(Single x, Single y) {
  return x > kCushionLeftX && x < kCushionRightX && y > kCushionBottomY && y < kCushionTopY;
}

Integer getCushionTowards(TablePoint a, TablePoint b) {
  const Single s = static_cast<Single>(std::sqrt(2.0) / 2);
  const double theta = getDirection(a.x, a.y, b.x, b.y);
  const Single sinT = static_cast<Single>(std::sin(theta));
  const Single cosT = static_cast<Single>(std::cos(theta));
  if (sinT >= s) return cushionTop;
  if (sinT < -s) return cushionBottom;
  if (cosT < -s) return cushionLeft;
  return cushionRight;
}

void setBankPockets(GameState& g, Integer cushion) {
  std::array<TablePoint, 11>& pp = g.pocketPoints;
  switch (cushion) {
    case cushionLeft:
      pp[7] = {50 - pp[3].x, pp[3].y};
      pp[8] = {50 - pp[6].x, pp[6].y};
      pp[9] = pp[8];
      break;
    case cushionRight:
      pp[7] = {pp[3].x + 2350, pp[1].y};
      pp[8] = {pp[6].x + 2350, pp[4].y};
      pp[9] = pp[8];
      break;
    case cushionTop:
      pp[7] = {pp[4].x, 2350 - pp[4].y};
      pp[8] = {pp[5].x, pp[7].y};
      pp[9] = {pp[6].x, pp[7].y};
      break;
    case cushionBottom:
      pp[7] = {pp[1].x, 50 - pp[1].y};
      pp[8] = {pp[2].x, pp[7].y};
      pp[9] = {pp[3].x, pp[7].y};
      break;
    default:
      break;
  }
}

}  // namespace velkor
