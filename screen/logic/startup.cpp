#include "screen/logic/startup.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "sound/send_mci.h"

namespace velkor {

namespace {
std::string lower(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

std::string iniFolder(const GameState& g) {
  if (!g.iniDir.empty()) return g.iniDir.back() == '/' ? g.iniDir : g.iniDir + '/';
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  std::string base;
  if (xdg && *xdg) {
    base = xdg;
  } else {
    const char* home = std::getenv("HOME");
    base = std::string(home ? home : ".") + "/.config";
  }
  return base + "/velkor/";
}
}  // namespace

bool hasSwitch(std::string_view commandLine, std::string_view sw) {
  return lower(commandLine).find(lower(sw)) != std::string::npos;
}

std::string settingsFilePath(const GameState& g) { return iniFolder(g) + "VELKOR.INI"; }

void Form_Unload(GameState& g) {
  for (std::size_t row = 0; row <= 4; ++row) sendMci(g, "close " + g.trackTable[row].file);
  g.screen->endProgram();
}

}  // namespace velkor
