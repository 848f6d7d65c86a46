#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/table_model.h"
#include "opponent/shot_driver.h"
#include "screen/logic/coordinates.h"
#include "tools/sim/scenes.h"

namespace velkor {
namespace {

const Single kCut30 = static_cast<Single>(94.247778 / 180);
const Single kCut20 = static_cast<Single>(62.831852 / 180);
const Single kCut10 = static_cast<Single>(31.415926 / 180);

Single above(Single x) { return std::nextafter(x, 4.0f); }

struct DriverFixture {
  DriverFixture() {
    g.random = &random;
    initPocketTable(g);
    sim::clearTable(g);
  }

  // The cue ball hemmed in by a ring of eight balls one diameter away, the target far off:
  // no chooser finds a way to it at any level.
  void hemmedIn() {
    sim::placeBall(g, 0, 600, 600);
    for (int k = 0; k < 8; ++k) {
      const double a = k * kPiD / 4;
      sim::placeBall(g, k + 2, static_cast<Single>(600 + 100 * std::cos(a)),
                     static_cast<Single>(600 + 100 * std::sin(a)));
    }
    sim::placeBall(g, 1, 1800, 600);
    g.aimPoint = {1800, 600};
  }

  // The 9-ball alone with the cue ball.
  void nineAlone() {
    sim::placeBall(g, 0, 600, 600);
    sim::placeBall(g, 9, 1800, 700);
    g.aimPoint = {1800, 700};
  }

  // Runs the driver and keeps what the observer saw.
  void choose() {
    ran.clear();
    playComputerShot(g, [this](const char* name, bool accepted, const ShotPlan& p) {
      ran.emplace_back(name);
      if (accepted) standing = name;
      plan = p;
    });
  }

