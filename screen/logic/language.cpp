#include "screen/logic/language.h"

#include <cstdlib>
#include <string_view>

namespace velkor {

bool isJapanese() {
  // The C library's order: the first of these that is set and non-empty decides.
  for (const char* var : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* v = std::getenv(var);
    if (v && *v) return std::string_view(v).substr(0, 2) == "ja";
  }
  return false;
}

std::string getLangText(const GameState& g, const std::string& japanese,
                        const std::string& english) {
  return g.japaneseUI ? japanese : english;
}

}  // namespace velkor
