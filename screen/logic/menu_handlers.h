// Handlers of the menu bar, the title screen, the in-game labels above the table, the records
// screen's "Menu" label and the title screen's idle timer that starts the demonstration.
// Handlers of control arrays take the element's index; the title pictures accept any index.
#pragma once

#include <cstdint>

#include "state/game_state.h"

namespace velkor {

// Colours of the labels: normal and under the mouse.
constexpr std::uint32_t kMenuLabelColor = rgb(192, 0, 192);
constexpr std::uint32_t kHelpLabelColor = rgb(128, 0, 128);
constexpr std::uint32_t kHoverColor = rgb(255, 0, 255);

// More idle seconds than this on the title screen start the demonstration.
constexpr Integer kIdleSecondsBeforeDemo = 30;

// Names of the help file and the help page, next to the program.
inline constexpr const char* kHelpFile = "velkor.HLP";
inline constexpr const char* kHelpPage = "help.html";

// The shot button's caption in a solo game begun with the title screen's Solo Play.
inline constexpr const char* kSoloPlayShotCaption = "Shot!";

// Menu bar.
void mnuStart_click(GameState& g);
void mnuRetry_Click(GameState& g);
void mnuExit_Click(GameState& g);
void mnuChangeMode_Click(GameState& g);
void mnuCurrentCondition_Click(GameState& g);
void mnuHelpCont_Click(GameState& g);
void mnuKey_Click(GameState& g);
void mnuAbout_Click(GameState& g);

// The labels "Menu", "Start" and "Back" (index 0, 1, 2) above the table.
void lblMenu_Click(GameState& g, Integer index);
void lblMenu_MouseMove(GameState& g, Integer index);
void Form_MouseMove(GameState& g);
void picInfomation_MouseMove(GameState& g);

// Help label, copyright line and the records screen's "Menu" label.
void lblHelp_Click(GameState& g);
void lblCopyright_Click(GameState& g, Integer index);
void lblHelp_MouseMove(GameState& g);
void lblExitScore_Click(GameState& g);

// Title screen buttons.
void picSoloPlay_Click(GameState& g, Integer index);
void picVSCPU_Click(GameState& g, Integer index);
void picVSPlay_Click(GameState& g, Integer index);
void picExit_Click(GameState& g, Integer index);
void picRecord_Click(GameState& g, Integer index);
void picSoloPlay_MouseMove(GameState& g, Integer index);
void picVSCPU_MouseMove(GameState& g, Integer index);
void picVSPlay_MouseMove(GameState& g, Integer index);
void picExit_MouseMove(GameState& g, Integer index);
void picRecord_MouseMove(GameState& g, Integer index);
void picMenu_MouseMove(GameState& g);
void picMenu_DblClick(GameState& g);
// Shows the normal picture of every title button and hides every highlighted one.
void setAllMenuPicOff(GameState& g);

// The records screen: a click anywhere hides it.
void picScore_Click(GameState& g);

// One tick (1 s) of the title screen's idle timer.
void timDemo_Timer(GameState& g);

}  // namespace velkor
