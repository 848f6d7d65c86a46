#include "opponent/obstruction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <type_traits>

#include "engine/table_model.h"

namespace velkor {
namespace {

// An empty table; each test puts only the balls it needs.
class EmptyTable : public ::testing::Test {
 protected:
  EmptyTable() {
    for (BallRecord& b : g.balls) b.onTable = false;
    initPocketTable(g);
  }
  void put(int n, Single x, Single y) {
    g.balls[n].onTable = true;
    g.balls[n].x = x;
    g.balls[n].y = y;
  }
  GameState g;
};

// One object ball against the segment (500, 600) -> (1500, 600).
struct SegmentCase {
  const char* what;
  Single x, y;
  bool blocked;        // isPathBlocked: both ends count
  bool blockedExcept;  // isPathBlockedExcept: both ends excluded
};
std::ostream& operator<<(std::ostream& o, const SegmentCase& c) { return o << c.what; }


class SegmentTest : public EmptyTable, public ::testing::WithParamInterface<SegmentCase> {};

TEST_P(SegmentTest, BlockingZoneIsAStripCutSquareAtTheEnds) {
  const SegmentCase c = GetParam();
  put(4, c.x, c.y);
  const TablePoint a{500, 600}, b{1500, 600};
  EXPECT_EQ(isPathBlocked(g, a, b), c.blocked) << c.what;
  EXPECT_EQ(isPathBlockedExcept(g, a, b, 0), c.blockedExcept) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SegmentTest,
    ::testing::Values(
        SegmentCase{"on the path", 1000, 600, true, true},
        SegmentCase{"99.9 to the side", 1000, 699.9f, true, true},
        SegmentCase{"99.9 below", 1000, 500.1f, true, true},
        SegmentCase{"100.1 to the side", 1000, 700.1f, false, false},
        SegmentCase{"centred exactly at a", 500, 600, true, true},
        // Level with a: c = 0 exactly, so the start counts for one test and not the other.
        SegmentCase{"level with a, 99.9 aside", 500, 699.9f, true, false},
        SegmentCase{"level with a, exactly 100 aside", 500, 700, false, false},
        SegmentCase{"centred exactly at b", 1500, 600, true, false},
        SegmentCase{"just beyond b, overlapping it", 1500.5f, 600, false, false},
        SegmentCase{"just before a, overlapping it", 499.5f, 600, false, false},
        SegmentCase{"beyond b and aside", 1550, 650, false, false}));

TEST_F(EmptyTable, ZeroLengthPathIsBlockedEvenOnAnEmptyTable) {
  EXPECT_TRUE(isPathBlocked(g, {700, 700}, {700, 700}));
  EXPECT_TRUE(isPathBlockedExcept(g, {700, 700}, {700, 700}, 0));
}

TEST_F(EmptyTable, OnlyObjectBallsOnTheTableBlockAndTheExceptedOneIsSkipped) {
  const TablePoint a{500, 600}, b{1500, 600};
  put(0, 1000, 600);
  EXPECT_FALSE(isPathBlocked(g, a, b)) << "the cue ball never blocks";
  put(9, 1000, 600);
  g.balls[9].onTable = false;
  EXPECT_FALSE(isPathBlocked(g, a, b)) << "a pocketed ball does not block";
  put(9, 1000, 600);
  EXPECT_TRUE(isPathBlockedExcept(g, a, b, 0));
  EXPECT_FALSE(isPathBlockedExcept(g, a, b, 9));
  put(2, 1200, 650);
  EXPECT_TRUE(isPathBlockedExcept(g, a, b, 9)) << "another ball still blocks";
}

TEST_F(EmptyTable, TargetBallBlocksTheGhostPointOnlyOnACutBeyondNinetyDegrees) {
  const TablePoint cue{600, 600};
  put(0, cue.x, cue.y);
  put(1, 1500, 600);
  auto ghost = [&](TablePoint pocket) {
    const Single d = getDistance({1500, 600}, pocket);
    return TablePoint{1500 - 100 * (pocket.x - 1500) / d, 600 - 100 * (pocket.y - 600) / d};
  };
  EXPECT_FALSE(isPathBlocked(g, cue, ghost(g.pocketPoints[3]))) << "cut under 90 degrees";
  EXPECT_TRUE(isPathBlocked(g, cue, ghost(g.pocketPoints[1]))) << "cut over 90 degrees";
}

// Bank points off each cushion: the reflection with equal angles, on the cushion line.
struct BankCase {
  Integer cushion;
  TablePoint a, b, p;
};

class BankPointTest : public EmptyTable, public ::testing::WithParamInterface<BankCase> {};

TEST_P(BankPointTest, BankPointLiesOnTheCushionLine) {
  const BankCase c = GetParam();
  TablePoint p{-1, -1};
  EXPECT_FALSE(isBankPathBlocked(g, c.a, c.b, p, c.cushion, 0));
  EXPECT_FLOAT_EQ(p.x, c.p.x);
  EXPECT_FLOAT_EQ(p.y, c.p.y);
}

INSTANTIATE_TEST_SUITE_P(Cases, BankPointTest,
                         ::testing::Values(BankCase{101, {350, 400}, {150, 900}, {50, 775}},
                                           BankCase{102, {2050, 400}, {2250, 900}, {2350, 775}},
                                           BankCase{103, {400, 850}, {900, 1050}, {775, 1150}},
                                           BankCase{104, {400, 350}, {900, 150}, {775, 50}}));

// b's distance from the line becomes a whole number, halves to even; a's does not.
struct RoundingCase {
  Single bDistance;
  Integer db;
};

class BankRoundingTest : public EmptyTable, public ::testing::WithParamInterface<RoundingCase> {};

TEST_P(BankRoundingTest, DistanceOfBIsRoundedHalfToEven) {
  const RoundingCase c = GetParam();
  const TablePoint a{600, 600.25f};  // da = 550.25 keeps its fraction
  const TablePoint b{1000, 50 + c.bDistance};
  TablePoint p{};
  ASSERT_FALSE(isBankPathBlocked(g, a, b, p, cushionBottom, 0));
  const Single da = a.y - 50;
  EXPECT_FLOAT_EQ(p.x, (a.x * c.db + b.x * da) / (da + c.db));
  EXPECT_EQ(p.y, 50);
}

INSTANTIATE_TEST_SUITE_P(Cases, BankRoundingTest,
                         ::testing::Values(RoundingCase{20.4f, 20}, RoundingCase{20.5f, 20},
                                           RoundingCase{21.5f, 22}, RoundingCase{20.6f, 21}));

TEST_F(EmptyTable, BankWithoutABankPointCountsAsBlockedAndLeavesP) {
  const TablePoint keep{123, 456};
  struct {
    const char* what;
    TablePoint a, b;
    Integer cushion;
  } cases[] = {
      {"both ends on the line", {600, 50}, {1000, 50}, cushionBottom},
      {"a as far beyond the line as b is inside", {40, 300}, {60, 700}, cushionLeft},
      {"not a cushion", {600, 600}, {1000, 300}, 105},
      {"not a cushion", {600, 600}, {1000, 300}, 0},
  };
  for (const auto& c : cases) {
    TablePoint p = keep;
    EXPECT_TRUE(isBankPathBlocked(g, c.a, c.b, p, c.cushion, 0)) << c.what;
    EXPECT_EQ(p.x, keep.x) << c.what;
    EXPECT_EQ(p.y, keep.y) << c.what;
  }
}

TEST_F(EmptyTable, FirstLegCountsEveryBallSecondLegSkipsTheExceptedOne) {
  const TablePoint a{400, 350}, b{900, 150};  // bank point (775, 50)
  TablePoint p{};
  put(3, 587.5f, 200);  // on the first leg
  EXPECT_TRUE(isBankPathBlocked(g, a, b, p, cushionBottom, 3));
  put(3, 837.5f, 100);  // on the second leg
  EXPECT_TRUE(isBankPathBlocked(g, a, b, p, cushionBottom, 0));
  EXPECT_FALSE(isBankPathBlocked(g, a, b, p, cushionBottom, 3));
}

TEST_F(EmptyTable, BallAtTheEndOfTheSecondLegDoesNotBlock) {
  // Straight in and out, so the test at b is exact (a slanted leg leaves c a rounding short of 1).
  put(3, 900, 150);
  TablePoint p{};
  EXPECT_FALSE(isBankPathBlocked(g, {900, 100}, {900, 150}, p, cushionBottom, 0));
  EXPECT_EQ(p.x, 900);
  EXPECT_EQ(p.y, 50);
}

TEST_F(EmptyTable, SpotIsFreeAtExactlyOneDiameter) {
  put(0, 600, 600);
  put(5, 1200, 600);
  EXPECT_FALSE(isPointOnOtherObjectBall(g, 699.99f, 600, 0)) << "the cue ball is not an object ball";
  EXPECT_TRUE(isPointOnOtherObjectBall(g, 1200, 500.01f, 0));
  EXPECT_FALSE(isPointOnOtherObjectBall(g, 1200, 500.01f, 5)) << "skip";
}

TEST(InnerZone, BoundsOfAngleAndZone) {
  const Single ten = static_cast<Single>(31.415926 / 180);
  const Single below = std::nextafter(ten, 0.0f);
  struct {
    TablePoint p;
    Single angle;
    bool expected;
  } cases[] = {
      {{1000, 600}, ten, true},     {{1000, 600}, below, false}, {{300, 600}, ten, false},
      {{300.1f, 600}, ten, true},   {{2100, 600}, ten, false},   {{2099.9f, 600}, ten, true},
      {{1000, 220}, ten, false},    {{1000, 220.1f}, ten, true}, {{1000, 980}, ten, false},
      {{1000, 979.9f}, 3.0f, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(checkAngleAndZone(c.p, c.angle), c.expected)
        << c.p.x << ", " << c.p.y << " at " << c.angle;
  }
}

TEST(InTable, CushionLinesThemselvesAreOutside) {
  struct {
    Single x, y;
    bool expected;
  } cases[] = {{1200, 600, true}, {50, 600, false},   {50.01f, 600, true}, {2350, 600, false},
               {1200, 50, false}, {1200, 1150, false}, {2349.9f, 1149.9f, true}};
  for (const auto& c : cases) EXPECT_EQ(isInTable(c.x, c.y), c.expected) << c.x << ", " << c.y;
}

struct TowardsCase {
  const char* what;
  Single dx, dy;
  Integer cushion;
};
std::ostream& operator<<(std::ostream& o, const TowardsCase& c) { return o << c.what; }


class CushionTowardsTest : public ::testing::TestWithParam<TowardsCase> {};

TEST_P(CushionTowardsTest, SectorsAreCentredOnTheAxes) {
  const TowardsCase c = GetParam();
  const TablePoint a{1200, 600};
  EXPECT_EQ(getCushionTowards(a, {a.x + c.dx, a.y + c.dy}), c.cushion) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CushionTowardsTest,
    ::testing::Values(TowardsCase{"up", 0, 10, 103}, TowardsCase{"down", 0, -10, 104},
                      TowardsCase{"left", -10, 0, 101}, TowardsCase{"right", 10, 0, 102},
                      TowardsCase{"45 degrees counts as top", 10, 10, 103},
                      TowardsCase{"135 degrees counts as top", -10, 10, 103},
                      TowardsCase{"-45 degrees falls through to right", 10, -10, 102},
                      TowardsCase{"-135 degrees falls through to right", -10, -10, 102},
                      TowardsCase{"just below -45", 10, -10.01f, 104},
                      TowardsCase{"just above 135", -10.01f, 10, 101},
                      TowardsCase{"same point: heading 0", 0, 0, 102}));

struct BankPocketsCase {
  Integer cushion;
  TablePoint p7, p8, p9;
};

class BankPocketsTest : public EmptyTable, public ::testing::WithParamInterface<BankPocketsCase> {};

TEST_P(BankPocketsTest, ImagesOfTheOppositePockets) {
  const BankPocketsCase c = GetParam();
  setBankPockets(g, c.cushion);
  const TablePoint expected[] = {c.p7, c.p8, c.p9};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(g.pocketPoints[7 + i].x, expected[i].x) << "point " << 7 + i;
    EXPECT_EQ(g.pocketPoints[7 + i].y, expected[i].y) << "point " << 7 + i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BankPocketsTest,
    ::testing::Values(
        // The short cushions have two images; point 9 repeats point 8.
        BankPocketsCase{101, {-2300, 1150}, {-2300, 50}, {-2300, 50}},
        BankPocketsCase{102, {4700, 1150}, {4700, 50}, {4700, 50}},
        BankPocketsCase{103, {50, 2300}, {1200, 2300}, {2350, 2300}},
        BankPocketsCase{104, {50, -1100}, {1200, -1100}, {2350, -1100}}));

TEST_F(EmptyTable, OtherCushionCodeLeavesTheImagesAsTheyWere) {
  setBankPockets(g, cushionTop);
  setBankPockets(g, 100);
  EXPECT_EQ(g.pocketPoints[9].x, 2350);
  EXPECT_EQ(g.pocketPoints[9].y, 2300);
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(g.pocketPoints[i].x, i % 3 == 1 ? 50 : i % 3 == 2 ? 1200 : 2350);
}

TEST(NumericHelpers, ClampKeepsTypeAndPrefersLoWhenRangeIsEmpty) {
  EXPECT_EQ(limitRange(62.5, 35.0, 100.0), 62.5);
  EXPECT_EQ(limitRange(600.0, 35.0, 100.0), 100.0);
  EXPECT_EQ(limitRange(10.0, 35.0, 100.0), 35.0);
  EXPECT_EQ(limitRange(50, 80, 20), 80);
  static_assert(std::is_same_v<decltype(limitRange(Integer{1}, Integer{2}, Integer{3})), Integer>);
  static_assert(getMax(1, 2) == 2 && getMin(1, 2) == 1);
  // On a tie both give b: visible with signed zeros.
  EXPECT_TRUE(std::signbit(getMax(0.0f, -0.0f)));
  EXPECT_TRUE(std::signbit(getMin(0.0f, -0.0f)));
}

}  // namespace
}  // namespace velkor
