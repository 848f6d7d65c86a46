// The cue ball off one cushion into a pot, and the two fallbacks that only try to reach the
// target when nothing better was found.
#include <array>
#include <cmath>

#include "engine/physics_step.h"
#include "engine/table_model.h"
#include "opponent/obstruction.h"
#include "opponent/shot_choice.h"
#include "opponent/shot_plan.h"

namespace velkor {

using shot_choice::Remark;
using shot_choice::Scene;

namespace {

// The stretch of cushion in front of a side pocket, where a bank would drop the cue ball.
constexpr Single kSideBandLow = static_cast<Single>(static_cast<int>(kTableLength) / 2 - 50);
constexpr Single kSideBandHigh = static_cast<Single>(static_cast<int>(kTableLength) / 2 + 50);

// A cushion point this near a corner (or beyond it) is in the corner pocket's mouth, where the
// physics step drops the cue ball instead of turning it back.
constexpr Single kCornerMouthHighX = kTableLength - kCornerMouth;
constexpr Single kCornerMouthHighY = kTableWidth - kCornerMouth;

bool isInCornerMouth(TablePoint A, Integer cushion) {
  if (cushion == cushionTop || cushion == cushionBottom) {
    return A.x <= kCornerMouth || A.x >= kCornerMouthHighX;
  }
  return A.y <= kCornerMouth || A.y >= kCornerMouthHighY;
}

// Pockets outer, cushions inner: the cue ball sent at the cushion point so that it comes off
// into ghost[p]. remarkFor(p) gives the remark of pocket p.
template <typename RemarkFor>
void chooseBank(GameState& g, ShotPlan& plan, const Scene& s,
                const std::array<TablePoint, 7>& ghost, RemarkFor remarkFor) {
  for (std::size_t p = 1; p <= 6; ++p) {
    const TablePoint P = g.pocketPoints[p];
    const TablePoint G = ghost[p];
    // Where the cue ball's centre cannot go, no cushion brings it.
    if (!isInTable(G.x, G.y)) continue;
    for (Integer k = cushionLeft; k <= cushionBottom; ++k) {
      TablePoint A{};
      if (isBankPathBlocked(g, s.C, G, A, k, s.t)) continue;
      if (isPointOnOtherObjectBall(g, G.x, G.y, s.t)) continue;
      if (A.x > kSideBandLow && A.x < kSideBandHigh) continue;
      if (isInCornerMouth(A, k)) continue;
      shot_choice::offerShot(g, plan, A, shot_choice::cutAngle(A, G, s.T, P),
                             getDistance(A, G) + getDistance(s.C, A), getDistance(s.T, P),
                             remarkFor(p));
    }
  }
}

}  // namespace

void chooseBankShot(GameState& g, ShotPlan& plan) {
  const auto s = shot_choice::readScene(g);
  if (!s) return;
  static constexpr Remark kRemark{"バンクショット！", "Bank Shot."};
  std::array<TablePoint, 7> ghost{};
  for (std::size_t p = 1; p <= 6; ++p) ghost[p] = shot_choice::ghostPoint(s->T, g.pocketPoints[p]);
  chooseBank(g, plan, *s, ghost, [](std::size_t) { return kRemark; });
}

void chooseBankCombinationShot(GameState& g, ShotPlan& plan) {
  const auto s = shot_choice::readScene(g);
  if (!s) return;
  static constexpr Remark kCombination{"バンク＆コンビネーション！", "Bank & Conbination Shot!"};
  static constexpr Remark kBank{"バンクショット！", "Bank Shot!"};
  const shot_choice::PotCandidates c = shot_choice::combinationCandidates(g, *s);
  chooseBank(g, plan, *s, c.ghost,
             [&c](std::size_t p) { return c.blocked[p] ? kCombination : kBank; });
}

void chooseThinHitShot(GameState& g, ShotPlan& plan) {
  if (plan.found) return;
  const auto s = shot_choice::readScene(g);
  if (!s) return;
  static constexpr Remark kRemark{"当てるぐらいしかできませんね", "Difficalt !"};
  // Aiming 98 from the target's centre, a little past square on the cue ball's side, clips it.
  constexpr double kThinSide = 1.88495556;
  constexpr double kThinReach = 98;
  const double a = getDirection(s->C.x, s->C.y, s->T.x, s->T.y);
  const std::array<TablePoint, 4> aim{{
      {},
      s->T,
      {static_cast<Single>(s->T.x + kThinReach * std::cos(a + kThinSide)),
       static_cast<Single>(s->T.y + kThinReach * std::sin(a + kThinSide))},
      {static_cast<Single>(s->T.x + kThinReach * std::cos(a - kThinSide)),
       static_cast<Single>(s->T.y + kThinReach * std::sin(a - kThinSide))},
  }};
  for (std::size_t k = 1; k <= 3; ++k) {
    // The full hit ends on the target's centre, so the target itself must not count there.
    const bool blocked = k == 1 ? isPathBlockedExcept(g, s->C, s->T, s->t)
                                : isPathBlocked(g, s->C, aim[k]);
    if (blocked) continue;
    // Each candidate is scored against the pocket of its own number, whatever the table.
    const TablePoint P = g.pocketPoints[k];
    shot_choice::offerShot(g, plan, aim[k], shot_choice::cutAngle(s->C, aim[k], s->T, P),
                           getDistance(s->C, aim[k]), getDistance(s->T, P), kRemark);
  }
}

void chooseCushionHitShot(GameState& g, ShotPlan& plan) {
  if (plan.found) return;
  const auto s = shot_choice::readScene(g);
  if (!s) return;
  static constexpr Remark kRemark{"とりあえず当てていきましょうかね。", "I can't Poket."};
  Single best = 7200;
  for (Integer k = cushionLeft; k <= cushionBottom; ++k) {
    TablePoint A{};
    if (isBankPathBlocked(g, s->C, s->T, A, k, s->t)) continue;
    if (A.x >= kSideBandLow && A.x <= kSideBandHigh) continue;
    if (isInCornerMouth(A, k)) continue;
    const Single obj = getDistance(A, s->T);
    const Single cue = obj + getDistance(s->C, A);
    // Scored on length, not on cut: the plan's bestCut is no business of a mere hit.
    if (!(cue + obj < best)) continue;
    best = cue + obj;
    shot_choice::writeShot(g, plan, A, cue, obj, kRemark);
  }
}

}  // namespace velkor
