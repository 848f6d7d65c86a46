// The language of the bilingual texts.
#pragma once

#include <string>

#include "engine/game_state.h"

namespace velkor {

// True when the system locale's language is Japanese (LC_ALL, LC_MESSAGES, LANG).
bool isJapanese();
std::string getLangText(const GameState& g, const std::string& japanese,
                        const std::string& english);

}  // namespace velkor
