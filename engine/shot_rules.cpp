#include "engine/shot_rules.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "controls/coordinates.h"
#include "controls/message_box.h"
#include "controls/shot_controls.h"
#include "engine/game_modes.h"
#include "engine/physics_step.h"
#include "engine/rack.h"
#include "engine/table_model.h"
#include "platform/text.h"
#include "records/quib_level.h"
#include "records/ranking.h"
#include "records/record_tables.h"

namespace velkor {

namespace {

constexpr Integer kSoloRankingTurns = 10;
constexpr Single kGhostDistance = 100;
constexpr Single kSpotLineY = 600;
constexpr Single kSpotLineFootX = 1800;
constexpr Single kSpotSpacing = 100;
// Spots right of the foot spot are tried first, then the line runs left from it.
constexpr int kSpotsRightOfFoot = 5;
// k = -17 (x = 100): the leftmost spot inside the cushion lines.
constexpr int kLastSpot = 22;

// k of the n-th spot in search order: 0, 1, ..., 5, -1, -2, ...
int spotOffset(int n) { return n <= kSpotsRightOfFoot ? n : kSpotsRightOfFoot - n; }

void showScratchMessage(GameState& g, const std::string& name) {
  if (g.gameMode == modeSolo || (g.gameMode == modeVersus && name == "You")) {
    showMessage(g, "Your Ball was falling down !!");
  } else if (g.gameMode == modeVersus) {
    showMessage(g, name + "'s Ball was falling down !!");
  }
}

void showMissMessage(GameState& g, const std::string& name) {
  if (g.gameMode == modeSolo) {
    showMessage(g, "You missed !");
  } else if (g.gameMode == modeVersus) {
    showMessage(g, name == "You" ? "You missed!" : name + " missed!");
  }
}

void showWinnerMessage(GameState& g, const std::string& name) {
  if (g.gameMode != modeVersus) return;
  showMessage(g, name == "You" ? "You are Winner!" : name + " is Winner!");
}

void showShotButtonOwner(GameState& g, Integer player) {
  g.form.setCaption(Ctl::cmdShot,
                    shotOwnerCaption(trimBlanks(g.players[static_cast<std::size_t>(player)].name)));
  g.form.setFontName(Ctl::cmdShot, "Arial");
  g.form.setFontBold(Ctl::cmdShot, true);
}

void showRecordsScreen(GameState& g) { g.form.setVisible(Ctl::picScore, true); }

// Aims the next shot full at the lowest ball and marks the cue ball when it may be placed.
void aimAtLowestBall(GameState& g) {
  const Integer t = getLowestBall(g);
  if (t == 0) return;
  const BallRecord& target = g.balls[static_cast<std::size_t>(t)];
  g.aimPoint = {target.x, target.y};
  const Single a = getShotAngle(g);
  placeTargetMarker(g, toPicX(g, target.x - kGhostDistance * std::cos(a)),
                    toPicY(g, target.y - kGhostDistance * std::sin(a)));
  g.form.setVisible(Ctl::shpTarget, true);
  if (g.ballInHand) {
    placeCueBallMarker(g, toPicX(g, g.balls[0].x), toPicY(g, g.balls[0].y));
    g.form.setVisible(Ctl::shpQBall, true);
  }
}

void prepareNextShot(GameState& g) {
  g.screen->drawTable();
  g.form.setVisible(Ctl::shpTarget, true);
  g.screen->drawBallOnTable(0);
  g.screen->refreshPicture(Ctl::picPool);

  aimAtLowestBall(g);

  g.screen->drawPocketedBalls();
  setShotControlsEnabled(g, true);
  updateRetryMenu(g);
  enableShotControls(g);
  centreSpinMarker(g);
  g.screen->refreshPicture(Ctl::picPool);

  if (g.gameMode == modeVersus) {
    showShotOwner(g, g.turnCount);
    if (getTurnPlayerIndex(g, g.turnCount) == 1 && g.vsComputer) {
      disableShotControls(g);
      switchComputerTurn(g, true);
    }
  } else if (g.gameMode == modeDemo) {
    disableShotControls(g);
    switchComputerTurn(g, true);
  }

  g.screen->showInfomation();
}

void finishSoloGame(GameState& g) {
  g.turnCount = plusOne(g.turnCount);
  g.screen->showModal(Window::frmRecord);
  if (g.turnCount <= kSoloRankingTurns && doseLankInSolo(g)) {
    g.screen->showModal(Window::frmInputBox);
    sortSoloRecord(g);
    showRecordsScreen(g);
    saveSoloRecord(g);
  }
  g.screen->showInfomation();
}

void finishVersusGame(GameState& g) {
  awardGame(g, g.turnCount);
  const Integer k = g.players[0].isBreaker ? 0 : 1;
  PlayerRecord& winner = g.players[static_cast<std::size_t>(k)];
  showWinnerMessage(g, trimBlanks(winner.name));
  g.screen->showModal(Window::frmVsResult);
  if (winner.gamesWon >= g.gamesToWin) {
    if (g.vsComputer) {
      updateQuibLevel(g, k == 0);
      saveQuibLevel(g);
      if (doseLankInVSCpu(g)) {
        sortVsCPURecord(g);
        showRecordsScreen(g);
        saveVsCpuRecord(g);
      }
    }
    g.players[0].isBreaker = true;
    g.players[1].isBreaker = false;
    g.players[0].gamesWon = 0;
    g.players[1].gamesWon = 0;
    showShotButtonOwner(g, 0);
  } else if (g.players[1].isBreaker && g.vsComputer) {
    switchComputerTurn(g, true);
  }
}

void finishGame(GameState& g) {
  g.screen->drawPocketedBalls();
  g.timTimeCounter.setEnabled(false);
  switch (g.gameMode) {
    case modeSolo:
      finishSoloGame(g);
      break;
    case modeVersus:
      finishVersusGame(g);
      break;
    case modeDemo:
      returnToMenu(g);
      break;
    default:
      break;
  }
  startRack(g);
  g.screen->showInfomation();
  setShotControlsEnabled(g, true);
  g.form.setVisible(Ctl::shpTarget, true);
  centreSpinMarker(g);
}

// Stops every ball and clears its velocity too: a ball that the break left with a negative
// speed still holds its break velocity, which the next shot's contact times would read as
// motion.
void bringAllBallsToRest(GameState& g) {
  stopAllBalls(g);
  for (BallRecord& b : g.balls) b.vx = b.vy = 0;
}

void judgeFoul(GameState& g) {
  respotPocketedBalls(g);
  g.foulCount = plusOne(g.foulCount);
  g.turnCount = plusOne(g.turnCount);
  g.ballInHand = true;
  prepareNextShot(g);
}

void endShot(GameState& g) {
  g.Timer1.setEnabled(false);
  bringAllBallsToRest(g);
  g.form.setAutoRedraw(Ctl::picPool, true);
  g.screen->drawTable();

  const std::string shooter = getPlayerName(g, g.turnCount);
  if (!g.balls[0].onTable) {
    showScratchMessage(g, shooter);
    judgeFoul(g);
  } else if (g.firstHit != g.targetBall) {
    showMissMessage(g, shooter);
    judgeFoul(g);
  } else if (!g.balls[9].onTable) {
    finishGame(g);
  } else {
    if (g.shotPocketedCount == 0) g.turnCount = plusOne(g.turnCount);
    prepareNextShot(g);
  }
}

void playBreakContact(GameState& g) {
  BallRecord& cue = g.balls[0];
  if (g.firstHitPending) {
    g.firstHit = 1;
    g.firstHitPending = false;
  }
  cue.x = g.aimPoint.x;
  cue.y = g.aimPoint.y;
  const Single strength = cue.speed;
  scatterRackOnBreak(g);
  g.sound->playHitSound(strength);
  g.screen->drawTable();
  g.breakPending = false;
  for (Integer i = 0; i <= 9; ++i) moveBall(g, i, kTick);
  g.screen->drawTable();
  g.form.setEnabled(Ctl::picPool, true);
}

}  // namespace

bool advanceBreakShot(GameState& g) {
  // A cue ball placed beyond the contact line meets the rack at once; tested after the
  // move only, it would run away from the line and off the table, since nothing else
  // stops it before the break.
  const bool beyondLine = g.balls[0].x >= kBreakContactX;
  moveBall(g, 0, kTick);
  if (!beyondLine && g.balls[0].x < kBreakContactX) return false;
  playBreakContact(g);
  return true;
}

void Timer1_Timer(GameState& g) {
  const std::uint32_t shot = g.shotSerial;
  if (g.breakPending) {
    advanceBreakShot(g);
  } else {
    stepBalls(g);
  }
  if (g.shotSerial != shot) return;  // the shot was ended under this tick
  g.screen->drawTable();
  if (!isAllBallsStopped(g)) return;
  endShot(g);
}

void timTimeCounter_Timer(GameState& g) {
  if (g.elapsedSeconds < std::numeric_limits<Long>::max()) ++g.elapsedSeconds;
}

Integer getTurnPlayerIndex(const GameState& g, Integer turn) {
  const int b = g.players[0].isBreaker ? 0 : 1;
  return static_cast<Integer>((turn + b) & 1);
}

std::string getPlayerName(const GameState& g, Integer turn) {
  return trimBlanks(g.players[static_cast<std::size_t>(getTurnPlayerIndex(g, turn))].name);
}

void showShotOwner(GameState& g, Integer turn) {
  g.form.setCaption(Ctl::cmdShot, shotOwnerCaption(getPlayerName(g, turn)));
}

void awardGame(GameState& g, Integer turn) {
  const auto k = static_cast<std::size_t>(getTurnPlayerIndex(g, turn));
  g.players[k].isBreaker = true;
  g.players[k].gamesWon = plusOne(g.players[k].gamesWon);
  g.players[1 - k].isBreaker = false;
}

void respotPocketedBalls(GameState& g) {
  static constexpr Single kCueSpots[][2] = {
      {600, 600}, {600, 700}, {600, 500}, {600, 800}, {600, 400}, {600, 900},
      {600, 300}, {600, 1000}, {600, 200}, {600, 1100}, {600, 100}};
  int n = 0;
  const int count = getSmaller<int>(g.shotPocketedCount, static_cast<int>(g.shotPocketed.size()));
  for (int i = 0; i < count; ++i) {
    const Integer ballNo = g.shotPocketed[static_cast<std::size_t>(i)];
    if (ballNo < 0 || ballNo > 9) continue;
    BallRecord& b = g.balls[static_cast<std::size_t>(ballNo)];
    if (ballNo == 0) {
      for (const auto& spot : kCueSpots) {
        if (!isPointOnBall(g, spot[0], spot[1])) {
          b.x = spot[0];
          b.y = spot[1];
          break;
        }
      }
      b.onTable = true;
      continue;
    }
    // Ten balls cannot cover every spot of the line, so the search always ends on one.
    auto spotX = [&] { return kSpotLineFootX + kSpotSpacing * static_cast<Single>(spotOffset(n)); };
    while (n < kLastSpot && isPointOnBall(g, spotX(), kSpotLineY)) ++n;
    b.x = spotX();
    b.y = kSpotLineY;
    b.vx = b.vy = 0;
    b.speed = 0;
    b.direction = 0;
    b.onTable = true;
  }
}

void takeBackShot(GameState& g) {
  // Restoring the snapshot under a running shot would judge a shot that never happened.
  if (g.Timer1.enabled()) return;
  if (g.shotCount <= 1) {
    startNewGame(g);
    return;
  }
  g.balls = g.savedBalls;
  g.lastCpuPlacement = {};
  bringAllBallsToRest(g);
  g.ballInHand = g.savedBallInHand;
  g.foulCount = plusOne(g.foulCount);
  g.shotCount = plusOne(g.shotCount);
  g.turnCount = plusOne(g.turnCount);

  g.form.setAutoRedraw(Ctl::picPool, true);
  g.screen->drawTable();
  g.screen->refreshPicture(Ctl::picPool);
  g.form.setVisible(Ctl::shpTarget, true);
  g.screen->drawBallOnTable(0);
  g.screen->refreshPicture(Ctl::picPool);

  aimAtLowestBall(g);
  if (!g.ballInHand) g.form.setVisible(Ctl::shpQBall, false);

  g.screen->drawPocketedBalls();
  g.form.setEnabled(Ctl::cmdShot, true);
  centreSpinMarker(g);
  g.screen->refreshPicture(Ctl::picPool);
  g.form.setEnabled(Ctl::mnuRetry, false);
}

}  // namespace velkor
