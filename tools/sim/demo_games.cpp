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

namespace {
bool sameTable(const std::array<BallRecord, 10>& a, const std::array<BallRecord, 10>& b) {
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].onTable != b[i].onTable || a[i].x != b[i].x || a[i].y != b[i].y) return false;
  }
  return true;
}
}  // namespace

DemoTally playDemoRacks(GameState& g, Integer level, long racks, int shotLimit,
                        const DemoCheck& check) {
  DemoTally tally;
  GameClock gameClock(g);
  DemoTally rack;
  std::array<BallRecord, 10> lastStart{};
  long sameStarts = 0;
  g.Timer1.setHandler([&] {
    const Integer foulsBefore = g.foulCount;
    Timer1_Timer(g);
    if (g.Timer1.enabled()) return;
    ++rack.shots;
    // The table each shot started from, to tell an endless repetition from a stall.
    sameStarts = sameTable(g.savedBalls, lastStart) ? sameStarts + 1 : 0;
    lastStart = g.savedBalls;
    // A won rack sends the demonstration back to the title menu; the count of the fouls is
    // only compared inside a rack, since a new rack sets it to 0.
    if (g.gameMode == modeDemo && g.foulCount != foulsBefore) {
      ++rack.fouls;
    } else {
      rack.pots += g.shotPocketedCount;
    }
  });
  initPocketTable(g);
  // Racks cut off at the limit do not count; as many more are played, up to as many again.
  for (long attempt = 0; tally.racks < racks && attempt < 2 * racks; ++attempt) {
    g.quibLevel = level;
    rack = {};
    sameStarts = 0;
    startDemo(g);
    gameClock.clock().runUntil(
        [&] {
          if (g.gameMode != modeDemo) return true;
          if (check) check(g);
          return rack.shots > shotLimit;
        },
        kShotTimeLimitMs * (shotLimit + 1));
    if (g.gameMode == modeDemo) {
      ++tally.unfinished;
      if (sameStarts >= shotLimit / 2) ++tally.repeating;
      picPool_Click(g);
      continue;
    }
    ++tally.racks;
    tally.pots += rack.pots;
    tally.fouls += rack.fouls;
    tally.shots += rack.shots;
  }
  g.Timer1.setHandler([&g] { Timer1_Timer(g); });
  return tally;
}

}  // namespace velkor::sim
