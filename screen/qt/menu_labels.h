// The labels that lead out of a game: "Menu", "Start" and "Back" above the table, and the
// records screen's "Menu". Each mirrors its control of g.form and runs the game's handlers.
#pragma once

#include <QWidget>

#include "state/game_state.h"
#include "screen/qt/control_widgets.h"

namespace velkor {

// lblMenu0..2 on the main window (over the status strip) or lblExitScore on picScore.
ControlLabel* makeMenuLabel(GameState& g, Ctl c, QWidget* parent);

}  // namespace velkor
