#include "screen/logic/shot_controls.h"

#include "engine/rack.h"
#include "engine/shot_rules.h"

namespace velkor {

void cmdShot_Click(GameState& g) {
  saveShotSnapshot(g);
  initShotState(g);
  launchShot(g);
  g.form.setVisible(Ctl::shpTarget, false);
  g.form.setVisible(Ctl::shpQBall, false);
  g.form.setAutoRedraw(Ctl::picPool, false);
  setShotControlsEnabled(g, false);
  g.Timer1.setEnabled(true);
  g.Timer2.setEnabled(false);
  g.timTimeCounter.setEnabled(true);
  g.ballInHand = false;
  g.shotCount = plusOne(g.shotCount);
}

}  // namespace velkor
