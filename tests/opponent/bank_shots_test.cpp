#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "opponent/obstruction.h"
#include "opponent/shot_choice.h"
#include "opponent/shot_plan.h"
#include "support/chooser_table.h"

namespace velkor {
namespace {

using testing::angleBetween;
using testing::ChooserTable;
using testing::deg;
using testing::dist;
using testing::ghost;
using testing::Pt;

// The cue ball low on the left, the target above it: every pocket can be tried off every
// cushion, and the acceptances tell the order apart.
class BankTable : public ChooserTable {
 protected:
  BankTable() {
    put(0, 1000, 300);
    put(1, 1200, 700);
  }
  const Pt C{1000, 300}, T{1200, 700};
  std::vector<double> cutsInDegrees() const {
    std::vector<double> d;
    for (const Accepted& a : accepted) d.push_back(std::round(deg(a.cut) * 100) / 100);
    return d;
  }
};

TEST_F(BankTable, PocketsOuterCushionsInnerAndTheCushionPointIsTheAim) {
  chooseBankShot(g, plan);
  // Pocket 1 off the left cushion (a cut beyond 90 degrees is no bar), off the right, then
  // pocket 3 off the left and pocket 5 off the top. Cushions outer would take pocket 2 second.
  EXPECT_EQ(cutsInDegrees(), (std::vector<double>{149.22, 12.78, 11.1, 9.46}));
  ASSERT_TRUE(plan.found);
  const Pt G{1200, 800};  // ghost point for pocket 5, straight below the target
  EXPECT_AT(plan.aim, 1141.6667, 1150, 0.001);
  const Pt A{plan.aim.x, plan.aim.y};
  EXPECT_NEAR(plan.cueTravel, dist(C, A) + dist(A, G), 0.01);
  EXPECT_NEAR(plan.objTravel, 650, 0.001);
  EXPECT_NEAR(plan.bestCut, angleBetween({G.x - A.x, G.y - A.y}, {0, -1}), 1e-5);
  EXPECT_EQ(caption(), "Bank Shot.");
}

TEST_F(BankTable, BankCombinationWithNothingBlockedProposesTheSameShots) {
  ShotPlan bank;
  chooseBankShot(g, bank);
  remarks.clear();
  accepted.clear();
  chooseBankCombinationShot(g, plan);
  EXPECT_EQ(plan.aim.x, bank.aim.x);
  EXPECT_EQ(plan.aim.y, bank.aim.y);
  EXPECT_EQ(plan.bestCut, bank.bestCut);
  EXPECT_EQ(plan.cueTravel, bank.cueTravel);
  EXPECT_EQ(remarks, std::vector<std::string>(4, "Bank Shot!"));
}

TEST_F(BankTable, BankCombinationGoesThroughTheBallInThePocketsWay) {
  put(2, 1250, 400);  // in the target's way to pocket 5, off its line
  chooseBankCombinationShot(g, plan);
  EXPECT_EQ(remarks, (std::vector<std::string>{"Bank Shot!", "Bank Shot!", "Bank Shot!",
                                               "Bank & Conbination Shot!"}));
  // Off the top cushion into the ghost point that sends the target into ball 2; the cut is
  // still the target's own way to the pocket.
  const Pt G = ghost(T, ghost({1250, 400}, {1200, 50}));
  EXPECT_AT(plan.aim, 1119.63, 1150, 0.01);
  EXPECT_NEAR(plan.bestCut, angleBetween({G.x - plan.aim.x, G.y - plan.aim.y}, {0, -1}), 1e-4);
  EXPECT_NEAR(plan.objTravel, 650, 0.001);
}

TEST_F(BankTable, JapaneseBankRemarks) {
  g.japaneseUI = true;
  chooseBankShot(g, plan);
  EXPECT_EQ(caption(), "バンクショット！");
  put(2, 1250, 400);
  ShotPlan combination;
  chooseBankCombinationShot(g, combination);
  EXPECT_EQ(caption(), "バンク＆コンビネーション！");
}

TEST_F(BankTable, ABankDoesNotReplaceAnEqualOrBetterCut) {
  chooseBankShot(g, plan);
  ShotPlan again;
  again.bestCut = plan.bestCut;
  chooseBankShot(g, again);
  chooseBankCombinationShot(g, again);
  EXPECT_FALSE(again.found);
}

TEST_F(BankTable, AGhostPointOnAnotherBallIsRefused) {
  put(2, 1230, 890);  // 95 from pocket 5's ghost point, clear of every cushion path to it
  chooseBankShot(g, plan);
  EXPECT_EQ(cutsInDegrees(), (std::vector<double>{149.22, 12.78, 11.1}));
}

// Cue ball and ghost point both on the left cushion's line: no bank point exists there, and
// the candidate must not come through as a shot aimed at nowhere.
TEST_F(ChooserTable, ABankPointWithoutADivisorIsRefused) {
  put(0, 50, 300);
  put(1, 50, 600);
  for (auto choose : {chooseBankShot, chooseBankCombinationShot}) {
    plan = ShotPlan{};
    accepted.clear();
    choose(g, plan);
    for (const Accepted& a : accepted) {
      EXPECT_TRUE(std::isfinite(a.aim.x) && std::isfinite(a.aim.y));
      EXPECT_NE(a.aim.x, 50);  // nothing off the left cushion
    }
  }
}

// A straight-up pot into pocket 2 banked off the bottom cushion, with the cushion point set
// by where the cue ball stands: on the band's edges it counts, inside it does not.
struct BandCase {
  const char* what;
  double cueX;
  bool bankOffBand;  // the bottom-cushion bank is the shot taken
  double cushionX;
};
std::ostream& operator<<(std::ostream& o, const BandCase& c) { return o << c.what; }

class BankBand : public ChooserTable, public ::testing::WithParamInterface<BandCase> {};

TEST_P(BankBand, SidePocketBandIsStrictForBanks) {
  const BandCase c = GetParam();
  put(0, c.cueX, 600);
  put(1, 1200, 700);
  ASSERT_EQ(shot_choice::ghostPoint({1200, 700}, g.pocketPoints[2]).x, 1200);
  for (auto choose : {chooseBankShot, chooseBankCombinationShot}) {
    plan = ShotPlan{};
    accepted.clear();
    choose(g, plan);
    for (const Accepted& a : accepted) {
      EXPECT_FALSE(a.aim.x > 1150 && a.aim.x < 1250 && (a.aim.y == 50 || a.aim.y == 1150));
    }
    if (c.bankOffBand) {
      EXPECT_AT(plan.aim, c.cushionX, 50, 0);
      EXPECT_NEAR(deg(plan.bestCut), 5.19, 0.01);
    } else {
      EXPECT_NE(plan.aim.y, 50);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, BankBand,
                         ::testing::Values(BandCase{"cushion point at 1150", 1100, true, 1150},
                                           BandCase{"cushion point at 1250", 1300, true, 1250},
                                           BandCase{"cushion point at 1175", 1150, false, 0}));

// Banks that cannot work: the ghost point beyond a cushion line, or the cue ball sent into a
// corner pocket's mouth (or past the corner). Each is refused and the next candidate stands.
struct BankRefusalCase {
  const char* what;
  std::vector<Pt> balls;  // cue ball, target, then any others
  Pt refused;             // the cushion point the refused bank was aimed at
  Pt aim;                 // the cushion point of the bank that stands
};
std::ostream& operator<<(std::ostream& o, const BankRefusalCase& c) { return o << c.what; }

class BankRefusal : public ChooserTable, public ::testing::WithParamInterface<BankRefusalCase> {};

TEST_P(BankRefusal, TheNextBankStands) {
  const BankRefusalCase c = GetParam();
  for (std::size_t n = 0; n < c.balls.size(); ++n) {
    put(static_cast<int>(n), c.balls[n].x, c.balls[n].y);
  }
  for (auto choose : {chooseBankShot, chooseBankCombinationShot}) {
    plan = ShotPlan{};
    accepted.clear();
    choose(g, plan);
    for (const Accepted& a : accepted) {
      EXPECT_FALSE(std::fabs(a.aim.x - c.refused.x) < 0.01 &&
                   std::fabs(a.aim.y - c.refused.y) < 0.01);
    }
    ASSERT_TRUE(plan.found);
    EXPECT_AT(plan.aim, c.aim.x, c.aim.y, 0.01);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BankRefusal,
    ::testing::Values(
        // Off the right cushion into pocket 1 would need the cue ball below the bottom line.
        BankRefusalCase{"ghost point beyond the bottom cushion",
                        {{1900, 310}, {1040, 90}, {1270, 180}},
                        {2350, 232.0525},
                        {1471.4862, 1150}},
        // Off the top cushion into pocket 4 the cue ball would reach the top cushion at
        // x = 83, in pocket 1's mouth; off the left cushion it stays on the table.
        BankRefusalCase{"cushion point in a corner mouth", {{90, 930}, {70, 720}}, {83.1935, 1150},
                        {50, 860.1305}}));

// A rack of the computer against itself at level 11 that repeated one scratch for ever: the
// bank combination off the left cushion met it beyond the table's corner, and the cue ball
// fell into pocket 1 without touching a ball.
TEST_F(ChooserTable, ABankCombinationPastTheCornerIsRefused) {
  put(0, 1379.13721, 1120.30908);
  put(6, 1579.0437, 1126.42261);
  put(7, 1713.57397, 1091.32739);
  put(9, 2312.34644, 624.521545);
  chooseBankCombinationShot(g, plan);
  for (const Accepted& a : accepted) EXPECT_NE(a.aim.x, 50) << a.aim.y;
  ASSERT_TRUE(plan.found);
  EXPECT_EQ(plan.aim.y, 1150);
  EXPECT_GT(plan.aim.x, 102);
  EXPECT_LT(plan.aim.x, 2298);
}

// Cue ball and target on the middle line, so that a full hit has no pocket near it.
class ThinHitTable : public ChooserTable {
 protected:
  ThinHitTable() {
    put(0, 600, 600);
    put(1, 1200, 600);
  }
  // Thin-hit points, 108 degrees either side of the line from the cue ball, 98 out.
  const Pt T{1200, 600};
  const Pt P2{1200 + 98 * std::cos(0.6 * 3.1415926), 600 + 98 * std::sin(0.6 * 3.1415926)};
  const Pt P3{P2.x, 1200 - P2.y};
  double cutAgainst(Pt aim, Pt pocket) const {
    return deg(angleBetween({aim.x - 600, aim.y - 600}, {pocket.x - T.x, pocket.y - T.y}));
  }
};

TEST_F(ThinHitTable, EachCandidateIsScoredAgainstThePocketOfItsOwnNumber) {
  chooseThinHitShot(g, plan);
  ASSERT_EQ(accepted.size(), 3u);
  EXPECT_NEAR(deg(accepted[0].cut), cutAgainst(T, {50, 1150}), 1e-3);      // full hit, pocket 1
  EXPECT_NEAR(deg(accepted[1].cut), cutAgainst(P2, {1200, 1150}), 1e-3);   // pocket 2
  EXPECT_NEAR(deg(accepted[2].cut), cutAgainst(P3, {2350, 1150}), 1e-3);   // pocket 3
  EXPECT_AT(accepted[0].aim, 1200, 600, 0);
  EXPECT_AT(plan.aim, P3.x, P3.y, 0.001);
  EXPECT_NEAR(plan.cueTravel, dist({600, 600}, P3), 0.01);
  EXPECT_NEAR(plan.objTravel, dist(T, {2350, 1150}), 0.01);
  EXPECT_EQ(caption(), "Difficalt !");
}

TEST_F(ThinHitTable, ABlockedThinHitIsSkippedAndTheOthersStillTried) {
  put(2, 1080, 470);  // across the way to the lower thin-hit point only
  chooseThinHitShot(g, plan);
  ASSERT_EQ(accepted.size(), 2u);
  EXPECT_AT(plan.aim, P2.x, P2.y, 0.001);
}

TEST_F(ThinHitTable, FullHitStandsWhenNoThinHitBeatsIt) {
  put(2, 1080, 470);
  put(3, 1080, 730);  // both thin-hit ways blocked
  chooseThinHitShot(g, plan);
  ASSERT_TRUE(plan.found);
  EXPECT_AT(plan.aim, 1200, 600, 0);
  EXPECT_NEAR(plan.objTravel, dist(T, {50, 1150}), 0.01);
}

TEST_F(ThinHitTable, EveryWayBlockedFindsNothing) {
  put(2, 900, 600);
  chooseThinHitShot(g, plan);
  EXPECT_FALSE(plan.found);
  EXPECT_TRUE(remarks.empty());
}

TEST_F(ThinHitTable, JapaneseRemark) {
  g.japaneseUI = true;
  chooseThinHitShot(g, plan);
  EXPECT_EQ(caption(), "当てるぐらいしかできませんね");
}

TEST_F(BankTable, FallbacksDoNothingOnceAShotIsFound) {
  chooseBankShot(g, plan);
  const ShotPlan held = plan;
  const std::size_t written = remarks.size();
  chooseThinHitShot(g, plan);
  chooseCushionHitShot(g, plan);
  EXPECT_EQ(plan.aim.x, held.aim.x);
  EXPECT_EQ(plan.aim.y, held.aim.y);
  EXPECT_EQ(plan.bestCut, held.bestCut);
  EXPECT_EQ(plan.cueTravel, held.cueTravel);
  EXPECT_EQ(plan.objTravel, held.objTravel);
  EXPECT_EQ(remarks.size(), written);
}

// The cue ball off one cushion onto the target's centre, both on the middle line: the top and
// bottom paths are mirror images, so they tie; the way to the right cushion runs through the
// target, which the first leg counts.
struct CushionHitCase {
  const char* what;
  double targetX;
  Pt aim;
};
std::ostream& operator<<(std::ostream& o, const CushionHitCase& c) { return o << c.what; }

class CushionHit : public ChooserTable, public ::testing::WithParamInterface<CushionHitCase> {};

TEST_P(CushionHit, ShortestPathWinsTheTopCushionKeepsATieAndTheBandIsInclusive) {
  const CushionHitCase c = GetParam();
  put(0, 700, 600);
  put(1, c.targetX, 600);
  plan.bestCut = 1.0f;
  chooseCushionHitShot(g, plan);
  ASSERT_TRUE(plan.found);
  EXPECT_AT(plan.aim, c.aim.x, c.aim.y, 0.001);
  const Pt A = c.aim, C{700, 600}, T{c.targetX, 600};
  EXPECT_NEAR(plan.objTravel, dist(A, T), 0.01);
  EXPECT_NEAR(plan.cueTravel, dist(A, T) + dist(C, A), 0.01);
  EXPECT_EQ(plan.bestCut, 1.0f);
  EXPECT_EQ(caption(), "I can't Poket.");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CushionHit,
    ::testing::Values(CushionHitCase{"top, tied with bottom", 1500, {1100, 1150}},
                      CushionHitCase{"top at 1300, tied with bottom", 1900, {1300, 1150}},
                      CushionHitCase{"band edge 1150 refused: left cushion", 1600, {50, 600}},
                      CushionHitCase{"band middle refused: left cushion", 1700, {50, 600}},
                      CushionHitCase{"band edge 1250 refused: left cushion", 1800, {50, 600}}));

TEST_F(ChooserTable, CushionHitInACornerMouthIsRefusedAndTheNextStands) {
  put(0, 2330, 370);
  put(1, 70, 1140);  // off the top cushion the cue ball would meet it at x = 98.6
  chooseCushionHitShot(g, plan);
  for (const Accepted& a : accepted) EXPECT_FALSE(a.aim.y == 1150 && a.aim.x < 102) << a.aim.x;
  ASSERT_TRUE(plan.found);
  EXPECT_AT(plan.aim, 1817.0922, 50, 0.01);  // the longer way off the bottom cushion
}

// Cue ball and target a diameter apart near a corner, both as far from one cushion, so that
// the cushion point lies halfway between them: on the mouth's bound it is refused (and every
// other way is blocked or in a mouth too), one unit in it is taken.
struct MouthBoundCase {
  const char* what;
  Integer cushion;
  Pt cue, target;
  Pt onBound;
  Pt inward;  // cue ball and target moved one unit along the cushion, away from the corner
};
std::ostream& operator<<(std::ostream& o, const MouthBoundCase& c) { return o << c.what; }

class MouthBound : public ChooserTable, public ::testing::WithParamInterface<MouthBoundCase> {};

TEST_P(MouthBound, ACushionPointOnTheCornerMouthsBoundIsRefused) {
  const MouthBoundCase c = GetParam();
  put(0, c.cue.x, c.cue.y);
  put(1, c.target.x, c.target.y);
  TablePoint A{};
  isBankPathBlocked(g, {static_cast<Single>(c.cue.x), static_cast<Single>(c.cue.y)},
                    {static_cast<Single>(c.target.x), static_cast<Single>(c.target.y)}, A,
                    c.cushion, 1);
  ASSERT_EQ(A.x, c.onBound.x);
  ASSERT_EQ(A.y, c.onBound.y);
  chooseCushionHitShot(g, plan);
  EXPECT_FALSE(plan.found);

  plan = ShotPlan{};

  const Pt shift{c.inward.x - c.cue.x, c.inward.y - c.cue.y};
  put(0, c.inward.x, c.inward.y);
  put(1, c.target.x + shift.x, c.target.y + shift.y);
  chooseCushionHitShot(g, plan);
  ASSERT_TRUE(plan.found);
  EXPECT_AT(plan.aim, c.onBound.x + shift.x, c.onBound.y + shift.y, 0.001);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MouthBound,
    ::testing::Values(
        MouthBoundCase{"bottom cushion, x = 102", cushionBottom, {52, 60}, {152, 60}, {102, 50},
                       {53, 60}},
        MouthBoundCase{"top cushion, x = 2298", cushionTop, {2348, 1140}, {2248, 1140},
                       {2298, 1150}, {2347, 1140}},
        MouthBoundCase{"left cushion, y = 102", cushionLeft, {60, 52}, {60, 152}, {50, 102},
                       {60, 53}},
        MouthBoundCase{"right cushion, y = 1098", cushionRight, {2340, 1148}, {2340, 1048},
                       {2350, 1098}, {2340, 1147}}));

TEST_F(ChooserTable, CushionHitTakesTheBottomWhenTheTopIsBlocked) {
  put(0, 700, 600);
  put(1, 1500, 600);
  put(2, 1100, 1050);  // on the way to the top cushion point (1100, 1150)
  chooseCushionHitShot(g, plan);
  EXPECT_AT(plan.aim, 1100, 50, 0.001);
  EXPECT_EQ(plan.bestCut, 3.1415925f);
}

TEST_F(ChooserTable, CushionHitWithEveryCushionBlockedFindsNothing) {
  put(0, 600, 600);
  put(1, 1200, 600);  // the target itself blocks the way to the right cushion
  put(2, 480, 600);
  put(3, 671.8, 731.7);
  put(4, 671.8, 468.3);
  g.form.setCaption(Ctl::lblQuibsMessage, "before");
  chooseCushionHitShot(g, plan);
  EXPECT_FALSE(plan.found);
  EXPECT_EQ(caption(), "before");
}

TEST_F(ChooserTable, CushionHitJapaneseRemark) {
  g.japaneseUI = true;
  put(0, 700, 600);
  put(1, 1500, 600);
  chooseCushionHitShot(g, plan);
  EXPECT_EQ(caption(), "とりあえず当てていきましょうかね。");
}

}  // namespace
}  // namespace velkor
