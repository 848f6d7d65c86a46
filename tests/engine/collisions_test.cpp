#include "engine/collisions.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/table_model.h"
#include "support/fake_screen.h"
#include "tools/sim/scenes.h"

namespace velkor {
namespace {

using sim::placeBall;

struct Contact : ::testing::Test {
  Contact() { sim::clearTable(f.g); }
  BallRecord& ball(int n) { return f.g.balls[static_cast<std::size_t>(n)]; }
  static Single energy(const BallRecord& b) { return b.vx * b.vx + b.vy * b.vy; }
  testing::Fixture f;
};

// --- Ball against ball --------------------------------------------------------------------

using BallContact = Contact;

TEST_F(BallContact, SpinlessFullHitStopsTheStrikerDead) {
  placeBall(f.g, 0, 1000, 600, 3000, 0);
  placeBall(f.g, 1, 1100, 600);
  collideBalls(f.g, 0, 1);
  EXPECT_EQ(ball(0).speed, 0);
  EXPECT_EQ(ball(0).direction, 0) << "heading of a zero velocity";
  EXPECT_EQ(ball(0).vx, 0);
  EXPECT_FLOAT_EQ(ball(1).speed, 3000);
  EXPECT_EQ(ball(1).direction, 0);
  ASSERT_EQ(f.sound.calls.size(), 1u);
  EXPECT_EQ(f.sound.calls[0].first, "hit");
  EXPECT_FLOAT_EQ(f.sound.calls[0].second, 3000) << "relative speed after the contact";
  EXPECT_EQ(ball(0).x, 1000);
  EXPECT_EQ(ball(1).x, 1100);
  EXPECT_TRUE(ball(0).onTable);
}

struct FollowCase {
  Single follow;
  Single expectedSpeed;
  Single expectedDirection;
};

class FollowSpinContact : public Contact, public ::testing::WithParamInterface<FollowCase> {};

TEST_P(FollowSpinContact, DrivesTheStrikerAlongItsOldHeading) {
  const FollowCase c = GetParam();
  placeBall(f.g, 0, 1000, 600, 2000, 0, c.follow, 0);
  placeBall(f.g, 3, 1100, 600);
  collideBalls(f.g, 0, 3);
  EXPECT_NEAR(ball(0).speed, c.expectedSpeed, 1e-3);
  EXPECT_NEAR(ball(0).direction, c.expectedDirection, 1e-6);
  EXPECT_FLOAT_EQ(ball(3).speed, 2000) << "the struck ball moves as without spin";
  EXPECT_EQ(ball(3).direction, 0);
  EXPECT_EQ(ball(0).followSpin, 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, FollowSpinContact,
                         ::testing::Values(FollowCase{600, 600, 0},     // top spin: on
                                           FollowCase{-450, 450, kPi},  // back spin: back
                                           FollowCase{0, 0, 0}));

TEST_F(BallContact, ThinContactPartsTheBallsAtARightAngleAndKeepsTheEnergy) {
  placeBall(f.g, 0, 1000, 600, 2500, 0);
  placeBall(f.g, 2, 1060, 680);  // 100 away, 53 degrees off the line of travel
  const Single before = energy(ball(0));
  collideBalls(f.g, 0, 2);
  const Single dot = ball(0).vx * ball(2).vx + ball(0).vy * ball(2).vy;
  EXPECT_NEAR(dot / (ball(0).speed * ball(2).speed), 0, 1e-6);
  EXPECT_NEAR(energy(ball(0)) + energy(ball(2)), before, before * 1e-6);
  // The striker keeps its cross component: 2500 * sin(theta) with sin = 0.8.
  EXPECT_NEAR(ball(0).speed, 2500 * 0.8, 0.01);
  EXPECT_NEAR(ball(2).speed, 2500 * 0.6, 0.01);
}

TEST_F(BallContact, HeadOnMeetingOfTwoMovingBallsSwapsTheirSpeeds) {
  placeBall(f.g, 4, 1000, 600, 1200, 0);
  placeBall(f.g, 5, 1100, 600, 700, kPi);
  collideBalls(f.g, 4, 5);
  EXPECT_FLOAT_EQ(ball(4).vx, -700);
  EXPECT_FLOAT_EQ(ball(5).vx, 1200);
  EXPECT_FLOAT_EQ(f.sound.calls.at(0).second, 1900);
}

TEST_F(BallContact, SideSpinOfEitherBallThrowsThemApartAcrossTheLine) {
  // The struck ball rests but still carries side spin: it feeds k = 0.3 * (500 - 0) / 2.
  placeBall(f.g, 0, 1000, 600, 2000, 0, 0, 0);
  placeBall(f.g, 1, 1100, 600, 0, 0, 0, 500);
  collideBalls(f.g, 0, 1);
  const Single k = 0.3f * 500 / 2;
  EXPECT_NEAR(ball(0).vx, 0, 1e-3);
  EXPECT_FLOAT_EQ(ball(0).vy, k);
  EXPECT_FLOAT_EQ(ball(1).vx, 2000);
  EXPECT_FLOAT_EQ(ball(1).vy, -k);
  EXPECT_EQ(ball(1).sideSpin, 0);

  // The striker's own side spin pushes the other way.
  placeBall(f.g, 0, 1000, 600, 2000, 0, 0, 500);
  placeBall(f.g, 1, 1100, 600);
  collideBalls(f.g, 0, 1);
  EXPECT_FLOAT_EQ(ball(0).vy, -k);
  EXPECT_FLOAT_EQ(ball(1).vy, k);
  EXPECT_FLOAT_EQ(ball(0).speed, k);
  EXPECT_FLOAT_EQ(ball(0).direction, getDirection(0, 0, ball(0).vx, -k));
}

TEST_F(BallContact, SpinsAreSpentAtTheFirstContact) {
  placeBall(f.g, 0, 1000, 600, 2000, 0, 500, 800);
  placeBall(f.g, 1, 1100, 600, 0, 0, 0, 300);
  collideBalls(f.g, 0, 1);
  for (int n : {0, 1}) {
    EXPECT_EQ(ball(n).followSpin, 0) << n;
    EXPECT_EQ(ball(n).sideSpin, 0) << n;
  }
  // Hit again with the same velocities: now the result is the spinless one.
  placeBall(f.g, 0, 1000, 600, 2000, 0, ball(0).followSpin, ball(0).sideSpin);
  placeBall(f.g, 1, 1100, 600, 0, 0, ball(1).followSpin, ball(1).sideSpin);
  collideBalls(f.g, 0, 1);
  EXPECT_EQ(ball(0).speed, 0);
}

// --- Ball against cushion -----------------------------------------------------------------

using CushionContact = Contact;

struct ReboundCase {
  Integer cushion;
  Single direction;
  Single expectedDirection;
};

class SpinlessRebound : public Contact, public ::testing::WithParamInterface<ReboundCase> {};

TEST_P(SpinlessRebound, MirrorsTheHeadingAndKeepsTheSpeed) {
  const ReboundCase c = GetParam();
  placeBall(f.g, 6, 1000, 600, 1500, c.direction);
  bounceOffCushion(f.g, 6, c.cushion);
  EXPECT_NEAR(ball(6).direction, c.expectedDirection, 1e-6);
  EXPECT_NEAR(ball(6).speed, 1500, 1e-3);
  EXPECT_NEAR(ball(6).vx, 1500 * std::cos(c.expectedDirection), 1e-3);
  EXPECT_NEAR(ball(6).vy, 1500 * std::sin(c.expectedDirection), 1e-3);
  EXPECT_TRUE(f.sound.calls.empty()) << "the step asks for the cushion sound";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpinlessRebound,
    ::testing::Values(ReboundCase{cushionLeft, 3 * kPi / 4, kPi / 4},
                      ReboundCase{cushionLeft, -3 * kPi / 4, -kPi / 4},
                      ReboundCase{cushionRight, kPi / 6, 5 * kPi / 6},
                      ReboundCase{cushionTop, kPi / 3, -kPi / 3},
                      ReboundCase{cushionBottom, -kPi / 4, kPi / 4},
                      // A heading outside (-pi, pi] comes back inside it.
                      ReboundCase{cushionBottom, 5 * kPi / 4, 3 * kPi / 4}));

struct PushCase {
  Integer cushion;
  Single direction;  // head-on into that cushion
  Single expectedVx, expectedVy;
};

class SideSpinRebound : public Contact, public ::testing::WithParamInterface<PushCase> {};

TEST_P(SideSpinRebound, AddsAPushAlongTheCushion) {
  const PushCase c = GetParam();
  placeBall(f.g, 2, 1000, 600, 1200, c.direction, 400, 300);
  bounceOffCushion(f.g, 2, c.cushion);
  EXPECT_NEAR(ball(2).vx, c.expectedVx, 1e-3);
  EXPECT_NEAR(ball(2).vy, c.expectedVy, 1e-3);
  EXPECT_FLOAT_EQ(ball(2).speed, std::hypot(1200.0f, 300.0f));
  EXPECT_FLOAT_EQ(ball(2).direction, getDirection(0, 0, ball(2).vx, ball(2).vy));
  EXPECT_EQ(ball(2).followSpin, 0) << "top and back spin do nothing at a cushion";
  EXPECT_EQ(ball(2).sideSpin, 0);
  EXPECT_EQ(ball(2).x, 1000);
}

INSTANTIATE_TEST_SUITE_P(Cases, SideSpinRebound,
                         ::testing::Values(PushCase{cushionLeft, kPi, 1200, 300},
                                           PushCase{cushionRight, 0, -1200, -300},
                                           PushCase{cushionTop, kPi / 2, 300, -1200},
                                           PushCase{cushionBottom, -kPi / 2, -300, 1200}));

TEST_F(CushionContact, LeftHeadOnWithSideSpinLeavesAtTheArctangentOfSpinOverSpeed) {
  placeBall(f.g, 0, 50, 600, 2000, kPi, 0, 700);
  bounceOffCushion(f.g, 0, cushionLeft);
  EXPECT_NEAR(ball(0).direction, std::atan(700.0f / 2000), 1e-6);
  EXPECT_NEAR(ball(0).speed, std::hypot(2000.0f, 700.0f), 1e-2);
}

TEST_F(CushionContact, BallWithNegativeSpeedLeavesWithThePushAlone) {
  ball(3) = {50, 600, 10, 10, true, -40, kPi, 0, 250};
  bounceOffCushion(f.g, 3, cushionLeft);
  EXPECT_NEAR(ball(3).vx, 0, 1e-6);
  EXPECT_FLOAT_EQ(ball(3).vy, 250);
  EXPECT_FLOAT_EQ(ball(3).speed, 250);
}

}  // namespace
}  // namespace velkor
