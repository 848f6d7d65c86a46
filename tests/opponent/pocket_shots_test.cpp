#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <vector>

#include "opponent/obstruction.h"
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
using testing::angleBetween;
using testing::deg;

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


// Cue ball, target and the pockets 1 and 4 mirror images across y = 600: equal cuts.
TEST_F(ChooserTable, EqualCutsKeepTheLowerPocket) {
  put(0, 1200, 600);
  put(1, 600, 600);
  const TablePoint T{600, 600}, C{1200, 600};
  const TablePoint G1 = shot_choice::ghostPoint(T, g.pocketPoints[1]);
  const TablePoint G4 = shot_choice::ghostPoint(T, g.pocketPoints[4]);
  ASSERT_EQ(shot_choice::cutAngle(C, G1, T, g.pocketPoints[1]),
            shot_choice::cutAngle(C, G4, T, g.pocketPoints[4]));
  chooseSimpleShot(g, plan);
  ASSERT_TRUE(plan.found);
  EXPECT_EQ(plan.aim.y, G1.y);
  EXPECT_EQ(remarks.size(), 1u);
}

// What keeps the one pot of the straight table from being taken: a ball near its ghost point
// (not in the cue ball's way) or in the cue ball's way.
struct RefusalCase {
  const char* what;
  double offsetAngleDeg;  // from the cue ball's heading at the ghost point, turned clockwise
  double offset;          // distance of ball 2 from the ghost point
  bool found;
};
std::ostream& operator<<(std::ostream& o, const RefusalCase& c) { return o << c.what; }

class SimpleRefusal : public StraightPot, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(SimpleRefusal, OnlyAFreeGhostPointWithAClearWayIsTaken) {
  const RefusalCase c = GetParam();
  const Pt G = ghost(T, kP1);
  const double heading = std::atan2(G.y - C.y, G.x - C.x) - c.offsetAngleDeg * 3.14159265358979 / 180;
  put(2, G.x + c.offset * std::cos(heading), G.y + c.offset * std::sin(heading));
  chooseSimpleShot(g, plan);
  EXPECT_EQ(plan.found, c.found);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SimpleRefusal,
    ::testing::Values(RefusalCase{"beside the ghost point, 99 away", 70, 99, false},
                      RefusalCase{"beside the ghost point, 101 away", 70, 101, true},
                      RefusalCase{"in the cue ball's way", 180, 160, false},
                      RefusalCase{"beside the cue ball's way", 90, 100.5, true}));

// With the cue ball at least a diameter from the ghost point, a back cut always passes the
// target on the way, so no pot beyond 90 degrees is ever taken.
TEST_F(ChooserTable, NoPocketingShotCutsBeyondARightAngle) {
  int found = 0;
  for (int i = 0; i < 72; ++i) {
    const double a = i * 5 * 3.14159265358979 / 180;
    sim::clearTable(g);
    put(1, 1200, 600);
    put(0, 1200 + 300 * std::cos(a), 600 + 300 * std::sin(a));
    for (auto choose : {chooseSimpleShot, chooseDirectOrCombinationShot}) {
      ShotPlan p;
      choose(g, p);
      if (!p.found) continue;
      ++found;
      EXPECT_LE(p.bestCut, kPi / 2) << "cue at " << i * 5 << " degrees";
    }
  }
  EXPECT_GT(found, 100);
}

// Pocket 1 is open; ball 2 lies in the target's way to pocket 4, which gives the smaller cut.
class CombinationTable : public ChooserTable {
 protected:
  CombinationTable() {
    put(0, 1100, 800);
    put(1, 600, 600);
    put(2, 380, 300);
  }
  const Pt C{1100, 800}, T{600, 600};
};

