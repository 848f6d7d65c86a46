// The computer's plan for one shot and the seven shot choosers that improve it in turn.
// Only the shot driver calls the choosers; each writes the plan only when its candidate wins.
#pragma once

#include "state/game_state.h"

namespace velkor {

struct ShotPlan {
  TablePoint aim{};
  Single bestCut = 3.1415925f;  // the Single just below pi
  Single cueTravel = 4800;
  Single objTravel = 4800;
  bool found = false;
};

// Pots of the target: direct, through the ball in its way, and off the cushion beyond it.
void chooseSimpleShot(GameState& g, ShotPlan& plan);
void chooseDirectOrCombinationShot(GameState& g, ShotPlan& plan);
void chooseObjectBankShot(GameState& g, ShotPlan& plan);

// The cue ball banked into a pot, and the two fallbacks that only try to hit the target.
void chooseBankShot(GameState& g, ShotPlan& plan);
void chooseBankCombinationShot(GameState& g, ShotPlan& plan);
void chooseThinHitShot(GameState& g, ShotPlan& plan);
void chooseCushionHitShot(GameState& g, ShotPlan& plan);

}  // namespace velkor
