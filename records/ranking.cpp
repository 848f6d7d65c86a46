#include "records/ranking.h"

namespace velkor {

// Until the tables are ranked, no result enters them, so nothing is sorted or saved.
bool doseLankInSolo(GameState&) { return false; }
void sortSoloRecord(GameState&) {}
bool doseLankInVSCpu(GameState&) { return false; }
void sortVsCPURecord(GameState&) {}
void storeSoloRecord(GameState&) {}
void storeVsCpuRecord(GameState&) {}

}  // namespace velkor
