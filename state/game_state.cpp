#include "state/game_state.h"

namespace velkor {

GameState::GameState() : random(&ownRandom_) {
  Timer1.setInterval(50);
  Timer2.setInterval(10);
  timCom.setInterval(100);
  timDemo.setInterval(1000);
  timTimeCounter.setInterval(1000);
  timBGM.setInterval(500);
}

}  // namespace velkor
