#include "screen/logic/startup.h"

#include <algorithm>
#include <cctype>

#include "sound/send_mci.h"

namespace velkor {

namespace {
std::string lower(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

}  // namespace

bool hasSwitch(std::string_view commandLine, std::string_view sw) {
  return lower(commandLine).find(lower(sw)) != std::string::npos;
}

void Form_Unload(GameState& g) {
  closeAllTracks(g);
  g.screen->endProgram();
}

}  // namespace velkor
