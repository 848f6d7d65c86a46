#include "tools/sim/break_scene.h"

#include "engine/physics_step.h"
#include "engine/rack.h"
#include "engine/shot_rules.h"

namespace velkor::sim {

int playBreakToContact(GameState& g, int maxTicks) {
  for (int tick = 1; tick <= maxTicks; ++tick) {
    moveBall(g, 0, kTick);
    if (g.balls[0].x < kBreakContactX) continue;
    if (g.firstHitPending) {
      g.firstHit = 1;
      g.firstHitPending = false;
    }
    g.balls[0].x = g.aimPoint.x;
    g.balls[0].y = g.aimPoint.y;
    scatterRackOnBreak(g);
    g.breakPending = false;
    for (Integer n = 0; n <= 9; ++n) moveBall(g, n, kTick);
    return tick;
  }
  return -1;
}

}  // namespace velkor::sim
