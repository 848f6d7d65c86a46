#include "engine/rack.h"

#include <cmath>

#include "controls/coordinates.h"
#include "controls/shot_controls.h"
#include "engine/table_model.h"

namespace velkor {

std::array<TablePoint, 10> rackPositions() {
  // s: the distance between the columns of the diamond.
  const Single s = std::sqrt(3.0f) * 100 / 2;
  const Single front = 1800 - 100.0f / 10;
  std::array<TablePoint, 10> p{};
  p[0] = {600, 600};
  p[1] = {front, 600};
  p[6] = {front + s - 2, 600 - 50 - 100.0f / 50};
  p[5] = {front + s - 2, 600 + 50 + 100.0f / 50};
  p[2] = {front + 2 * s, 500};
  p[9] = {front + 2 * s, 600};
  p[4] = {front + 2 * s, 700};
  p[7] = {front + 3 * s, 550};
  p[8] = {front + 3 * s, 650};
  p[3] = {front + 4 * s, 600};
  return p;
}

void setUpRack(GameState& g) {
  const std::array<TablePoint, 10> p = rackPositions();
  for (std::size_t i = 0; i < 10; ++i) {
    BallRecord& b = g.balls[i];
    b.x = p[i].x;
    b.y = p[i].y;
    b.speed = b.vx = b.vy = b.direction = b.followSpin = b.sideSpin = 0;
    b.onTable = true;
  }
  g.aimPoint = {1790, 600};
}

void endRunningShot(GameState& g) {
  if (!g.Timer1.enabled()) return;
  g.Timer1.setEnabled(false);
  ++g.shotSerial;
  g.shotPocketed.fill(0);
  g.shotPocketedCount = 0;
  g.firstHit = 0;
  g.firstHitPending = false;
}

void startRack(GameState& g) {
  // A rack started while the balls roll (from the menu, inside the physics step's event
  // pump) must not leave the old shot to be judged on the new table.
  endRunningShot(g);
  setUpRack(g);
  g.lastCpuPlacement = {};

  g.screen->clearPicture(Ctl::picPool);
  g.form.setAutoRedraw(Ctl::picPool, true);
  g.screen->clearPicture(Ctl::picPocketedBalls);

  g.screen->drawTable();
  refreshTargetMarker(g);
  enableShotControls(g);

  g.breakPending = true;
  g.Timer2.setEnabled(true);
  g.Timer1.setEnabled(false);

  g.elapsedSeconds = 0;
  g.shotCount = 0;
  g.turnCount = 0;
  g.foulCount = 0;
  g.targetBall = 0;

  setPowerBar(g, 100);

  g.form.setVisible(Ctl::shpTarget, true);
  g.form.setVisible(Ctl::shpQBall, false);
  const BallRecord& cue = g.balls[0];
  g.form.move(Ctl::shpQBall, toPicX(g, cue.x - 50), toPicY(g, cue.y + 50));

  setShotControlsEnabled(g, true);
  g.form.setEnabled(Ctl::mnuRetry, false);
  g.screen->refreshPicture(Ctl::picPool);
}

void Timer2_Timer(GameState& g) {
  g.swingPhase = static_cast<Single>(g.swingPhase + kPiD / 20);
  // About +-32 degrees, 40 ticks a cycle.
  const Single w = static_cast<Single>(kPiD / 5.6 * std::sin(g.swingPhase));
  // At most a quarter degree either way, so the real aim never quite matches the marker.
  const Single r = static_cast<Single>((g.random->draw() - 0.5) * kPiD / 360);

  // The marker circles the 1-ball's centre; the real aim circles a point 10 units behind it.
  const Single mx = static_cast<Single>(1790 - 100 * std::cos(w));
  const Single my = static_cast<Single>(600 + 100 * std::sin(w));
  g.form.move(Ctl::shpTarget, toPicX(g, mx) - g.ballDiameterPx * 0.5f,
              toPicY(g, my) - g.ballDiameterPx * 0.5f);

  const Single wr = w + r;
  g.aimPoint = {static_cast<Single>(1800 - 100 * std::cos(wr)),
                static_cast<Single>(600 + 100 * std::sin(wr))};
}

void launchShot(GameState& g) {
  const Single power = g.form[Ctl::HScroll1].value;
  BallRecord& cue = g.balls[0];
  cue.speed = power * 5600 / 100;
  if (g.breakPending) cue.speed = static_cast<Single>(cue.speed * 1.2);
  cue.direction = getShotAngle(g);
  cue.vx = static_cast<Single>(cue.speed * std::cos(static_cast<double>(cue.direction)));
  cue.vy = static_cast<Single>(cue.speed * std::sin(static_cast<double>(cue.direction)));
  cue.followSpin = cue.followSpin * cue.speed * 1680 / 5600;
  cue.sideSpin = 2 * (cue.sideSpin * cue.speed * 1680 / 5600);
}

void initShotState(GameState& g) {
  g.firstHit = 0;
  g.targetBall = getLowestBall(g);
  g.firstHitPending = true;
  g.shotPocketedCount = 0;
  g.shotPocketed.fill(0);
}

void saveShotSnapshot(GameState& g) {
  g.savedBalls = g.balls;
  g.savedBallInHand = g.ballInHand;
}

void startShot(GameState& g) {
  // Any shot ends what the computer remembers of its last placement; its own press keeps it.
  g.lastCpuPlacement = {};
  saveShotSnapshot(g);
  initShotState(g);
  launchShot(g);
  g.form.setVisible(Ctl::shpTarget, false);
  g.form.setVisible(Ctl::shpQBall, false);
  g.form.setAutoRedraw(Ctl::picPool, false);
  setShotControlsEnabled(g, false);
  g.Timer1.setEnabled(true);
  g.Timer2.setEnabled(false);
  g.timTimeCounter.setEnabled(true);
  g.ballInHand = false;
  g.shotCount = plusOne(g.shotCount);
}

void scatterRackOnBreak(GameState& g) {
  const Single s1 = static_cast<Single>(1 / std::sqrt(3.0));
  const Single h = static_cast<Single>(std::sqrt(3.0) / 2);
  BallRecord& cue = g.balls[0];
  const Single v0 = cue.speed;

  const Single a = static_cast<Single>(
      getDirection(g.aimPoint.x, g.aimPoint.y, g.balls[1].x, g.balls[1].y) + 0.01);
  cue.speed = static_cast<Single>(std::fabs(v0 * std::sin(static_cast<double>(a))));

  // The spread grows with the angle of the hit; the random part uses 3.1415 on purpose.
  const Single e0 = static_cast<Single>(a * 0.08 + (g.random->draw() - 0.5) * 3.1415 * 0.5 / 180);
  auto spread = [&g, e0] { return static_cast<Single>(g.random->draw() * e0); };

  g.balls[1].speed = static_cast<Single>(0.05 * cue.speed);
  g.balls[1].direction = 0;

  const Single eCue = spread();
  cue.direction = static_cast<Single>(a >= 0 ? a - kPiD / 2 + eCue : a + kPiD / 2 + eCue);
  // Only back spin counts; side spin bends the first step. The heading stays as it is.
  cue.vx = static_cast<Single>(cue.speed * std::cos(static_cast<double>(cue.direction)) +
                               getSmaller(cue.followSpin, 0.0f) / 2.0);
  cue.vy = static_cast<Single>(cue.speed * std::sin(static_cast<double>(cue.direction)) -
                               cue.sideSpin / 8.0);
  cue.speed = std::sqrt(cue.vx * cue.vx + cue.vy * cue.vy);
  cue.followSpin = 0;
  cue.sideSpin = 0;

  const Single v = static_cast<Single>(0.85 * v0);
  const double ca = std::cos(static_cast<double>(a));
  const double sa = std::sin(static_cast<double>(a));
  // Balls above the 1-ball's line (4, 5, 8) take c1, those below (2, 6, 7) take c2.
  const Single c1 = static_cast<Single>(v * ca * s1 + v * sa);
  const Single c2 = static_cast<Single>(v * ca * s1 - v * sa);
  cue.x = g.aimPoint.x;
  cue.y = g.aimPoint.y;

  struct Share {
    std::size_t ball;
    Single speed;
    double heading;
  };
  const Share shares[] = {
      {2, c2 * h, 18.0 / 11 * kPiD},       {3, v, a / 3.0},
      {4, c1 * h, 4.0 / 11 * kPiD},        {5, static_cast<Single>(c1 * h * 0.5), 2.0 / 3 * kPiD},
      {6, static_cast<Single>(c2 * h * 0.5), 4.0 / 3 * kPiD}, {7, c2 * h, 20.0 / 11 * kPiD},
      {8, c1 * h, 2.0 / 11 * kPiD},        {9, static_cast<Single>(0.05 * v), 0.0},
  };
  for (const Share& sh : shares) {
    BallRecord& b = g.balls[sh.ball];
    const Single e = spread();
    b.speed = sh.speed;
    b.direction = static_cast<Single>(sh.ball == 9 ? -e : sh.heading + e);
  }

  for (std::size_t i = 1; i <= 9; ++i) {
    BallRecord& b = g.balls[i];
    b.vx = static_cast<Single>(b.speed * std::cos(static_cast<double>(b.direction)));
    b.vy = static_cast<Single>(b.speed * std::sin(static_cast<double>(b.direction)));
  }
}

}  // namespace velkor
