#include "screen/logic/aiming.h"

#include <algorithm>
#include <cmath>

#include "controls/coordinates.h"
#include "controls/shot_controls.h"
#include "engine/game_modes.h"
#include "engine/rack.h"
#include "engine/table_model.h"
#include "screen/logic/menu_handlers.h"

namespace velkor {

bool mayPlaceCueBall(const GameState& g) { return g.breakPending || g.ballInHand; }

bool isOnCueBall(const GameState& g, Single px, Single py) {
  const Single dx = g.balls[0].x - toTableX(g, px);
  const Single dy = g.balls[0].y - toTableY(g, py);
  return dx * dx + dy * dy < kBallRadius * kBallRadius;
}

void picPool_MouseDown(GameState& g, Integer /*button*/, Single x, Single y) {
  if (mayPlaceCueBall(g)) {
    if (isOnCueBall(g, x, y)) {
      // The pick-up follows the pointer as it is, so the ball does not jump under it.
      g.draggingCueBall = true;
      placeCueBallMarker(g, x, y);
    } else {
      g.draggingCueBall = false;
      // Before the break the aim swings by itself; the player only picks the moment.
      if (!g.breakPending) placeTargetMarker(g, limitPicX(x), limitPicY(y));
    }
  } else {
    g.draggingCueBall = false;
    placeTargetMarker(g, limitPicX(x), limitPicY(y));
  }
}

void picPool_MouseMove(GameState& g, Integer button, Single x, Single y) {
  for (Ctl c : {Ctl::lblMenu0, Ctl::lblMenu1, Ctl::lblMenu2}) {
    g.form.setForeColor(c, kMenuLabelColor);
  }
  if (button == 0) return;
  // A drag is followed unclamped; the release brings the point back onto the cloth.
  if (g.draggingCueBall) {
    placeCueBallMarker(g, x, y);
  } else if (!g.breakPending) {
    placeTargetMarker(g, x, y);
  }
}

void picPool_MouseUp(GameState& g, Integer button, Single x, Single y) {
  if (button == 0) return;
  if (mayPlaceCueBall(g)) {
    if (isOnCueBall(g, x, y)) {
      placeCueBallMarker(g, limitPicX(x), limitPicY(y));
      g.draggingCueBall = true;
      g.screen->drawTable();
      g.screen->refreshPicture(Ctl::picPool);
    } else {
      g.draggingCueBall = false;
      if (!g.breakPending) placeTargetMarker(g, limitPicX(x), limitPicY(y));
    }
  } else {
    placeTargetMarker(g, limitPicX(x), limitPicY(y));
    g.draggingCueBall = false;
  }
}

void picPool_Click(GameState& g) {
  if (g.gameMode != modeDemo) return;
  startRack(g);
  switchComputerTurn(g, false);
  g.Timer1.setEnabled(false);
  returnToMenu(g);
}

void picSetPoint_MouseDown(GameState& g, Integer /*button*/, Single x, Single y) {
  const Single w = g.form[Ctl::picSetPoint].width;
  const Single h = g.form[Ctl::picSetPoint].height;
  const Single s = g.form[Ctl::shpPoint].width;
  const Single dx = x - w / 2;
  const Single dy = -(y - h / 2);
  const Single d = std::sqrt(dx * dx + dy * dy);
  const Single rmax = w / 2 - s / 2;
  const Single a = getDirection(0, 0, dx, dy);
  BallRecord& cue = g.balls[0];
  if (d <= s / 3) {
    g.form.move(Ctl::shpPoint, w / 2 - s / 2, w / 2 - s / 2);
    cue.sideSpin = 0;
    cue.followSpin = 0;
    return;
  }
  const Single r = std::min(rmax, d);
  // The picture is square, so w / 2 is the centre in both directions.
  g.form.move(Ctl::shpPoint, w / 2 + r * std::cos(a) - s / 2, w / 2 - r * std::sin(a) - s / 2);
  const Single share = (r / rmax) * (r / rmax);
  cue.sideSpin = share * std::cos(a);
  cue.followSpin = share * std::sin(a);
}

}  // namespace velkor
