// A simple player for whole-game tests: where to put the cue ball when it may be placed,
// which point to aim at and how hard to hit, in pixels of the table picture and percent.
// It aims the lowest ball at the pocket with the clearest, straightest line.
#pragma once

#include <algorithm>
#include <cmath>
#include <optional>

#include "controls/coordinates.h"
#include "state/game_state.h"

namespace velkor::testing {

struct PlannedShot {
  std::optional<TablePoint> placeCueBall;  // table point, when the cue ball may be placed
  TablePoint aim;                          // table point the cue ball is sent to
  Integer power = 60;
};

namespace planner_detail {

inline Single dist(TablePoint a, TablePoint b) { return std::hypot(b.x - a.x, b.y - a.y); }

// True when no ball on the table other than the excepted ones lies within `clearance` of the
// segment a-b.
inline bool clearPath(const GameState& g, TablePoint a, TablePoint b, int except1, int except2,
                      Single clearance = 100) {
  const Single dx = b.x - a.x, dy = b.y - a.y;
  const Single len2 = dx * dx + dy * dy;
  for (int n = 0; n < 10; ++n) {
    if (n == except1 || n == except2 || !g.balls[n].onTable) continue;
    const TablePoint p{g.balls[n].x, g.balls[n].y};
    Single t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
    t = std::clamp(t, 0.0f, 1.0f);
    if (dist(p, {a.x + t * dx, a.y + t * dy}) < clearance) return false;
  }
  return true;
}

inline bool freeSpot(const GameState& g, TablePoint p) {
  if (p.x < 60 || p.x > 2340 || p.y < 60 || p.y > 1140) return false;
  for (int n = 1; n < 10; ++n) {
    if (g.balls[n].onTable && dist(p, {g.balls[n].x, g.balls[n].y}) < 110) return false;
  }
  return true;
}

}  // namespace planner_detail

inline PlannedShot planShot(const GameState& g) {
  using namespace planner_detail;
  PlannedShot shot;
  int target = 0;
  for (int n = 1; n < 10 && target == 0; ++n) {
    if (g.balls[n].onTable) target = n;
  }
  const TablePoint cue{g.balls[0].x, g.balls[0].y};
  if (target == 0) {
    shot.aim = {cue.x + 100, cue.y};
    return shot;
  }
  const TablePoint t{g.balls[target].x, g.balls[target].y};
  const bool mayPlace = g.ballInHand && !g.breakPending;
  shot.aim = t;  // a full-ball hit when nothing better is found
  Single best = 1e9f;
  for (int p = 1; p <= 6; ++p) {
    const TablePoint pocket = g.pocketPoints[p];
    const Single d = dist(t, pocket);
    if (d < 1) continue;
    const TablePoint u{(pocket.x - t.x) / d, (pocket.y - t.y) / d};
    // The middle pockets only take balls that come in steeply.
    if ((p == 2 || p == 5) && std::fabs(u.y) < 0.7f) continue;
    if (!clearPath(g, t, pocket, 0, target, 95)) continue;
    const TablePoint ghost{t.x - 100 * u.x, t.y - 100 * u.y};
    TablePoint from = cue;
    if (mayPlace) {
      bool placed = false;
      for (Single back : {300.f, 220.f, 400.f, 160.f, 550.f}) {
        const TablePoint c{ghost.x - back * u.x, ghost.y - back * u.y};
        if (freeSpot(g, c) && clearPath(g, c, ghost, 0, target, 100)) {
          from = c;
          placed = true;
          break;
        }
      }
      if (!placed) continue;
    } else if (!clearPath(g, cue, ghost, 0, target, 100)) {
      continue;
    }
    const Single travel = dist(from, ghost);
    if (travel < 1) continue;
    const Single cosCut = ((ghost.x - from.x) * u.x + (ghost.y - from.y) * u.y) / travel;
    if (cosCut < 0.5f) continue;  // cuts beyond 60 degrees are too thin to trust
    const Single score = (1 - cosCut) * 4000 + travel + d;
    if (score < best) {
      best = score;
      shot.aim = ghost;
      if (mayPlace) shot.placeCueBall = from;
      shot.power = static_cast<Integer>(std::clamp(35 + (travel + 1.5f * d) / 60, 45.0f, 90.0f));
    }
  }
  return shot;
}

}  // namespace velkor::testing
