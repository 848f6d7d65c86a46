// The computer's shot: the choosers run in an order set by its level, then the power,
// the aiming error and the aim marker follow from the plan they leave.
#pragma once

#include <functional>

#include "opponent/shot_plan.h"
#include "state/game_state.h"

namespace velkor {

// Told after each chooser the driver runs: its name, whether it changed the plan, and the
// plan as it left it. The game passes none; the scenario driver and tests listen.
using ChooserObserver =
    std::function<void(const char* chooser, bool accepted, const ShotPlan& plan)>;

void playComputerShot(GameState& g);
void playComputerShot(GameState& g, const ChooserObserver& observer);

// The chance of an aiming error at a level.
Single getAimErrorRate(Integer level);

// The power bar's value for a plan's two path lengths at a level: 100 below level 3, else the
// whole part of the summed length / 16 held to 35..100.
Integer getComputerPower(Integer level, Single cueTravel, Single objTravel);

// Whether the upper levels try a bank after the pocketing choosers left this best cut:
// level 9 above 30 degrees, 10 above 20, 11 above 10; never below level 9.
bool triesBankAfter(Integer level, Single bestCut);

}  // namespace velkor
