#include "tools/sim/demo_games.h"

#include <array>

#include "engine/game_modes.h"
#include "engine/shot_rules.h"
#include "engine/table_model.h"
#include "screen/logic/aiming.h"

namespace velkor::sim {

namespace {
std::array<Timer*, 5> pacedTimers(GameState& g) {
  return {&g.Timer1, &g.Timer2, &g.timCom, &g.timTimeCounter, &g.timDemo};
}

// Long enough for any shot of the game to roll out, with the turn before it.
constexpr long long kShotTimeLimitMs = 10 * 60 * 1000;
}  // namespace

GameClock::GameClock(GameState& g) : g_(g) {
  for (Timer* t : pacedTimers(g)) clock_.attach(*t);
}

GameClock::~GameClock() {
  for (Timer* t : pacedTimers(g_)) t->setObserver({});
}

DemoTally playDemoRacks(GameState& g, Integer level, long racks, int shotLimit,
                        const DemoCheck& check) {
  DemoTally tally;
  GameClock gameClock(g);
  long rackShots = 0;
  g.Timer1.setHandler([&] {
    const Integer foulsBefore = g.foulCount;
    Timer1_Timer(g);
    if (g.Timer1.enabled()) return;
    ++tally.shots;
    ++rackShots;
    // A won rack sends the demonstration back to the title menu; the count of the fouls is
    // only compared inside a rack, since a new rack sets it to 0.
    if (g.gameMode == modeDemo && g.foulCount != foulsBefore) {
      ++tally.fouls;
    } else {
      tally.pots += g.shotPocketedCount;
    }
  });
  initPocketTable(g);
  for (long r = 0; r < racks; ++r) {
    g.quibLevel = level;
    rackShots = 0;
    startDemo(g);
    const bool ended = gameClock.clock().runUntil(
        [&] {
          if (g.gameMode != modeDemo) return true;
          if (check) check(g);
          return rackShots > shotLimit;
        },
        kShotTimeLimitMs * (shotLimit + 1));
    if (g.gameMode == modeDemo) {
      ++tally.unfinished;
      picPool_Click(g);
    } else if (ended) {
      ++tally.racks;
    }
  }
  g.Timer1.setHandler([&g] { Timer1_Timer(g); });
  return tally;
}

}  // namespace velkor::sim
