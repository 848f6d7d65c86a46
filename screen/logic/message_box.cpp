#include "screen/logic/message_box.h"

namespace velkor {

void showMessage(GameState& g, const std::string& text) { g.screen->showMessageBox(text); }

}  // namespace velkor
