// Commands that move the balls.
#include "tools/sim/sim.h"

namespace velkor::sim {

void addPhysicsCommands(CommandTable&) {}

}  // namespace velkor::sim
