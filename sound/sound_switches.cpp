#include "sound/sound_switches.h"

namespace velkor {

// The switches come with the sound and music; until then a click leaves everything as it is.
void mnuSound_Click(GameState&) {}
void picSound_Click(GameState&, Integer) {}
void picBGM_Click(GameState&, Integer) {}

}  // namespace velkor
