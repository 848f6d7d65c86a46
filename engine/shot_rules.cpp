#include "engine/shot_rules.h"

#include "platform/text.h"

namespace velkor {

Integer getTurnPlayerIndex(const GameState& g, Integer turn) {
  const int b = g.players[0].isBreaker ? 0 : 1;
  return static_cast<Integer>((turn + b) % 2);
}

std::string getPlayerName(const GameState& g, Integer turn) {
  return trimBlanks(g.players[static_cast<std::size_t>(getTurnPlayerIndex(g, turn))].name);
}

}  // namespace velkor
