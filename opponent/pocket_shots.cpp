#include "opponent/shot_plan.h"

namespace velkor {

// Seams until the pocketing choosers stand: they accept nothing.
void chooseSimpleShot(GameState&, ShotPlan&) {}
void chooseDirectOrCombinationShot(GameState&, ShotPlan&) {}
void chooseObjectBankShot(GameState&, ShotPlan&) {}

}  // namespace velkor