  GameState g;
  SequenceRandom random;
  std::vector<std::string> ran;
  std::string standing = "none";
  ShotPlan plan;
};

struct OrderCase {
  Integer level;
  std::vector<std::string> ran;
};

class ChooserOrder : public ::testing::TestWithParam<OrderCase> {};

// With nothing found, the best cut stays at its start value, above every level's bound, so the
// whole order of each level shows.
TEST_P(ChooserOrder, RunsTheLevelsChoosersInOrderAndFindsNothingWhenHemmedIn) {
  DriverFixture f;
  f.hemmedIn();
  f.g.quibLevel = GetParam().level;
  f.choose();
  EXPECT_EQ(f.ran, GetParam().ran);
  EXPECT_EQ(f.standing, "none");
  EXPECT_FALSE(f.plan.found);
  EXPECT_EQ(f.g.form[Ctl::lblQuibsMessage].caption, "I can do nothing!");
  EXPECT_EQ(f.g.form[Ctl::HScroll1].value, 100);
  EXPECT_FALSE(f.g.form[Ctl::HScroll1].enabled);
}

const std::string kSimple = "chooseSimpleShot";
const std::string kDirect = "chooseDirectOrCombinationShot";
const std::string kObjBank = "chooseObjectBankShot";
const std::string kBank = "chooseBankShot";
const std::string kBankComb = "chooseBankCombinationShot";
const std::string kThin = "chooseThinHitShot";
const std::string kCushion = "chooseCushionHitShot";

INSTANTIATE_TEST_SUITE_P(
    Levels, ChooserOrder,
    ::testing::Values(OrderCase{1, {kSimple, kThin}}, OrderCase{2, {kSimple, kThin}},
                      OrderCase{3, {kSimple, kThin, kCushion}},
                      OrderCase{4, {kSimple, kThin, kCushion}},
                      OrderCase{5, {kSimple, kObjBank, kThin, kCushion}},
                      OrderCase{6, {kSimple, kObjBank, kThin, kCushion}},
                      OrderCase{7, {kDirect, kObjBank, kThin, kCushion}},
                      OrderCase{8, {kDirect, kObjBank, kThin, kCushion}},
                      OrderCase{9, {kDirect, kObjBank, kBank, kThin, kCushion}},
                      OrderCase{10, {kDirect, kObjBank, kBankComb, kThin, kCushion}},
                      OrderCase{11, {kDirect, kObjBank, kBankComb, kThin, kCushion}}));

TEST(ShotDriver, NothingFoundSaysSoInJapaneseAndShootsAtTheStartAim) {
  DriverFixture f;
  f.hemmedIn();
  f.g.japaneseUI = true;
  f.g.quibLevel = 6;
  f.random.set({0.99});  // no error at level 6
  f.choose();
  EXPECT_EQ(f.g.form[Ctl::lblQuibsMessage].caption, "打つ手がないよ～");
  EXPECT_EQ(f.g.aimPoint.x, 1800);
  EXPECT_EQ(f.g.aimPoint.y, 600);
}

TEST(ShotDriver, ThePowerBarChangesThroughItsHandlerAndIsLeftDisabled) {
  DriverFixture f;
  f.hemmedIn();
  f.g.form.setValue(Ctl::HScroll1, 40);
  f.g.quibLevel = 1;
  f.choose();
  EXPECT_EQ(f.g.form[Ctl::HScroll1].value, 100);
  EXPECT_EQ(f.g.form[Ctl::lblPower].caption, "POWER  100%");
  EXPECT_FALSE(f.g.form[Ctl::HScroll1].enabled);
}

TEST(ShotDriver, TheMarkerCentresOnTheAimPointWithItsError) {
  DriverFixture f;
  f.hemmedIn();
  f.g.quibLevel = 1;
  f.random.set({0.1, 0.0, 0.75});
  f.choose();
  EXPECT_FLOAT_EQ(f.g.aimPoint.x, 1800 - 50.0f / 3);
  EXPECT_FLOAT_EQ(f.g.aimPoint.y, 600 + 25.0f / 3);
  EXPECT_EQ(f.g.form[Ctl::shpTarget].left, toPicX(f.g, f.g.aimPoint.x) - 10);
  EXPECT_EQ(f.g.form[Ctl::shpTarget].top, toPicY(f.g, f.g.aimPoint.y) - 10);
}

struct ErrorCase {
  Integer level;
  bool onNine;  // the target is the 9-ball
  double r;     // the first draw
  bool misses;
};

class AimError : public ::testing::TestWithParam<ErrorCase> {};

// One draw decides; an error takes one more for each coordinate, each moving it by
// (u - 0.5) * 100 / 3 from the plan's aim.
TEST_P(AimError, MissesWhenTheChanceExceedsTheDraw) {
  const ErrorCase c = GetParam();
  DriverFixture f;
  if (c.onNine) {
    f.nineAlone();
  } else {
    f.hemmedIn();
  }
  f.g.quibLevel = c.level;
  f.random.set({c.r, 0.0, 0.75});
  f.choose();
  if (c.misses) {
    EXPECT_EQ(f.random.drawsTaken(), 3u);
    EXPECT_EQ(f.g.aimPoint.x, static_cast<Single>(f.plan.aim.x + (0.0 - 0.5) * 100 / 3));
    EXPECT_EQ(f.g.aimPoint.y, static_cast<Single>(f.plan.aim.y + (0.75 - 0.5) * 100 / 3));
  } else {
    EXPECT_EQ(f.random.drawsTaken(), 1u);
    EXPECT_EQ(f.g.aimPoint.x, f.plan.aim.x);
    EXPECT_EQ(f.g.aimPoint.y, f.plan.aim.y);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Levels, AimError,
    ::testing::Values(
        ErrorCase{1, false, 0.79, true}, ErrorCase{1, false, 0.8, false},
        // Levels 1 to 3 always miss the 9-ball, even with a draw a hair below 1 that a
        // Single would round up to 1.
        ErrorCase{1, true, 0.99999999, true}, ErrorCase{2, true, 0.99999999, true},
        ErrorCase{3, true, 0.99999999, true}, ErrorCase{3, false, 0.5, false},
        ErrorCase{4, true, 0.59, true}, ErrorCase{4, true, 0.6, false},
        ErrorCase{11, false, 0.009, true}, ErrorCase{11, false, 0.01, false},
        ErrorCase{11, true, 0.019, true}, ErrorCase{11, true, 0.02, false}));

TEST(ShotDriver, AimErrorRateFallsWithTheLevel) {
  const Single expected[] = {0.01f, 0.8f, 0.7f, 0.5f, 0.3f, 0.2f, 0.1f,
                             0.1f,  0.05f, 0.05f, 0.05f, 0.01f, 0.01f};
  for (Integer level = 0; level <= 12; ++level) {
    EXPECT_EQ(getAimErrorRate(level), expected[level]) << level;
  }
}

TEST(ShotDriver, PowerIsTheSummedTravelOverSixteenHeldTo35To100) {
  struct Case {
    Integer level;
    Single cue, obj;
    Integer power;
  };
  const Case cases[] = {
      {3, 280, 280, 35},   {3, 100, 200, 35},   {3, 500, 500, 62},   {11, 600, 400, 62},
      {3, 440, 440, 55},   {6, 800, 800, 100},  {6, 1000, 900, 100}, {11, 4800, 4800, 100},
      {3, 575, 1000, 98},  {1, 280, 280, 100},  {2, 500, 500, 100},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(getComputerPower(c.level, c.cue, c.obj), c.power)
        << c.level << " " << c.cue << "+" << c.obj;
  }
}

TEST(ShotDriver, UpperLevelsTurnToBanksAboveTheirOwnBound) {
  struct Case {
    Integer level;
    Single cut;
    bool tries;
  };
  const Case cases[] = {
      {9, kCut30, false},         {9, above(kCut30), true},   {9, kCut20 + 0.05f, false},
      {10, kCut20, false},        {10, above(kCut20), true},  {11, kCut10, false},
      {11, above(kCut10), true},  {11, kCut20, true},         {8, 3.1415925f, false},
      {1, 3.1415925f, false},
  };
  for (const Case& c : cases) EXPECT_EQ(triesBankAfter(c.level, c.cut), c.tries) << c.level << " " << c.cut;
}

}  // namespace
}  // namespace velkor
