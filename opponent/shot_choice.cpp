#include "opponent/shot_choice.h"

#include <cmath>

#include "engine/table_model.h"
#include "opponent/obstruction.h"
#include "screen/logic/language.h"

namespace velkor::shot_choice {

std::optional<Scene> readScene(const GameState& g) {
  const Integer t = getLowestBall(g);
  if (t == 0) return std::nullopt;
  const BallRecord& target = g.balls[static_cast<std::size_t>(t)];
  const BallRecord& cue = g.balls[0];
  return Scene{t, {target.x, target.y}, {cue.x, cue.y}};
}

TablePoint ghostPoint(TablePoint b, TablePoint p) {
  const double a = getDirection(b.x, b.y, p.x, p.y);
  return {static_cast<Single>(b.x + kBallDiameter * std::cos(a + kPiD)),
          static_cast<Single>(b.y + kBallDiameter * std::sin(a + kPiD))};
}

Single cutAngle(TablePoint from, TablePoint contact, TablePoint T, TablePoint pocket) {
  return getAngleBetween({contact.x - from.x, contact.y - from.y},
                         {pocket.x - T.x, pocket.y - T.y});
}

void writeShot(GameState& g, ShotPlan& plan, TablePoint aim, Single cueTravel, Single objTravel,
               const Remark& remark) {
  plan.aim = aim;
  plan.cueTravel = cueTravel;
  plan.objTravel = objTravel;
  plan.found = true;
  g.form.setCaption(Ctl::lblQuibsMessage, getLangText(g, remark.japanese, remark.english));
}

bool offerShot(GameState& g, ShotPlan& plan, TablePoint aim, Single cut, Single cueTravel,
               Single objTravel, const Remark& remark) {
  if (!(cut < plan.bestCut)) return false;
  plan.bestCut = cut;
  writeShot(g, plan, aim, cueTravel, objTravel, remark);
  return true;
}

PotCandidates combinationCandidates(const GameState& g, const Scene& s) {
  PotCandidates c;
  for (std::size_t p = 1; p <= 6; ++p) {
    const TablePoint P = g.pocketPoints[p];
    c.blocked[p] = isPathBlockedExcept(g, P, s.T, s.t);
    const Integer b = getBlockingBall(g, P, s.T, s.t);
    if (b != 0) {
      const BallRecord& ball = g.balls[static_cast<std::size_t>(b)];
      c.ghost[p] = ghostPoint(s.T, ghostPoint({ball.x, ball.y}, P));
    } else {
      c.ghost[p] = ghostPoint(s.T, P);
    }
  }
  return c;
}

}  // namespace velkor::shot_choice
