#include "screen/logic/aiming.h"

#include <gtest/gtest.h>

#include <cmath>

#include "controls/coordinates.h"
#include "support/fake_screen.h"

namespace velkor {
namespace {

constexpr Integer kLeft = 1;

// A table after the break with the cue ball at (600, 600), pixel (150, 150).
struct Aiming : ::testing::Test {
  Aiming() {
    g.breakPending = false;
    g.ballInHand = false;
    g.balls[0].x = 600;
    g.balls[0].y = 600;
    g.aimPoint = {1790, 600};
  }
  // Pixel of a table point.
  Single px(Single x) const { return toPicX(g, x); }
  Single py(Single y) const { return toPicY(g, y); }

  testing::Fixture f;
  GameState& g = f.g;
};

TEST_F(Aiming, BeforeTheBreakAPressAwayFromTheCueBallChangesNeitherAimNorMarker) {
  g.breakPending = true;
  const ControlProps marker = g.form[Ctl::shpTarget];
  picPool_MouseDown(g, kLeft, px(1200), py(900));
  picPool_MouseMove(g, kLeft, px(1300), py(900));
  picPool_MouseUp(g, kLeft, px(1300), py(900));
  EXPECT_EQ(g.aimPoint.x, 1790);
  EXPECT_EQ(g.aimPoint.y, 600);
  EXPECT_EQ(g.form[Ctl::shpTarget].left, marker.left);
  EXPECT_EQ(g.form[Ctl::shpTarget].top, marker.top);
  EXPECT_FALSE(g.draggingCueBall);
  EXPECT_EQ(g.balls[0].x, 600);
}

TEST_F(Aiming, BeforeTheBreakTheCueBallCanBePickedUpAndPlaced) {
  g.breakPending = true;
  picPool_MouseDown(g, kLeft, px(610), py(600));
  EXPECT_TRUE(g.draggingCueBall);
  picPool_MouseMove(g, kLeft, px(400), py(300));
  picPool_MouseUp(g, kLeft, px(400), py(300));
  EXPECT_FLOAT_EQ(g.balls[0].x, 400);
  EXPECT_FLOAT_EQ(g.balls[0].y, 300);
  EXPECT_EQ(g.aimPoint.x, 1790) << "the aim keeps swinging by itself";
}

struct PickCase {
  Single distance;
  bool picksUp;
};

class PickTest : public Aiming, public ::testing::WithParamInterface<PickCase> {};

TEST_P(PickTest, WithBallInHandAPressNearTheCueBallPicksItUpAndOtherwiseAims) {
  g.ballInHand = true;
  const Single d = GetParam().distance;
  // Along each axis, both ways: the test is a circle, not a box.
  for (auto [ux, uy] : {std::pair{1, 0}, std::pair{-1, 0}, std::pair{0, 1}, std::pair{0, -1}}) {
    g.balls[0].x = 600;
    g.balls[0].y = 600;
    g.aimPoint = {1790, 600};
    const Single x = 600 + ux * d, y = 600 + uy * d;
    picPool_MouseDown(g, kLeft, px(x), py(y));
    EXPECT_EQ(g.draggingCueBall, GetParam().picksUp) << d << " " << ux << "," << uy;
    if (GetParam().picksUp) {
      EXPECT_NEAR(g.balls[0].x, x, 0.01) << "the ball jumps to the pointer";
      EXPECT_NEAR(g.balls[0].y, y, 0.01);
      EXPECT_EQ(g.aimPoint.x, 1790);
    } else {
      EXPECT_NEAR(g.aimPoint.x, x, 0.01);
      EXPECT_NEAR(g.aimPoint.y, y, 0.01);
      EXPECT_EQ(g.balls[0].x, 600);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Distances, PickTest,
                         ::testing::Values(PickCase{0, true}, PickCase{49, true},
                                           PickCase{50, false}, PickCase{200, false}),
                         [](const auto& info) {
                           return "Units" + std::to_string(static_cast<int>(info.param.distance));
                         });

TEST_F(Aiming, ADragBeyondTheCushionsIsFollowedUnclampedAndTheReleaseLandsOnTheCloth) {
  g.ballInHand = true;
  picPool_MouseDown(g, kLeft, px(600), py(600));
  ASSERT_TRUE(g.draggingCueBall);
  picPool_MouseMove(g, kLeft, -40, 320);  // left of and below the picture
  EXPECT_FLOAT_EQ(g.balls[0].x, toTableX(g, -40));
  EXPECT_FLOAT_EQ(g.balls[0].y, toTableY(g, 320));
  EXPECT_LT(g.balls[0].x, 0);
  EXPECT_FLOAT_EQ(g.form[Ctl::shpQBall].left, -50);
  f.screen.calls.clear();
  picPool_MouseUp(g, kLeft, -40, 320);
  EXPECT_FLOAT_EQ(g.balls[0].x, 50);
  EXPECT_FLOAT_EQ(g.balls[0].y, 50);
  EXPECT_FLOAT_EQ(g.form[Ctl::shpQBall].left, 30);
  EXPECT_FLOAT_EQ(g.form[Ctl::shpQBall].top, 250);
  EXPECT_TRUE(g.draggingCueBall) << "stays set until the next press";
  EXPECT_EQ(f.screen.calls, (std::vector<std::string>{"drawTable", "refresh picPool"}))
      << "redrawn at once";
}

TEST_F(Aiming, EveryReleaseOfTheCueBallLandsWithinTheCushionLines) {
  g.ballInHand = true;
  for (auto [x, y] : {std::pair{-500.f, -500.f}, std::pair{900.f, 900.f}, std::pair{30.f, 600.f},
                      std::pair{520.f, 10.f}, std::pair{270.f, 150.f}}) {
    g.balls[0].x = toTableX(g, x);
    g.balls[0].y = toTableY(g, y);
    picPool_MouseUp(g, kLeft, x, y);
    EXPECT_GE(g.balls[0].x, 50) << x << "," << y;
    EXPECT_LE(g.balls[0].x, 2350) << x << "," << y;
    EXPECT_GE(g.balls[0].y, 50) << x << "," << y;
    EXPECT_LE(g.balls[0].y, 1150) << x << "," << y;
  }
}

TEST_F(Aiming, APressOutsideTheClothAimsAtTheNearestClampedPoint) {
  picPool_MouseDown(g, kLeft, 10, 5);
  EXPECT_FLOAT_EQ(g.aimPoint.x, 50);
  EXPECT_FLOAT_EQ(g.aimPoint.y, 1150);
  EXPECT_FLOAT_EQ(g.form[Ctl::shpTarget].left, 30);
  EXPECT_FLOAT_EQ(g.form[Ctl::shpTarget].top, 30);
  // A drag of the aim there keeps the unclamped point until the release clamps it.
  picPool_MouseMove(g, kLeft, 10, 5);
  EXPECT_FLOAT_EQ(g.aimPoint.x, toTableX(g, 10));
  EXPECT_FLOAT_EQ(g.aimPoint.y, toTableY(g, 5));
  picPool_MouseUp(g, kLeft, 10, 5);
  EXPECT_FLOAT_EQ(g.aimPoint.x, 50);
  EXPECT_FLOAT_EQ(g.aimPoint.y, 1150);
  EXPECT_FALSE(g.draggingCueBall);
}

TEST_F(Aiming, APressOnTheCueBallWithoutBallInHandAimsAtIt) {
  picPool_MouseDown(g, kLeft, px(600), py(600));
  EXPECT_FALSE(g.draggingCueBall);
  EXPECT_FLOAT_EQ(g.aimPoint.x, 600);
  EXPECT_FLOAT_EQ(g.balls[0].x, 600);
}

TEST_F(Aiming, MovesWithoutAButtonOnlyResetTheMenuLabelColours) {
  for (Ctl c : {Ctl::lblMenu0, Ctl::lblMenu1, Ctl::lblMenu2}) g.form.setForeColor(c, rgb(255, 255, 0));
  g.draggingCueBall = true;
  picPool_MouseMove(g, 0, 300, 200);
  for (Ctl c : {Ctl::lblMenu0, Ctl::lblMenu1, Ctl::lblMenu2}) {
    EXPECT_EQ(g.form[c].foreColor, rgb(192, 0, 192));
  }
  EXPECT_EQ(g.balls[0].x, 600);
  EXPECT_EQ(g.aimPoint.x, 1790);
  picPool_MouseUp(g, 0, 300, 200);
  EXPECT_EQ(g.aimPoint.x, 1790) << "a release that names no button does nothing";
}

TEST_F(Aiming, AReleaseAwayFromTheBallInHandEndsTheDragAndAims) {
  g.ballInHand = true;
  g.draggingCueBall = true;
  picPool_MouseUp(g, kLeft, px(1500), py(300));
  EXPECT_FALSE(g.draggingCueBall);
  EXPECT_NEAR(g.aimPoint.x, 1500, 0.01);
}

TEST_F(Aiming, AClickInSoloPlayOnlyMovesTheAim) {
  g.gameMode = modeSolo;
  g.Timer1.setEnabled(true);
  picPool_MouseDown(g, kLeft, px(1500), py(300));
  picPool_MouseUp(g, kLeft, px(1500), py(300));
  picPool_Click(g);
  EXPECT_EQ(g.gameMode, modeSolo);
  EXPECT_TRUE(g.Timer1.enabled());
  EXPECT_NEAR(g.aimPoint.x, 1500, 0.01);
}

TEST_F(Aiming, AClickOnTheTableEndsTheDemonstration) {
  g.gameMode = modeDemo;
  g.Timer1.setEnabled(true);
  g.timCom.setEnabled(true);
  picPool_Click(g);
  EXPECT_EQ(g.gameMode, modeMenu);
  EXPECT_FALSE(g.Timer1.enabled());
  EXPECT_FALSE(g.timCom.enabled());
}

struct SpinCase {
  const char* name;
  Single x, y;  // pixels of the 45 x 45 picture
  Single side, follow;
  Single dotLeft, dotTop;
};

class SpinPicker : public ::testing::TestWithParam<SpinCase> {};

TEST_P(SpinPicker, SetsTheSpinWithTheSquareOfTheDistanceAndMovesTheDot) {
  testing::Fixture f;
  const SpinCase& c = GetParam();
  f.g.balls[0].sideSpin = 0.7f;
  f.g.balls[0].followSpin = -0.7f;
  picSetPoint_MouseDown(f.g, kLeft, c.x, c.y);
  EXPECT_NEAR(f.g.balls[0].sideSpin, c.side, 1e-5);
  EXPECT_NEAR(f.g.balls[0].followSpin, c.follow, 1e-5);
  EXPECT_NEAR(f.g.form[Ctl::shpPoint].left, c.dotLeft, 1e-4);
  EXPECT_NEAR(f.g.form[Ctl::shpPoint].top, c.dotTop, 1e-4);
}

const Single kDiag = 20 / std::sqrt(2.0f);  // the dot's offset on the rim along a diagonal

INSTANTIATE_TEST_SUITE_P(
    Clicks, SpinPicker,
    ::testing::Values(SpinCase{"Centre", 22.5f, 22.5f, 0, 0, 20, 20},
                      SpinCase{"InsideTheDeadZone", 23.5f, 23.5f, 0, 0, 20, 20},
                      SpinCase{"TenPixelsAbove", 22.5f, 12.5f, 0, 0.25f, 20, 10},
                      SpinCase{"TenPixelsRight", 32.5f, 22.5f, 0.25f, 0, 30, 20},
                      SpinCase{"HalfWayBelow", 22.5f, 32.5f, 0, -0.25f, 20, 30},
                      SpinCase{"RimLeft", 2.5f, 22.5f, -1, 0, 0, 20},
                      SpinCase{"BottomRightCorner", 45, 45, 0.5f * std::sqrt(2.0f),
                               -0.5f * std::sqrt(2.0f), 20 + kDiag, 20 + kDiag},
                      SpinCase{"TopLeftCorner", 0, 0, -0.5f * std::sqrt(2.0f),
                               0.5f * std::sqrt(2.0f), 20 - kDiag, 20 - kDiag}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SpinPickerEdge, JustOutsideTheDeadZoneGivesATinySpin) {
  testing::Fixture f;
  picSetPoint_MouseDown(f.g, kLeft, 22.5f + 1.7f, 22.5f);  // 5/3 is about 1.667
  EXPECT_NEAR(f.g.balls[0].sideSpin, (1.7f / 20) * (1.7f / 20), 1e-5);
  EXPECT_NEAR(f.g.balls[0].followSpin, 0, 1e-6);
}

TEST(SpinPickerEdge, ACornerGivesASpinVectorOfLengthOne) {
  testing::Fixture f;
  for (auto [x, y] : {std::pair{0.f, 45.f}, std::pair{45.f, 0.f}, std::pair{-30.f, 22.5f}}) {
    picSetPoint_MouseDown(f.g, kLeft, x, y);
    const BallRecord& cue = f.g.balls[0];
    EXPECT_NEAR(std::hypot(cue.sideSpin, cue.followSpin), 1, 1e-5) << x << "," << y;
    const Single cx = f.g.form[Ctl::shpPoint].left + 2.5f - 22.5f;
    const Single cy = f.g.form[Ctl::shpPoint].top + 2.5f - 22.5f;
    EXPECT_NEAR(std::hypot(cx, cy), 20, 1e-4) << "the dot sits on the 20-pixel circle";
  }
}

}  // namespace
}  // namespace velkor
