// The computer's turn on the virtual clock: the 22 paced ticks, the break, ball-in-hand
// placement, the demonstration's live table, and a turn cut short.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "controls/coordinates.h"
#include "engine/game_modes.h"
#include "engine/rack.h"
#include "engine/shot_rules.h"
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

// A table where the placement behind the 7 brings a bank off the bottom cushion that pots
// the 7 and the cue ball with it, so the same foul comes back each time the 7 is re-spotted.
struct RepeatedFoul : ComputerTurn {
  static constexpr TablePoint kFirstSpot{1658.578f, 458.578f};  // behind the 7 for pocket 3

  // The computer on turn with ball in hand: in the demonstration, or as quib in a match.
  void loopTable(bool demo) {
    if (demo) {
      startDemo(g);
    } else {
      computerOnTurnAfterBreak(true);
    }
    g.breakPending = false;
    g.Timer2.setEnabled(false);
    g.quibLevel = 11;
    sim::clearTable(g);
    sim::placeBall(g, 0, 600, 600);
    sim::placeBall(g, 7, 1800, 600);
    sim::placeBall(g, 8, 645.6883544921875f, 1141.005859375f);
    sim::placeBall(g, 9, 1773.483154296875f, 440.1938171386719f);
    g.ballInHand = true;
    switchComputerTurn(g, true);
  }

  // Runs the turn's shot to its end and the rules that follow it.
  void runShot() {
    ASSERT_TRUE(clock.clock().runUntil([this] { return g.Timer1.enabled(); }, 5000));
    ASSERT_TRUE(clock.clock().runUntil([this] { return !g.Timer1.enabled(); }, 120000));
  }

  // The first turn: the usual placement, then the foul that re-spots the 7.
  void firstTurnFouls() {
    advance(100);
    EXPECT_NEAR(g.balls[0].x, kFirstSpot.x, 0.01);
    EXPECT_NEAR(g.balls[0].y, kFirstSpot.y, 0.01);
    runShot();
    ASSERT_EQ(g.foulCount, 1);
    ASSERT_TRUE(g.ballInHand);
    ASSERT_EQ(g.balls[7].x, 1800);
    ASSERT_EQ(g.balls[7].y, 600);
  }

  void expectCueAt(TablePoint p) {
    EXPECT_NEAR(g.balls[0].x, p.x, 0.01);
    EXPECT_NEAR(g.balls[0].y, p.y, 0.01);
  }
};

TEST_F(RepeatedFoul, TheComputersOwnRepeatedFoulPlacesTheCueBallAtARandomFreeSpot) {
  loopTable(true);
  firstTurnFouls();
  ASSERT_TRUE(g.timCom.enabled()) << "the other side of the demonstration is on turn";
  // The fixed draws give the first free spot: x = 100 + 2200 * 0.5, y = 100 + 1000 * 0.5.
  f.random.set({0.5});
  const std::size_t drawn = f.random.drawsTaken();
  advance(100);
  expectCueAt({1200, 600});
  EXPECT_EQ(f.random.drawsTaken() - drawn, 2u);
  EXPECT_EQ(ctl(Ctl::lblQuibsMessage).caption, "My turn.");
  EXPECT_EQ(g.aimPoint.x, 1800);
  EXPECT_EQ(g.aimPoint.y, 600);
  runShot();
  EXPECT_EQ(g.foulCount, 1) << "the shot from the new spot does not foul again";
}

TEST_F(RepeatedFoul, TakenSpotsAreDrawnAgainAndWithoutAFreeOneTheUsualPlacementStands) {
  loopTable(true);
  firstTurnFouls();
  // On the 7, on the 8, then free: each spot takes two draws.
  const double onSeven[] = {1700.0 / 2200, 500.0 / 1000};
  const double onEight[] = {545.6883544921875 / 2200, 1000.0 / 1000 - 0.0001};
  f.random.set({onSeven[0], onSeven[1], onEight[0], onEight[1], 0.25, 0.25});
  std::size_t drawn = f.random.drawsTaken();
  advance(100);
  expectCueAt({650, 350});
  EXPECT_EQ(f.random.drawsTaken() - drawn, 6u);

  // Every draw on a ball: after the first try and 50 more, the usual placement.
  loopTable(true);
  firstTurnFouls();
  std::vector<double> allTaken;
  for (int i = 0; i < 51; ++i) allTaken.insert(allTaken.end(), {onSeven[0], onSeven[1]});
  allTaken.push_back(0.5);  // a free spot, never reached
  f.random.set(allTaken);
  drawn = f.random.drawsTaken();
  advance(100);
  expectCueAt(kFirstSpot);
  EXPECT_EQ(f.random.drawsTaken() - drawn, 102u);
}

TEST_F(RepeatedFoul, ATargetMovedByMoreThanADiameterGetsTheUsualPlacement) {
  struct Case {
    Single y;
    bool random;
  };
  for (const Case c : {Case{700, true}, Case{700.5f, false}}) {
    SCOPED_TRACE(c.y);
    loopTable(true);
    firstTurnFouls();
    sim::placeBall(g, 7, 1800, c.y);
    f.random.set({0.5});
    advance(100);
    const TablePoint behindSeven = behind({1800, c.y}, {2350, 1150});
    expectCueAt(c.random ? TablePoint{1200, 600} : behindSeven);
  }
}

TEST_F(RepeatedFoul, AfterAPersonsFoulFromTheSameSpotTheUsualPlacementStands) {
  loopTable(false);
  advance(100);
  expectCueAt(kFirstSpot);
  ASSERT_TRUE(clock.clock().runUntil([this] { return g.Timer1.enabled(); }, 5000));
  const TablePoint aim = g.aimPoint;
  const Integer power = ctl(Ctl::HScroll1).value;
  runShot();
  ASSERT_EQ(g.foulCount, 1);
  ASSERT_FALSE(g.timCom.enabled()) << "the person has ball in hand";

  // The person plays the computer's shot again from the computer's spot: the same foul.
  sim::placeBall(g, 0, kFirstSpot.x, kFirstSpot.y);
  g.aimPoint = aim;
  setPowerBar(g, power);
  cmdShot_Click(g);
  ASSERT_TRUE(clock.clock().runUntil([this] { return !g.Timer1.enabled(); }, 120000));
  ASSERT_EQ(g.foulCount, 2);
  ASSERT_TRUE(g.timCom.enabled());
  advance(100);
  expectCueAt(kFirstSpot);
}

TEST_F(RepeatedFoul, ANewRackOrATakeBackForgetsTheLastPlacement) {
  loopTable(true);
  firstTurnFouls();
  ASSERT_TRUE(g.lastCpuPlacement.shotTaken);
  g.shotCount = 5;
  takeBackShot(g);
  EXPECT_FALSE(g.lastCpuPlacement.shotTaken);

  loopTable(true);
  firstTurnFouls();
  startRack(g);
  EXPECT_FALSE(g.lastCpuPlacement.shotTaken);
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
