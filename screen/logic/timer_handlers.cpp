#include "screen/logic/timer_handlers.h"

#include "engine/rack.h"
#include "engine/shot_rules.h"
#include "opponent/computer_turn.h"
#include "screen/logic/menu_handlers.h"
#include "sound/music_timer.h"

namespace velkor {

void bindTimerHandlers(GameState& g) {
  g.Timer1.setHandler([&g] { Timer1_Timer(g); });
  g.Timer2.setHandler([&g] { Timer2_Timer(g); });
  g.timCom.setHandler([&g] { timCom_Timer(g); });
  g.timTimeCounter.setHandler([&g] { timTimeCounter_Timer(g); });
  g.timDemo.setHandler([&g] { timDemo_Timer(g); });
  g.timBGM.setHandler([&g] { timBGM_Timer(g); });
}

}  // namespace velkor
