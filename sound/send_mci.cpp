#include "sound/send_mci.h"

namespace velkor {

// Seam, filled when the music device is built: every command fails silently, as an unknown
// device would.
void sendMci(GameState&, const std::string&) {}

}  // namespace velkor
