#include "sound/send_mci.h"

namespace velkor {

// No music device yet: every command fails silently, as an unknown device would.
void sendMci(GameState&, const std::string&) {}

}  // namespace velkor
