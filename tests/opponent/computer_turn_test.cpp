// The computer's turn on the virtual clock: the 22 paced ticks, the break, ball-in-hand
// placement, the demonstration's live table, and a turn cut short.
#include <gtest/gtest.h>

#include <cmath>

#include "controls/coordinates.h"
#include "engine/game_modes.h"
#include "engine/rack.h"
#include "engine/table_model.h"
#include "opponent/computer_turn.h"
#include "screen/logic/aiming.h"
#include "screen/logic/shot_controls.h"
#include "screen/logic/timer_handlers.h"
#include "support/fake_screen.h"
#include "tools/sim/demo_games.h"
#include "tools/sim/scenes.h"

namespace velkor {
namespace {

struct ComputerTurn : ::testing::Test {
  ComputerTurn() {
    bindTimerHandlers(g);
    initPocketTable(g);
  }

  // A match against the computer in which it is on turn after the break, with ball in hand
  // or not; the turn's timer is switched on as the rules do.
  void computerOnTurnAfterBreak(bool inHand) {
    setVsCpuPlayerNames(g);
    g.vsComputer = true;
    acceptVsSetupDefaults(g);
    startRack(g);
    g.breakPending = false;
    g.Timer2.setEnabled(false);
    g.turnCount = 1;  // player 1, the computer
    g.ballInHand = inHand;
    switchComputerTurn(g, true);
  }

  void advance(long long ms) { clock.clock().advance(ms); }
  const ControlProps& ctl(Ctl c) { return g.form[c]; }
  bool shotControlsEnabled() {
    return ctl(Ctl::cmdShot).enabled || ctl(Ctl::HScroll1).enabled || ctl(Ctl::picSetPoint).enabled;
  }

