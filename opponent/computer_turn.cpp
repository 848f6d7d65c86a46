#include "opponent/computer_turn.h"

#include <cmath>

#include "controls/coordinates.h"
#include "controls/language.h"
#include "controls/shot_controls.h"
#include "engine/rack.h"
#include "engine/table_model.h"
#include "opponent/obstruction.h"
#include "opponent/shot_driver.h"

namespace velkor {

namespace {

constexpr Integer kChoiceStep = 5;
constexpr Integer kHideRemarkStep = 15;
constexpr Integer kPressStep = kComTurnTicks - 1;
constexpr Single kPlacementDistance = 200;  // two ball diameters behind the target
constexpr Single kNoPocketYet = 4800;
// A target that moved less than a ball's diameter since the last placement is taken to lie
// where it lay: the near-repeats of a foul shift it by a fraction of a unit.
constexpr double kSameTargetDistance = 100;
constexpr int kRandomSpotRedraws = 50;

void say(GameState& g, const char* japanese, const char* english) {
  g.form.setCaption(Ctl::lblQuibsMessage, getLangText(g, japanese, english));
}

// The demonstration leaves the table live: a click on it ends the demonstration.
void lockTableOutsideDemo(GameState& g) {
  if (g.gameMode != modeDemo) g.form.setEnabled(Ctl::picPool, false);
}

void startTurn(GameState& g) {
  g.form.setVisible(Ctl::lblQuibsMessage, true);
  if (g.breakPending) {
    // The break aim keeps swinging until the press, and the power stays as it is.
    say(g, "お先に!", "My first shot.");
  } else {
    say(g, "う～んとね。", "Weel....");
    placeCueBallForCpu(g);
  }
  setShotControlsEnabled(g, false);
  lockTableOutsideDemo(g);
}

void pressShot(GameState& g) {
  g.comStep = 0;
  g.form.setVisible(Ctl::lblQuibsMessage, false);
  g.form.setCaption(Ctl::lblQuibsMessage, "");
  g.form.setEnabled(Ctl::cmdShot, true);
  // startShot forgets the placement, as every shot does; the computer's own shot keeps it.
  CpuPlacement placement = g.lastCpuPlacement;
  startShot(g);
  placement.shotTaken = true;
  g.lastCpuPlacement = placement;
  lockTableOutsideDemo(g);
  switchComputerTurn(g, false);
}

}  // namespace

void timCom_Timer(GameState& g) {
  const Integer s = g.comStep;
  if (s < 0 || s >= kPressStep) {
    pressShot(g);
    return;
  }
  if (s == 0) {
    startTurn(g);
  } else if (s == kChoiceStep) {
    if (!g.breakPending) playComputerShot(g);
  } else if (s >= kHideRemarkStep) {
    g.form.setVisible(Ctl::lblQuibsMessage, false);
  }
  g.comStep = static_cast<Integer>(s + 1);
}

namespace {

// Ball in hand right after the computer's own shot from its own ball-in-hand turn for the
// same target, and that target still where it lay: the same placement would bring the same
// choice and, most likely, the same foul.
bool repeatsLastPlacement(const GameState& g, Integer target, TablePoint at) {
  const CpuPlacement& last = g.lastCpuPlacement;
  if (!g.ballInHand || !last.shotTaken || !last.ballInHand || last.target != target) return false;
  const double dx = static_cast<double>(at.x) - last.targetAt.x;
  const double dy = static_cast<double>(at.y) - last.targetAt.y;
  return std::sqrt(dx * dx + dy * dy) <= kSameTargetDistance;
}

// A free spot anywhere on the cloth, clear of the cushions and the pocket points.
bool drawFreeSpot(GameState& g, TablePoint& spot) {
  for (int i = 0; i <= kRandomSpotRedraws; ++i) {
    const auto x = static_cast<Single>(100 + 2200 * g.random->draw());
    const auto y = static_cast<Single>(100 + 1000 * g.random->draw());
    if (!isPointOnBall(g, x, y)) {
      spot = {x, y};
      return true;
    }
  }
  return false;
}

// Behind the target on the line from the nearest pocket whose spot is on the cloth and free;
// `spot` stays as it is when none is.
void placeBehindTarget(const GameState& g, TablePoint t, TablePoint& spot) {
  Single best = kNoPocketYet;
  for (std::size_t p = 1; p <= 6; ++p) {
    const TablePoint pocket = g.pocketPoints[p];
    const Single dx = pocket.x - t.x;
    const Single dy = pocket.y - t.y;
    const Single d = std::sqrt(dx * dx + dy * dy);
    const Single a = getDirection(t.x, t.y, pocket.x, pocket.y);
    const TablePoint c{t.x + kPlacementDistance * std::cos(a + kPi),
                       t.y + kPlacementDistance * std::sin(a + kPi)};
    // The cue ball still lies where it was, so a spot next to it counts as taken.
    if (isInTable(c.x, c.y) && !isPointOnBall(g, c.x, c.y) && d < best) {
      best = d;
      spot = c;
    }
  }
}

}  // namespace

void placeCueBallForCpu(GameState& g) {
  const Integer targetNo = getLowestBall(g);
  const BallRecord& target = g.balls[static_cast<std::size_t>(targetNo)];
  const TablePoint t{target.x, target.y};
  const bool repeating = repeatsLastPlacement(g, targetNo, t);
  g.lastCpuPlacement = {g.ballInHand, false, targetNo, t};
  BallRecord& cue = g.balls[0];
  TablePoint spot{cue.x, cue.y};
  if (g.ballInHand) {
    say(g, "動かさなきゃ", "My turn.");
    if (!repeating || !drawFreeSpot(g, spot)) placeBehindTarget(g, t, spot);
  }
  cue.x = spot.x;
  cue.y = spot.y;
  g.aimPoint = t;

  g.form.setVisible(Ctl::shpQBall, false);
  g.screen->drawTable();
  g.screen->refreshPicture(Ctl::picPool);
  placeTargetMarker(g, toPicX(g, t.x), toPicY(g, t.y));
}

}  // namespace velkor
