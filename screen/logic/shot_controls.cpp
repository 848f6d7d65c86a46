#include "screen/logic/shot_controls.h"

#include "engine/rack.h"
#include "engine/shot_rules.h"

namespace velkor {

void cmdShot_Click(GameState& g) { startShot(g); }

}  // namespace velkor
