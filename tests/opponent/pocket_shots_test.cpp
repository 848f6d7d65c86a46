#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "opponent/shot_choice.h"
#include "opponent/shot_plan.h"
#include "support/chooser_table.h"

namespace velkor {
namespace {

using testing::ChooserTable;
using testing::Pt;
using testing::dist;
using testing::ghost;
using testing::pt;

const Pt kP1{50, 1150}, kP4{50, 50};

// Cue ball, target and pocket 1 on one line: a full-ball pot, every other pocket a back cut.
class StraightPot : public ChooserTable {
 protected:
  StraightPot() {
    put(0, 700, 500);
    put(1, 400, 800);
  }
  const Pt C{700, 500}, T{400, 800};
};

TEST_F(StraightPot, SimpleShotAimsAtTheGhostPointAndSaysSo) {
  chooseSimpleShot(g, plan);
  ASSERT_TRUE(plan.found);
  const Pt G = ghost(T, kP1);
  EXPECT_AT(plan.aim, G.x, G.y, 0.01);
  EXPECT_LT(plan.bestCut, 0.001f);
  EXPECT_NEAR(plan.cueTravel, dist(C, G), 0.01);
  EXPECT_NEAR(plan.objTravel, dist(T, kP1), 0.01);
  EXPECT_EQ(caption(), "Simple is best.");
  EXPECT_EQ(remarks.size(), 1u);
}

TEST_F(StraightPot, RemarkFollowsTheLanguage) {
  g.japaneseUI = true;
  chooseSimpleShot(g, plan);
  EXPECT_EQ(caption(), "素直が一番。");
}

TEST_F(StraightPot, AnEqualCutDoesNotReplaceTheShotHeld) {
  chooseSimpleShot(g, plan);
  ShotPlan again;
  again.bestCut = plan.bestCut;
  g.form.setCaption(Ctl::lblQuibsMessage, "before");
  chooseSimpleShot(g, again);
  EXPECT_FALSE(again.found);
  EXPECT_EQ(again.cueTravel, 4800);
  EXPECT_EQ(caption(), "before");
}

TEST_F(StraightPot, ABallInTheTargetsWayDoesNotStopASimpleShot) {
  put(2, 225, 975);  // on the line from the target to pocket 1
  chooseSimpleShot(g, plan);
  ASSERT_TRUE(plan.found);
  const Pt G = ghost(T, kP1);
  EXPECT_AT(plan.aim, G.x, G.y, 0.01);
}

TEST_F(StraightPot, NoTargetLeavesThePlanAlone) {
  g.balls[1].onTable = false;
  chooseSimpleShot(g, plan);
  chooseDirectOrCombinationShot(g, plan);
  chooseObjectBankShot(g, plan);
  EXPECT_FALSE(plan.found);
  EXPECT_TRUE(remarks.empty());
}

}  // namespace
}  // namespace velkor
