// Random shots played to rest: the properties every shot keeps, whatever the table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/physics_step.h"
#include "engine/table_model.h"
#include "tools/sim/scenes.h"

namespace velkor {
namespace {

bool finite(const BallRecord& b) {
  for (Single v : {b.x, b.y, b.vx, b.vy, b.speed, b.direction, b.followSpin, b.sideSpin}) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

// How far a ball's centre lies outside the cushion lines (0 inside).
Single beyondCushions(const BallRecord& b) {
  return std::max({kCushionLeftX - b.x, b.x - kCushionRightX, kCushionBottomY - b.y,
                   b.y - kCushionTopY, Single{0}});
}

Single fastest(const GameState& g) {
  Single v = 0;
  for (const BallRecord& b : g.balls) v = std::max(v, b.speed);
  return v;
}

// Six seconds of high-rate friction from well above full power, plus the low-rate tail:
// no shot comes near it.
constexpr int kTickLimit = 400;

TEST(PhysicsProperties, RandomShotsComeToRestInsideTheTableWithFiniteValues) {
  int longest = 0;
  for (std::uint64_t seed = 1; seed <= 3000; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    GameState g;
    sim::randomShotScene(g, seed, 6720);
    std::array<BallRecord, 10> pocketedAt{};
    int ticks = 0;
    for (; ticks < kTickLimit && !isAllBallsStopped(g); ++ticks) {
      const Single travel = fastest(g) * kTick;
      const std::array<BallRecord, 10> before = g.balls;
      stepBalls(g);
      const Single bound = std::max(travel, fastest(g) * kTick) + 0.01f;
      for (std::size_t n = 0; n < 10; ++n) {
        const BallRecord& b = g.balls[n];
        ASSERT_TRUE(finite(b)) << "ball " << n << " tick " << ticks;
        ASSERT_FALSE(b.onTable && !before[n].onTable) << "ball " << n << " came back";
        if (b.onTable) {
          ASSERT_LE(beyondCushions(b), bound) << "ball " << n << " tick " << ticks;
        } else if (before[n].onTable) {
          pocketedAt[n] = b;
          ASSERT_EQ(b.speed, 0);
        } else {
          ASSERT_EQ(b.x, pocketedAt[n].x) << "pocketed ball " << n << " moved";
          ASSERT_EQ(b.y, pocketedAt[n].y) << "pocketed ball " << n << " moved";
          ASSERT_EQ(b.speed, 0);
        }
      }
    }
    ASSERT_TRUE(isAllBallsStopped(g)) << "still moving after " << kTickLimit << " ticks";
    ASSERT_LE(g.shotPocketedCount, 10);
    longest = std::max(longest, ticks);
  }
  RecordProperty("longest_shot_ticks", longest);
  std::printf("longest shot: %d ticks\n", longest);
}

}  // namespace
}  // namespace velkor
