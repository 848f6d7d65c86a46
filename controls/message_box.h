// The game's own modal message box: sized to its text and centred on the main window.
#pragma once

#include <string>

#include "state/game_state.h"

namespace velkor {

// The window's design, in twips.
struct MsgBoxDesign {
  Single height = 1800;       // outer height of the box
  Single labelTop = 240;      // lblMsg
  Single labelFontSize = 18;  // points, Arial; enters the width estimate
  Single okTop = 900;         // picOK
  Single okWidth = 1200;      // picOK; sets the smallest box
  Single okHeight = 450;
};

// The box for a text on a main window at the place and size that the Form holds.
MsgBoxLayout layoutMessageBox(const GameState& g, const std::string& text,
                              const MsgBoxDesign& design = {});

// Sizes the box to the text, centres it on the main window and shows it; returns when closed.
void showMessage(GameState& g, const std::string& text);

}  // namespace velkor
