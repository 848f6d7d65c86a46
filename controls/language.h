// The language of the bilingual texts: the menu captions and the messages the rules show.
#pragma once

#include <array>
#include <string>

#include "state/game_state.h"

namespace velkor {

// True when the system locale's language is Japanese (LC_ALL, LC_MESSAGES, LANG).
bool isJapanese();
std::string getLangText(const GameState& g, const std::string& japanese,
                        const std::string& english);

// The text of the game's language in the standard message box; returns when it is closed.
void showLangMsgBox(GameState& g, const std::string& japanese, const std::string& english);

// One row of the menu captions: the item, its Japanese and its English caption.
struct MenuCaption {
  Ctl item;
  const char* japanese;
  const char* english;
};
// The twelve bilingual captions, in the order they are set.
const std::array<MenuCaption, 12>& menuCaptions();
void setMenuCaptions(GameState& g);

}  // namespace velkor
