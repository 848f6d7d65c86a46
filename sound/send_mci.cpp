#include "sound/send_mci.h"

namespace velkor {

Integer sendMci(GameState& g, const std::string& command) {
  g.audio->mciSendString(command);
  return 0;
}

void closeAllTracks(GameState& g) {
  for (std::size_t row = 0; row <= 4; ++row) sendMci(g, "close " + g.trackTable[row].file);
}

}  // namespace velkor
