// Commands of the geometry group.
#include "tools/sim/sim.h"

namespace velkor::sim {

void addGeometryCommands(CommandTable&) {}

}  // namespace velkor::sim