  testing::Fixture f;
  GameState& g = f.g;
  sim::GameClock clock{g};
};

TEST_F(ComputerTurn, BreakShowsItsRemarkChoosesNothingAndFiresTheSwingingAimOnTheTwentySecondTick) {
  setVsCpuPlayerNames(g);
  acceptVsSetupDefaults(g);
  g.players[0].isBreaker = false;
  g.players[1].isBreaker = true;
  startRack(g);
  const BallRecord cueBefore = g.balls[0];
  g.form.setVisible(Ctl::lblQuibsMessage, false);
  switchComputerTurn(g, true);

  advance(99);
  EXPECT_FALSE(ctl(Ctl::lblQuibsMessage).visible) << "nothing before the first tick";
  advance(1);
  EXPECT_TRUE(ctl(Ctl::lblQuibsMessage).visible);
  EXPECT_EQ(ctl(Ctl::lblQuibsMessage).caption, "My first shot.");
  EXPECT_FALSE(shotControlsEnabled());
  EXPECT_FALSE(ctl(Ctl::picPool).enabled) << "the human's table is locked in a match";
  EXPECT_EQ(g.balls[0].x, cueBefore.x);
  EXPECT_EQ(g.balls[0].y, cueBefore.y);
  const TablePoint aimAtFirstTick = g.aimPoint;

  advance(1400);  // the 15th tick: no choice replaced the remark
  EXPECT_EQ(ctl(Ctl::lblQuibsMessage).caption, "My first shot.");
  EXPECT_TRUE(ctl(Ctl::lblQuibsMessage).visible);
  EXPECT_EQ(ctl(Ctl::HScroll1).value, 100) << "the break keeps the power bar's value";
  advance(100);
  EXPECT_FALSE(ctl(Ctl::lblQuibsMessage).visible) << "hidden from the 16th tick";

  advance(500);  // 2.1 s: the 21st tick
  EXPECT_FALSE(g.Timer1.enabled());
  EXPECT_EQ(g.comStep, 21);
  advance(100);  // 2.2 s: the press
  EXPECT_TRUE(g.Timer1.enabled());
  EXPECT_EQ(g.shotCount, 1);
  EXPECT_FALSE(g.timCom.enabled());
  EXPECT_EQ(g.comStep, 0);
  EXPECT_EQ(ctl(Ctl::lblQuibsMessage).caption, "");
  EXPECT_FALSE(ctl(Ctl::picPool).enabled) << "locked while the computer's shot runs";
  EXPECT_FALSE(g.Timer2.enabled());
  EXPECT_TRUE(g.aimPoint.x != aimAtFirstTick.x || g.aimPoint.y != aimAtFirstTick.y)
      << "the aim swung on until the press";
  EXPECT_NEAR(g.balls[0].direction,
              getDirection(cueBefore.x, cueBefore.y, g.aimPoint.x, g.aimPoint.y), 1e-5)
      << "the shot goes along the aim of the moment of the press";
}

TEST_F(ComputerTurn, WithoutBallInHandTheCueBallStaysAndTheAimJumpsToTheTargetsCentre) {
  computerOnTurnAfterBreak(false);
  sim::clearTable(g);
  sim::placeBall(g, 0, 700, 300);
  sim::placeBall(g, 4, 1500, 800);
  sim::placeBall(g, 9, 2000, 500);
  advance(100);
  EXPECT_EQ(ctl(Ctl::lblQuibsMessage).caption, "Weel....");
  EXPECT_EQ(g.balls[0].x, 700);
  EXPECT_EQ(g.balls[0].y, 300);
  EXPECT_EQ(g.aimPoint.x, 1500);
  EXPECT_EQ(g.aimPoint.y, 800);
  EXPECT_FLOAT_EQ(ctl(Ctl::shpTarget).left, toPicX(g, 1500) - 10);
  EXPECT_FLOAT_EQ(ctl(Ctl::shpTarget).top, toPicY(g, 800) - 10);
  EXPECT_FALSE(ctl(Ctl::shpQBall).visible);
  EXPECT_FALSE(shotControlsEnabled());
  EXPECT_FALSE(ctl(Ctl::picPool).enabled);

  advance(400);
  EXPECT_EQ(ctl(Ctl::lblQuibsMessage).caption, "Weel....") << "thinking, ticks 2 to 5";
  advance(100);
  EXPECT_NE(ctl(Ctl::lblQuibsMessage).caption, "Weel....") << "the choice speaks on the sixth";
  EXPECT_FALSE(ctl(Ctl::HScroll1).enabled);
  advance(900);
  EXPECT_TRUE(ctl(Ctl::lblQuibsMessage).visible);
  advance(100);
  EXPECT_FALSE(ctl(Ctl::lblQuibsMessage).visible) << "hidden from the 16th tick";
  EXPECT_FALSE(g.Timer1.enabled());
  advance(600);
  EXPECT_TRUE(g.Timer1.enabled()) << "pressed on the 22nd tick";
  EXPECT_FALSE(g.timCom.enabled());
  EXPECT_EQ(g.comStep, 0);
  EXPECT_FALSE(g.ballInHand);
}

struct Placement {
  const char* label;
  TablePoint target;
  TablePoint cue;
  TablePoint expected;
  bool movePocketOne = false;  // pocket 1 beside the target, its spot off the cloth
};

// Two diameters behind the target on the line from the pocket.
TablePoint behind(TablePoint t, TablePoint pocket) {
  const double d = std::hypot(pocket.x - t.x, pocket.y - t.y);
  return {static_cast<Single>(t.x - 200 * (pocket.x - t.x) / d),
          static_cast<Single>(t.y - 200 * (pocket.y - t.y) / d)};
}

const Placement kPlacements[] = {
    {"the nearest pocket's spot", {300, 900}, {1800, 300}, behind({300, 900}, {50, 1150})},
    {"a spot next to the cue ball's present centre is taken",
     {300, 900},
     {491, 759},
     behind({300, 900}, {50, 50})},
    {"equal distances: the lower pocket", {1200, 600}, {600, 600}, {1200, 400}},
    {"a spot off the cloth is skipped", {200, 600}, {1800, 600}, behind({200, 600}, {50, 50}),
     true},
    {"no spot inside and free: the cue ball stays", {1000, 1150}, {1800, 600}, {1800, 600}},
};

TEST_F(ComputerTurn, BallInHandPutsTheCueBallBehindTheTargetForTheNearestFreePocket) {
  for (const Placement& p : kPlacements) {
    SCOPED_TRACE(p.label);
    sim::clearTable(g);
    initPocketTable(g);
    if (p.movePocketOne) g.pocketPoints[1] = {300, 600};
    sim::placeBall(g, 0, p.cue.x, p.cue.y);
    sim::placeBall(g, 3, p.target.x, p.target.y);
    sim::placeBall(g, 7, 2200, 1000);
    g.ballInHand = true;
    g.balls[0].followSpin = 0.25f;
    placeCueBallForCpu(g);
    EXPECT_EQ(ctl(Ctl::lblQuibsMessage).caption, "My turn.");
    EXPECT_NEAR(g.balls[0].x, p.expected.x, 0.01);
    EXPECT_NEAR(g.balls[0].y, p.expected.y, 0.01);
    EXPECT_EQ(g.balls[0].followSpin, 0.25f) << "only the position changes";
    EXPECT_EQ(g.aimPoint.x, p.target.x);
    EXPECT_EQ(g.aimPoint.y, p.target.y);
  }
}

TEST_F(ComputerTurn, BallInHandTurnShowsTheCueBallInItsNewPlaceFromTheFirstTick) {
  computerOnTurnAfterBreak(true);
  sim::clearTable(g);
  sim::placeBall(g, 0, 1800, 300);
  sim::placeBall(g, 2, 300, 900);
  f.screen.calls.clear();
  advance(100);
  const TablePoint spot = behind({300, 900}, {50, 1150});
  EXPECT_NEAR(g.balls[0].x, spot.x, 0.01);
  EXPECT_NEAR(g.balls[0].y, spot.y, 0.01);
  EXPECT_EQ(ctl(Ctl::lblQuibsMessage).caption, "My turn.");
  EXPECT_FALSE(ctl(Ctl::shpQBall).visible);
  EXPECT_EQ(f.screen.callsStartingWith("drawTable").size(), 1u);
}

TEST_F(ComputerTurn, DemonstrationLeavesTheTableLiveAndAClickEndsItAtOnce) {
  startDemo(g);
  advance(100);
  EXPECT_TRUE(ctl(Ctl::picPool).enabled) << "first tick";
  EXPECT_FALSE(shotControlsEnabled());
  advance(2100);
  EXPECT_TRUE(g.Timer1.enabled());
  EXPECT_TRUE(ctl(Ctl::picPool).enabled) << "last tick";

  // The next turn, cut by a click on the table half-way.
  ASSERT_TRUE(clock.clock().runUntil([this] { return g.timCom.enabled(); }, 120000));
  advance(700);
  EXPECT_EQ(g.comStep, 7);
  picPool_Click(g);
  EXPECT_EQ(g.gameMode, modeMenu);
  EXPECT_FALSE(g.timCom.enabled());
  EXPECT_FALSE(g.Timer1.enabled());
  EXPECT_EQ(g.comStep, 0);
  EXPECT_TRUE(ctl(Ctl::picMenu).visible);
}

TEST_F(ComputerTurn, TurnCutShortByTheMenuStartsAgainFromItsFirstTick) {
  computerOnTurnAfterBreak(true);
  advance(300);
  EXPECT_EQ(g.comStep, 3);
  returnToMenu(g);
  EXPECT_EQ(g.comStep, 0);
  EXPECT_FALSE(g.timCom.enabled());

  // The next match: the computer breaks, and its turn opens with its remark and the lock.
  computerOnTurnAfterBreak(false);
  g.form.setVisible(Ctl::lblQuibsMessage, false);
  g.form.setEnabled(Ctl::picPool, true);
  setShotControlsEnabled(g, true);
  advance(100);
  EXPECT_EQ(g.comStep, 1);
  EXPECT_TRUE(ctl(Ctl::lblQuibsMessage).visible);
  EXPECT_EQ(ctl(Ctl::lblQuibsMessage).caption, "Weel....");
  EXPECT_FALSE(shotControlsEnabled()) << "the human cannot shoot in the computer's turn";
  EXPECT_FALSE(ctl(Ctl::picPool).enabled);
}

TEST_F(ComputerTurn, StepOutsideTheTurnPressesAtOnce) {
  computerOnTurnAfterBreak(false);
  g.comStep = 40;
  advance(100);
  EXPECT_TRUE(g.Timer1.enabled());
  EXPECT_FALSE(g.timCom.enabled());
  EXPECT_EQ(g.comStep, 0);
}

}  // namespace
}  // namespace velkor