TEST_F(CombinationTable, RemarkChangesWhenABlockedPocketWinsLater) {
  chooseDirectOrCombinationShot(g, plan);
  ASSERT_EQ(remarks, (std::vector<std::string>{"Easy for me.", "Combination Shot!"}));
  const Pt G1 = ghost(T, kP1);
  EXPECT_AT(accepted[0].aim, G1.x, G1.y, 0.01);
  // The target is sent into ball 2 so that ball 2 drops; the cut stays the target's own.
  const Pt G = ghost(T, ghost({380, 300}, kP4));
  EXPECT_AT(plan.aim, G.x, G.y, 0.01);
  EXPECT_NEAR(plan.bestCut, angleBetween({G.x - C.x, G.y - C.y}, {kP4.x - T.x, kP4.y - T.y}), 1e-5);
  EXPECT_NEAR(deg(plan.bestCut), 30.8, 0.05);
  EXPECT_NEAR(plan.objTravel, dist(T, kP4), 0.01);
  EXPECT_NEAR(plan.cueTravel, dist(C, G), 0.01);
}

TEST_F(CombinationTable, JapaneseRemarks) {
  g.japaneseUI = true;
  chooseDirectOrCombinationShot(g, plan);
  EXPECT_EQ(remarks, (std::vector<std::string>{"簡単、簡単♪", "コンビネーションショット！"}));
}

TEST_F(CombinationTable, GoesThroughTheLowestNumberedBlockerNotTheNearest) {
  put(3, 430, 470);  // nearer the target, but ball 2 has the lower number
  put(2, 200, 260);
  chooseDirectOrCombinationShot(g, plan);
  const Pt G = ghost(T, ghost({200, 260}, kP4));
  EXPECT_AT(plan.aim, G.x, G.y, 0.01);
  EXPECT_EQ(caption(), "Combination Shot!");
}

TEST_F(CombinationTable, SimpleShotIgnoresTheBlockerAndPotsStraight) {
  chooseSimpleShot(g, plan);
  const Pt G = ghost(T, kP4);
  EXPECT_AT(plan.aim, G.x, G.y, 0.01);
}

TEST_F(StraightPot, DirectShotOnAnOpenTableIsTheSimpleShot) {
  ShotPlan simple;
  chooseSimpleShot(g, simple);
  chooseDirectOrCombinationShot(g, plan);
  EXPECT_EQ(plan.aim.x, simple.aim.x);
  EXPECT_EQ(plan.aim.y, simple.aim.y);
  EXPECT_EQ(plan.bestCut, simple.bestCut);
  EXPECT_EQ(caption(), "Easy for me.");
}

// A target near a cushion can have its ghost point beyond the cushion line, where the cue
// ball's centre can never be: that pot is refused and the next one stands, or none.
struct GhostOutsideCase {
  const char* what;
  std::vector<Pt> balls;  // cue ball, target, then any others
  bool found;
  Pt aim;  // the ghost point that stands
};
std::ostream& operator<<(std::ostream& o, const GhostOutsideCase& c) { return o << c.what; }

class GhostOutside : public ChooserTable, public ::testing::WithParamInterface<GhostOutsideCase> {};

