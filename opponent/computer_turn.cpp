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
  startShot(g);
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

void placeCueBallForCpu(GameState& g) {
  const BallRecord& target = g.balls[static_cast<std::size_t>(getLowestBall(g))];
  const TablePoint t{target.x, target.y};
  BallRecord& cue = g.balls[0];
  TablePoint spot{cue.x, cue.y};
  Single best = kNoPocketYet;
  if (g.ballInHand) {
    say(g, "動かさなきゃ", "My turn.");
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
  cue.x = spot.x;
  cue.y = spot.y;
  g.aimPoint = t;

  g.form.setVisible(Ctl::shpQBall, false);
  g.screen->drawTable();
  g.screen->refreshPicture(Ctl::picPool);
  placeTargetMarker(g, toPicX(g, t.x), toPicY(g, t.y));
}

}  // namespace velkor
