// Hooks the menu bar, the title screen, the labels above the table, the records screen's
// "Menu" label and the match set-up stand-in into the main window.
#pragma once

#include "screen/qt/main_window.h"

namespace velkor {

class TitleScreen;

// Call once, after the main window is built and before start-up runs.
TitleScreen* installMenusAndTitle(MFVELKOR& window);

}  // namespace velkor
