// Every event hook of the main window, wired in one place: the menu bar, the title screen, the
// labels above the table, the records screen's "Menu" label, the player's hand on the table,
// the spin picture, the power bar and the shot button, the opening window and the modal
// windows this screen shows.
#pragma once

namespace velkor {

class MFVELKOR;

// Called once by the main window's constructor, when every widget stands.
void wireMainWindow(MFVELKOR& window);

}  // namespace velkor
