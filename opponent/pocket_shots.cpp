// The choosers that pot the target: straight in, through the ball in its way, or off the
// cushion beyond it.
#include <array>

#include "engine/table_model.h"
#include "opponent/obstruction.h"
#include "opponent/shot_choice.h"
#include "opponent/shot_plan.h"

namespace velkor {

using shot_choice::Remark;
using shot_choice::Scene;

namespace {

// The cue ball's way to the ghost point must be clear (the target counts, which refuses cuts
// beyond 90 degrees), the ghost point must not sit on another object ball, and it must lie
// inside the cushion lines: a target near a cushion can need the cue ball where it cannot go.
bool canReachGhost(const GameState& g, const Scene& s, TablePoint G) {
  return isInTable(G.x, G.y) && !isPathBlocked(g, s.C, G) &&
         !isPointOnOtherObjectBall(g, G.x, G.y, s.t);
}

}  // namespace

void chooseSimpleShot(GameState& g, ShotPlan& plan) {
  const auto s = shot_choice::readScene(g);
  if (!s) return;
  static constexpr Remark kRemark{"素直が一番。", "Simple is best."};
  for (std::size_t p = 1; p <= 6; ++p) {
    const TablePoint P = g.pocketPoints[p];
    const TablePoint G = shot_choice::ghostPoint(s->T, P);
    if (!canReachGhost(g, *s, G)) continue;
    shot_choice::offerShot(g, plan, G, shot_choice::cutAngle(s->C, G, s->T, P),
                           getDistance(s->C, G), getDistance(s->T, P), kRemark);
  }
}

void chooseDirectOrCombinationShot(GameState& g, ShotPlan& plan) {
  const auto s = shot_choice::readScene(g);
  if (!s) return;
  static constexpr Remark kCombination{"コンビネーションショット！", "Combination Shot!"};
  static constexpr Remark kDirect{"簡単、簡単♪", "Easy for me."};
  const shot_choice::PotCandidates c = shot_choice::combinationCandidates(g, *s);
  for (std::size_t p = 1; p <= 6; ++p) {
    const TablePoint P = g.pocketPoints[p];
    const TablePoint G = c.ghost[p];
    if (!canReachGhost(g, *s, G)) continue;
    // Even through another ball, the pot is scored on the target's own line to the pocket.
    shot_choice::offerShot(g, plan, G, shot_choice::cutAngle(s->C, G, s->T, P),
                           getDistance(s->C, G), getDistance(s->T, P),
                           c.blocked[p] ? kCombination : kDirect);
  }
}

void chooseObjectBankShot(GameState& g, ShotPlan& plan) {
  const auto s = shot_choice::readScene(g);
  if (!s) return;
  static constexpr Remark kHopeless{"これは無理かな～", "......."};
  static constexpr Remark kHopeful{"的球のバンクだとはいるかな？", "......."};
  setBankPockets(g, getCushionTowards(s->C, s->T));
  std::array<TablePoint, 10> ghost{};
  std::array<bool, 10> blocked{};
  for (std::size_t k = 7; k <= 9; ++k) {
    const TablePoint P = g.pocketPoints[k];
    blocked[k] = isPathBlockedExcept(g, P, s->T, s->t);
    ghost[k] = shot_choice::ghostPoint(s->T, P);
  }
  for (std::size_t k = 7; k <= 9; ++k) {
    // The image is the pocket seen through the cushion, so the distance to it is the
    // target's whole way there.
    const TablePoint P = g.pocketPoints[k];
    const TablePoint G = ghost[k];
    if (!canReachGhost(g, *s, G)) continue;
    const Single cut = shot_choice::cutAngle(s->C, G, s->T, P);
    if (!checkAngleAndZone(G, cut)) continue;
    shot_choice::offerShot(g, plan, G, cut, getDistance(s->C, G), getDistance(s->T, P),
                           blocked[k] ? kHopeless : kHopeful);
  }
}

}  // namespace velkor
