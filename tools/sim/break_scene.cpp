#include "tools/sim/break_scene.h"

#include "engine/shot_rules.h"

namespace velkor::sim {

int playBreakToContact(GameState& g, int maxTicks) {
  for (int tick = 1; tick <= maxTicks; ++tick) {
    if (advanceBreakShot(g)) return tick;
  }
  return -1;
}

}  // namespace velkor::sim
