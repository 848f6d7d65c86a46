#include "engine/table_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <type_traits>

namespace velkor {
namespace {

struct DirectionCase {
  Single dx, dy, expected;
};

class GetDirectionTest : public ::testing::TestWithParam<DirectionCase> {};

TEST_P(GetDirectionTest, GivesHeadingInHalfOpenRange) {
  const DirectionCase c = GetParam();
  EXPECT_FLOAT_EQ(getDirection(100, 100, 100 + c.dx, 100 + c.dy), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GetDirectionTest,
    ::testing::Values(DirectionCase{0, 0, 0}, DirectionCase{-5, 0, 3.1415926f},
                      DirectionCase{0, 7, 3.1415926f / 2}, DirectionCase{0, -7, -3.1415926f / 2},
                      DirectionCase{3, 0, 0},
                      DirectionCase{-1, 1, static_cast<Single>(std::atan(-1.0) + 3.1415926)},
                      DirectionCase{-1, -1, static_cast<Single>(std::atan(1.0) - 3.1415926)},
                      DirectionCase{1, 1, static_cast<Single>(std::atan(1.0))},
                      DirectionCase{2, -1, static_cast<Single>(std::atan(-0.5))}));

TEST(TableModel, PocketTableHoldsTheSixCentres) {
  GameState g;
  initPocketTable(g);
  const TablePoint expected[] = {{50, 1150}, {1200, 1150}, {2350, 1150},
                                 {50, 50},   {1200, 50},   {2350, 50}};
  for (int i = 1; i <= 6; ++i) {
    EXPECT_EQ(g.pocketPoints[i].x, expected[i - 1].x) << i;
    EXPECT_EQ(g.pocketPoints[i].y, expected[i - 1].y) << i;
  }
}

class BlockingBallTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (auto& b : g.balls) b.onTable = false;
  }
  void put(int n, Single x, Single y) {
    g.balls[n].onTable = true;
    g.balls[n].x = x;
    g.balls[n].y = y;
  }
  GameState g;
};

TEST_F(BlockingBallTest, BoundsOfTheBlockingZone) {
  const TablePoint a{0, 0}, b{1000, 0};
  put(3, 500, 99.9f);
  EXPECT_EQ(getBlockingBall(g, a, b, 0), 3);
  EXPECT_EQ(getBlockingBall(g, a, b, 3), 0) << "excepted ball";
  g.balls[3].y = 100.05f;  // Single arithmetic: a ball at exactly 100 may round either way
  EXPECT_EQ(getBlockingBall(g, a, b, 0), 0) << "one diameter away";
  g.balls[3] = {};
  g.balls[3].onTable = false;
  put(4, 0, 50);
  EXPECT_EQ(getBlockingBall(g, a, b, 0), 0) << "level with a";
  put(5, 1000, 10);
  EXPECT_EQ(getBlockingBall(g, a, b, 0), 0) << "projection reaches b";
  put(6, 0, 0);
  EXPECT_EQ(getBlockingBall(g, a, b, 0), 6) << "centre at a";
  EXPECT_EQ(getBlockingBall(g, a, a, 0), 0) << "zero-length path";
}

TEST_F(BlockingBallTest, BallsBehindBeyondPocketedOrTheCueBallNeverBlock) {
  const TablePoint a{100, 600}, b{1100, 600};
  put(2, 50, 600);  // behind a
  put(3, 1150, 600);  // beyond b
  put(0, 600, 600);  // the cue ball is never tested
  EXPECT_EQ(getBlockingBall(g, a, b, 0), 0);
  put(8, 600, 650);
  g.balls[8].onTable = false;
  EXPECT_EQ(getBlockingBall(g, a, b, 0), 0) << "pocketed";
  g.balls[8].onTable = true;
  EXPECT_EQ(getBlockingBall(g, a, b, 0), 8);
  EXPECT_EQ(getBlockingBall(g, b, a, 0), 8) << "either way along the path";
}

TEST_F(BlockingBallTest, LowerBlockingBallWinsOverBallAtStart) {
  put(2, 500, 0);
  put(7, 0, 0);
  EXPECT_EQ(getBlockingBall(g, {0, 0}, {1000, 0}, 0), 2);
}

// The same empty table, for the spots the rules and the computer look for.
using PointOnBallTest = BlockingBallTest;

TEST_F(PointOnBallTest, SpotIsFreeAtExactlyOneDiameter) {
  put(0, 600, 600);
  put(5, 1200, 600);
  EXPECT_FALSE(isPointOnBall(g, 700, 600));
  EXPECT_TRUE(isPointOnBall(g, 699.99f, 600)) << "the cue ball counts";
  EXPECT_TRUE(isPointOnBall(g, 1200, 500.01f));
  EXPECT_FALSE(isPointOnBall(g, 1200, 500));
  g.balls[5].onTable = false;
  EXPECT_FALSE(isPointOnBall(g, 1200, 600)) << "a pocketed ball leaves its spot free";
}

TEST(TableModel, AngleBetweenVectors) {
  EXPECT_EQ(getAngleBetween({0, 0}, {1, 0}), 0);
  EXPECT_FLOAT_EQ(getAngleBetween({1, 0}, {0, 3}), 3.1415926f / 2);
  EXPECT_FLOAT_EQ(getAngleBetween({1, 0}, {-2, 0}), 3.1415926f);
  EXPECT_FLOAT_EQ(getAngleBetween({1, 1}, {2, 2}), 0);
}

TEST(TableModel, LowestBall) {
  GameState g;
  EXPECT_EQ(getLowestBall(g), 1);
  g.balls[1].onTable = false;
  EXPECT_EQ(getLowestBall(g), 2);
  for (int i = 1; i <= 9; ++i) g.balls[i].onTable = false;
  EXPECT_EQ(getLowestBall(g), 0);
}

TEST(TableModel, StoppedBallsAndStopAll) {
  GameState g;
  EXPECT_TRUE(isAllBallsStopped(g));
  g.balls[0].speed = 1;
  EXPECT_FALSE(isAllBallsStopped(g));
  g.balls[0].speed = -3;  // the break's negative shares count as at rest
  EXPECT_TRUE(isAllBallsStopped(g));
  g.balls[4] = {10, 20, 30, 40, true, 50, 1, 2, 3};
  stopAllBalls(g);
  EXPECT_EQ(g.balls[4].speed, 0);
  EXPECT_EQ(g.balls[4].followSpin, 0);
  EXPECT_EQ(g.balls[4].sideSpin, 0);
  EXPECT_EQ(g.balls[4].vx, 30) << "velocity components stay";
}

TEST(TableModel, LargerAndSmallerKeepTheArgumentType) {
  static_assert(std::is_same_v<decltype(getLarger(Integer{1}, Integer{2})), Integer>);
  static_assert(std::is_same_v<decltype(getSmaller(Single{1}, Single{2})), Single>);
  EXPECT_EQ(getSmaller(Integer{-3}, Integer{-3}), -3);
}

TEST(TableModel, LargerAndSmallerReturnBOnTies) {
  EXPECT_EQ(getLarger(2, 2), 2);
  EXPECT_EQ(getSmaller(-1.5f, 3.0f), -1.5f);
  EXPECT_EQ(getLarger(-1.5f, 3.0f), 3.0f);
}

}  // namespace
}  // namespace velkor
