// Commands of the rack group.
#include "tools/sim/sim.h"

namespace velkor::sim {

void addRackCommands(CommandTable&) {}

}  // namespace velkor::sim
