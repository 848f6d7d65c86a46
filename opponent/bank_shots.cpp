#include "opponent/shot_plan.h"

namespace velkor {

// Seams until the bank and fallback choosers stand: they accept nothing.
void chooseBankShot(GameState&, ShotPlan&) {}
void chooseBankCombinationShot(GameState&, ShotPlan&) {}
void chooseThinHitShot(GameState&, ShotPlan&) {}
void chooseCushionHitShot(GameState&, ShotPlan&) {}

}  // namespace velkor
