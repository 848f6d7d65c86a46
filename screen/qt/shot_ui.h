// Connects the player's hand and the small windows to the main window: the table picture,
// the spin picture, the power bar and the shot button; the opening and version windows.
#pragma once

namespace velkor {

class MFVELKOR;

void installShotUi(MFVELKOR& window);

}  // namespace velkor
