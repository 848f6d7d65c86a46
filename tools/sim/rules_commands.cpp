// Commands of the rules group.
#include "tools/sim/sim.h"

namespace velkor::sim {

void addRulesCommands(CommandTable&) {}

}  // namespace velkor::sim
