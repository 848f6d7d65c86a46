#include "opponent/load_quib_level.h"

namespace velkor {

// Seam, filled when the score file keeps the level: the computer starts at its first level.
void loadQuibLevel(GameState&) {}

}  // namespace velkor
