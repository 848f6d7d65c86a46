// What the seven shot choosers share: the target and cue ball as a call sees them, the ghost
// point, the cut measure and the one way a candidate is written into the plan.
#pragma once

#include <array>
#include <optional>

#include "opponent/shot_plan.h"
#include "state/game_state.h"

namespace velkor::shot_choice {

struct Scene {
  Integer t;     // the target: the lowest object ball on the table
  TablePoint T;  // its centre
  TablePoint C;  // the cue ball's centre
};

// Empty when no object ball is left: there is nothing to choose a shot for.
std::optional<Scene> readScene(const GameState& g);

// Where the cue ball's centre stands at contact to drive the ball at b towards p.
TablePoint ghostPoint(TablePoint b, TablePoint p);

// How thin a pot is: the angle between the cue ball's arrival (from -> contact) and the
// target's way to its pocket (T -> pocket); 0 is a full-ball pot.
Single cutAngle(TablePoint from, TablePoint contact, TablePoint T, TablePoint pocket);

struct Remark {
  const char* japanese;
  const char* english;
};

// Writes an accepted shot into the plan and shows its remark; bestCut is the caller's.
void writeShot(GameState& g, ShotPlan& plan, TablePoint aim, Single cueTravel, Single objTravel,
               const Remark& remark);

// Accepts a candidate only when its cut beats the plan's: on an equal cut the earlier stays.
bool offerShot(GameState& g, ShotPlan& plan, TablePoint aim, Single cut, Single cueTravel,
               Single objTravel, const Remark& remark);

// Per pocket 1..6: the ghost point that pots the target there, directly or, when a ball lies
// in the target's way, through the lowest such ball; and whether that way is blocked.
struct PotCandidates {
  std::array<TablePoint, 7> ghost{};
  std::array<bool, 7> blocked{};
};
PotCandidates combinationCandidates(const GameState& g, const Scene& s);

}  // namespace velkor::shot_choice
