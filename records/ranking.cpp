#include "records/ranking.h"

namespace velkor {

// Until the tables are ranked, no result enters them, so nothing is sorted.
bool doseLankInSolo(GameState&) { return false; }
void sortSoloRecord(GameState&) {}
bool doseLankInVSCpu(GameState&) { return false; }
void sortVsCPURecord(GameState&) {}

}  // namespace velkor
