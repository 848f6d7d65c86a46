#include "engine/timer_handlers.h"

#include "engine/rack.h"

namespace velkor {

void bindTimerHandlers(GameState& g) {
  g.Timer2.setHandler([&g] { Timer2_Timer(g); });
}

}  // namespace velkor