TEST_P(GhostOutside, APotWhoseGhostPointLiesBeyondACushionIsRefused) {
  const GhostOutsideCase c = GetParam();
  for (std::size_t n = 0; n < c.balls.size(); ++n) {
    put(static_cast<int>(n), c.balls[n].x, c.balls[n].y);
  }
  for (auto choose : {chooseSimpleShot, chooseDirectOrCombinationShot}) {
    plan = ShotPlan{};
    accepted.clear();
    choose(g, plan);
    for (const Accepted& a : accepted) EXPECT_TRUE(isInTable(a.aim.x, a.aim.y));
    ASSERT_EQ(plan.found, c.found);
    if (c.found) EXPECT_AT(plan.aim, c.aim.x, c.aim.y, 0.01);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GhostOutside,
    ::testing::Values(
        // Pocket 1's ghost point lies below the bottom cushion line; pocket 4, a thicker
        // cut, stands.
        GhostOutsideCase{"next pocket stands", {{2330, 60}, {2200, 90}}, true,
                         ghost({2200, 90}, kP4)},
        // Ball 2 bars the way along the top cushion; the only other pot, into pocket 4, needs
        // the cue ball above the top cushion line.
        GhostOutsideCase{"nothing stands", {{2340, 1100}, {1900, 1130}, {2180, 1020}}, false, {}}));

// A target on a cushion line, potted along that cushion into the corner: its ghost point lies
// on the line itself, which is not inside. One unit in from the cushion the same pot is taken.
struct GhostBoundCase {
  const char* what;
  Pt cue, target;
  std::size_t pocket;
  bool alongX;  // the ghost point's x lies on the bound (else its y)
  Single bound;
  Pt inward;  // one unit in from the cushion
};
std::ostream& operator<<(std::ostream& o, const GhostBoundCase& c) { return o << c.what; }

class GhostBound : public ChooserTable, public ::testing::WithParamInterface<GhostBoundCase> {};

TEST_P(GhostBound, AGhostPointOnACushionLineIsRefused) {
  const GhostBoundCase c = GetParam();
  // The ghost point comes through a Single direction and pi as 3.1415926, so on the left and
  // bottom the target is moved a float step or so until its ghost point lands on the line.
  const TablePoint start{static_cast<Single>(c.target.x), static_cast<Single>(c.target.y)};
  TablePoint T = start;
  const auto onBound = [&](TablePoint t) {
    const TablePoint G = shot_choice::ghostPoint(t, g.pocketPoints[c.pocket]);
    return (c.alongX ? G.x : G.y) == c.bound;
  };
  for (int i = 0; i < 8 && !onBound(T); ++i) {  // one float step up, one down, two up, ...
    T = start;
    Single& along = c.alongX ? T.x : T.y;
    for (int k = 0; k <= i / 2; ++k) along = std::nextafter(along, i % 2 ? 0.0f : 3000.0f);
  }
  ASSERT_TRUE(onBound(T));
  for (auto choose : {chooseSimpleShot, chooseDirectOrCombinationShot}) {
    sim::clearTable(g);
    put(0, c.cue.x, c.cue.y);
    put(1, T.x, T.y);
    plan = ShotPlan{};
    choose(g, plan);
    // Every other pocket is a back cut through the target or has its ghost point beyond a line.
    EXPECT_FALSE(plan.found);

    put(1, c.inward.x, c.inward.y);
    plan = ShotPlan{};
    choose(g, plan);
    ASSERT_TRUE(plan.found);
    const Pt G = ghost(c.inward, pt(g.pocketPoints[c.pocket]));
    EXPECT_AT(plan.aim, G.x, G.y, 0.01);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GhostBound,
    ::testing::Values(
        GhostBoundCase{"left, x = 50", {100, 1000}, {50, 600}, 4, true, 50, {51, 600}},
        GhostBoundCase{"right, x = 2350", {2300, 1000}, {2350, 600}, 6, true, 2350, {2349, 600}},
        GhostBoundCase{"bottom, y = 50", {200, 100}, {600, 50}, 5, false, 50, {600, 51}},
        GhostBoundCase{"top, y = 1150", {1000, 1100}, {600, 1150}, 1, false, 1150, {600, 1149}}));

// Only the target's own ghost point must lie inside: ball 2, near the top cushion, would need
// the target beyond that cushion to be sent into pocket 6, and the combination still stands.
TEST_F(ChooserTable, AHelperBallsGhostPointBeyondTheCushionDoesNotRefuseTheCombination) {
  put(0, 310, 930);
  put(1, 500, 1060);
  put(2, 580, 1130);
  const TablePoint GB = shot_choice::ghostPoint({580, 1130}, g.pocketPoints[6]);
  ASSERT_FALSE(isInTable(GB.x, GB.y));
  chooseDirectOrCombinationShot(g, plan);
  ASSERT_TRUE(plan.found);
  const TablePoint G = shot_choice::ghostPoint({500, 1060}, GB);
  EXPECT_AT(plan.aim, G.x, G.y, 0);
  EXPECT_EQ(caption(), "Combination Shot!");
}

// The target banked off the top cushion: images of pockets 4, 5 and 6 beyond it.
class ObjectBankTable : public ChooserTable {
 protected:
  void setUp(Pt cue, Pt target) {
    put(0, cue.x, cue.y);
    put(1, target.x, target.y);
  }
};

TEST_F(ObjectBankTable, TriesTheImagesInOrderAndScoresTheWholeWay) {
  setUp({1000, 300}, {1200, 700});
  chooseObjectBankShot(g, plan);
  EXPECT_AT(g.pocketPoints[7], 50, 2300, 0);
  EXPECT_AT(g.pocketPoints[9], 2350, 2300, 0);
  ASSERT_EQ(accepted.size(), 3u);  // images 7, 8, 9, each a thinner cut than the next
  EXPECT_NEAR(deg(accepted[0].cut), 74.73, 0.01);
  EXPECT_NEAR(deg(accepted[1].cut), 33.69, 0.01);
  const Pt G = ghost({1200, 700}, {2350, 2300});
  EXPECT_AT(plan.aim, G.x, G.y, 0.01);
  EXPECT_NEAR(deg(plan.bestCut), 11.75, 0.01);
  EXPECT_NEAR(plan.objTravel, dist({1200, 700}, {2350, 2300}), 0.01);
  EXPECT_NEAR(plan.cueTravel, dist({1000, 300}, G), 0.01);
  EXPECT_EQ(caption(), ".......");
}

TEST_F(ObjectBankTable, RemarkSaysWhetherTheTargetsWayToTheCushionIsBlocked) {
  g.japaneseUI = true;
  setUp({1000, 300}, {1200, 700});
  put(2, 1316.8, 862.4);  // on the target's way to image 9 only
  chooseObjectBankShot(g, plan);
  EXPECT_EQ(remarks, (std::vector<std::string>{"的球のバンクだとはいるかな？",
                                               "的球のバンクだとはいるかな？", "これは無理かな～"}));
}

TEST_F(ObjectBankTable, AFullBallBankUnderTenDegreesIsRefused) {
  setUp({1200, 300}, {1200, 700});  // image 8 straight ahead: cut 0
  chooseObjectBankShot(g, plan);
  ASSERT_TRUE(plan.found);
  EXPECT_NEAR(deg(plan.bestCut), 46.08, 0.01);
  EXPECT_GT(std::fabs(plan.aim.x - 1200), 50);
}

TEST_F(ObjectBankTable, AGhostPointOnTheZonesEdgeIsRefused) {
  setUp({1100, 600}, {1200, 1080});  // image 8's ghost point at y = 980, the others beyond
  chooseObjectBankShot(g, plan);
  EXPECT_FALSE(plan.found);
  EXPECT_TRUE(remarks.empty());
}

TEST_F(ObjectBankTable, OnAShortCushionTheRepeatedImageNeverReplacesItself) {
  setUp({1500, 600}, {1000, 650});  // towards the left cushion; image 7 is under 10 degrees
  chooseObjectBankShot(g, plan);
  EXPECT_AT(g.pocketPoints[8], -2300, 50, 0);
  EXPECT_AT(g.pocketPoints[9], -2300, 50, 0);
  ASSERT_EQ(accepted.size(), 1u);
  const Pt G = ghost({1000, 650}, {-2300, 50});
  EXPECT_AT(plan.aim, G.x, G.y, 0.01);
  EXPECT_NEAR(deg(plan.bestCut), 19.9, 0.01);
}

TEST_F(ObjectBankTable, DoesNotReplaceABetterPot) {
  setUp({1000, 300}, {1200, 700});
  plan.bestCut = 0.1f;
  chooseObjectBankShot(g, plan);
  EXPECT_FALSE(plan.found);
}

}  // namespace
}  // namespace velkor
