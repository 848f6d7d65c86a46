#include "screen/logic/menu_handlers.h"

#include "engine/rack.h"
#include "screen/logic/shot_controls.h"

namespace velkor {

void mnuStart_click(GameState& g) {
  centreSpinMarker(g);
  startRack(g);
  g.form.setVisible(Ctl::picMenu, false);
}

}  // namespace velkor
