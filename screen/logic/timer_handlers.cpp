#include "screen/logic/timer_handlers.h"

#include "engine/rack.h"
#include "engine/shot_rules.h"
#include "screen/logic/menu_handlers.h"

namespace velkor {

// timCom (the computer's turn) and timBGM (the music) are seams: they get their handlers
// when those are built, and tick without effect until then.
void bindTimerHandlers(GameState& g) {
  g.Timer1.setHandler([&g] { Timer1_Timer(g); });
  g.Timer2.setHandler([&g] { Timer2_Timer(g); });
  g.timTimeCounter.setHandler([&g] { timTimeCounter_Timer(g); });
  g.timDemo.setHandler([&g] { timDemo_Timer(g); });
}

}  // namespace velkor
