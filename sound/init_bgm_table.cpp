#include "sound/init_bgm_table.h"

namespace velkor {

// The music has no tracks yet; the table keeps its empty rows.
void initBgmTable(GameState&) {}

}  // namespace velkor
