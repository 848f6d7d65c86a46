// A whole solo game played only through the handlers a mouse reaches: the table picture's
// press, drag and release, the spin picture, the power bar and the shot button.
#include <gtest/gtest.h>

#include "controls/coordinates.h"
#include "engine/game_modes.h"
#include "engine/rack.h"
#include "engine/table_model.h"
#include "screen/logic/aiming.h"
#include "screen/logic/shot_controls.h"
#include "screen/logic/timer_handlers.h"
#include "support/fake_screen.h"
#include "support/shot_planner.h"

namespace velkor {
namespace {

constexpr Integer kLeft = 1;

struct SoloGame : ::testing::Test {
  SoloGame() {
    f.random.set({0.31, 0.77, 0.52, 0.08, 0.64, 0.45, 0.93, 0.27, 0.59, 0.12, 0.86});
    for (Timer* t : {&g.Timer1, &g.Timer2, &g.timCom, &g.timDemo, &g.timTimeCounter, &g.timBGM}) {
      clock.attach(*t);
    }
    bindTimerHandlers(g);
    f.screen.onModal = [this](Window w) {
      if (w == Window::frmRecord) won = true;
    };
    initPocketTable(g);
    setSoloMode(g);
    startRack(g);
  }

  // Presses, drags and releases as a hand on the mouse would.
  void dragCueBall(TablePoint to) {
    const Single x0 = toPicX(g, g.balls[0].x), y0 = toPicY(g, g.balls[0].y);
    const Single x1 = toPicX(g, to.x), y1 = toPicY(g, to.y);
    picPool_MouseDown(g, kLeft, x0, y0);
    ASSERT_TRUE(g.draggingCueBall);
    for (int i = 1; i <= 4; ++i) {
      picPool_MouseMove(g, kLeft, x0 + (x1 - x0) * i / 4, y0 + (y1 - y0) * i / 4);
    }
    picPool_MouseUp(g, kLeft, x1, y1);
    picPool_Click(g);
  }
  void aimAt(TablePoint p) {
    const Single x = toPicX(g, p.x), y = toPicY(g, p.y);
    picPool_MouseDown(g, kLeft, x, y);
    picPool_MouseUp(g, kLeft, x, y);
    picPool_Click(g);
  }
  void playShot(const testing::PlannedShot& plan) {
    if (plan.placeCueBall) dragCueBall(*plan.placeCueBall);
    if (!g.breakPending) aimAt(plan.aim);
    picSetPoint_MouseDown(g, kLeft, 22.5f, 22.5f);  // centre: no spin
    setPowerBar(g, plan.power);
    ASSERT_TRUE(g.form[Ctl::cmdShot].enabled);
    cmdShot_Click(g);
    ASSERT_TRUE(clock.runUntil([this] { return !g.Timer1.enabled(); }, 120000))
        << "the shot comes to rest";
  }

  testing::Fixture f;
  GameState& g = f.g;
  VirtualClock clock;
  bool won = false;
};

TEST_F(SoloGame, IsPlayedToTheNineBallWithTheMouseHandlersAlone) {
  // The break, at full power.
  playShot({std::nullopt, {}, 100});
  EXPECT_FALSE(g.breakPending);

  // A deliberate miss: the cue ball sent away from every ball is a foul with its message.
  if (!won) {
    const std::size_t before = f.screen.callsStartingWith("message").size();
    const TablePoint away{g.balls[0].x < 1200 ? 50.f : 2350.f, g.balls[0].y};
    testing::PlannedShot miss{std::nullopt, away, 35};
    bool clear = testing::planner_detail::clearPath(g, {g.balls[0].x, g.balls[0].y}, away, 0, 0);
    if (clear) {
      playShot(miss);
      const std::vector<std::string> messages = f.screen.callsStartingWith("message");
      ASSERT_EQ(messages.size(), before + 1);
      EXPECT_EQ(messages.back(), "message You missed !");
      EXPECT_TRUE(g.ballInHand);
      EXPECT_TRUE(g.form[Ctl::shpQBall].visible) << "ball in hand shows the cue-ball marker";
    }
  }

  int shots = 0;
  while (!won && shots < 150) {
    playShot(testing::planShot(g));
    ++shots;
  }
  EXPECT_TRUE(won) << "after " << shots << " shots, fouls " << g.foulCount;
  EXPECT_TRUE(g.breakPending) << "a new rack is up";
}

}  // namespace
}  // namespace velkor
