// Commands of the records group.
#include "tools/sim/sim.h"

namespace velkor::sim {

void addRecordsCommands(CommandTable&) {}

}  // namespace velkor::sim
