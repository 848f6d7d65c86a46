#include "screen/logic/shot_controls.h"

#include <gtest/gtest.h>

#include "engine/shot_rules.h"
#include "platform/text.h"
#include "support/fake_screen.h"

namespace velkor {
namespace {

using testing::Fixture;

TEST(ShotOwner, NamesTheShooterOnTheButton) {
  Fixture f;
  f.g.players[0].isBreaker = true;
  f.g.players[0].name = fixedText("You", 12);
  f.g.players[1].name = fixedText("Player1", 12);
  showShotOwner(f.g, 0);
  EXPECT_EQ(f.g.form[Ctl::cmdShot].caption, "Your Shot");
  showShotOwner(f.g, 1);
  EXPECT_EQ(f.g.form[Ctl::cmdShot].caption, "Player1's Shot");
  f.g.players[0].name = fixedText("you", 12);
  showShotOwner(f.g, 2);
  EXPECT_EQ(f.g.form[Ctl::cmdShot].caption, "you's Shot") << "only the exact name is addressed";
}

TEST(ShotButton, LaunchesHidesTheMarkersSwitchesTimersAndCountsTheShot) {
  Fixture f;
  f.g.breakPending = false;
  f.g.ballInHand = true;
  f.g.balls[0] = BallRecord{600, 600};
  f.g.aimPoint = {1600, 600};
  f.g.form.setAutoRedraw(Ctl::picPool, true);
  f.g.Timer2.setEnabled(true);
  setPowerBar(f.g, 50);
  cmdShot_Click(f.g);
  EXPECT_FLOAT_EQ(f.g.balls[0].speed, 2800);
  EXPECT_FALSE(f.g.form[Ctl::shpTarget].visible);
  EXPECT_FALSE(f.g.form[Ctl::shpQBall].visible);
  EXPECT_FALSE(f.g.form[Ctl::picPool].autoRedraw);
  EXPECT_FALSE(f.g.form[Ctl::cmdShot].enabled);
  EXPECT_FALSE(f.g.form[Ctl::HScroll1].enabled);
  EXPECT_FALSE(f.g.form[Ctl::picSetPoint].enabled);
  EXPECT_TRUE(f.g.Timer1.enabled());
  EXPECT_FALSE(f.g.Timer2.enabled());
  EXPECT_TRUE(f.g.timTimeCounter.enabled());
  EXPECT_FALSE(f.g.ballInHand);
  EXPECT_TRUE(f.g.savedBallInHand) << "the snapshot is taken before ball in hand is cleared";
  EXPECT_EQ(f.g.shotCount, 1);
}

TEST(ShotButton, TheShotCountStopsAtTheTopOfItsRange) {
  Fixture f;
  f.g.breakPending = false;
  f.g.shotCount = 32767;
  cmdShot_Click(f.g);
  EXPECT_EQ(f.g.shotCount, 32767);
}

}  // namespace
}  // namespace velkor
