// Commands of the computer's turn: the match length, the autopilot for player 0, the game's
// clock with every paced timer, and the measurement of the computer's strength.
#include <iostream>
#include <cmath>
#include <ostream>

#include "controls/shot_controls.h"
#include "engine/shot_rules.h"
#include "screen/logic/timer_handlers.h"
#include "tools/sim/demo_games.h"
#include "tools/sim/sim.h"

namespace velkor::sim {

namespace {

constexpr double kMaxClockSeconds = 7 * 24 * 3600;
constexpr long kMaxStrengthRacks = 1000000;
// A demonstration rack longer than this is cut off; no level comes near it.
constexpr int kStrengthShotLimit = 1000;

// Player 0 of a match, or the solo player, waits for a shot that nobody else will play.
bool autopilotTurn(const GameState& g) {
  const bool ownTurn = g.gameMode == modeSolo ||
                       (g.gameMode == modeVersus && getTurnPlayerIndex(g, g.turnCount) == 0);
  return ownTurn && g.form[Ctl::cmdShot].enabled && !g.Timer1.enabled() && !g.timCom.enabled();
}

void advanceClock(Sim& s, long long ms) {
  Integer mode = s.g.gameMode;
  auto afterTick = [&s, &mode] {
    if (s.g.gameMode != mode) {
      mode = s.g.gameMode;
      s.out << "mode " << mode << "\n";
    }
    // The computer's own turn, taken for player 0: placement, choice and press.
    if (s.autopilot && autopilotTurn(s.g)) switchComputerTurn(s.g, true);
    return false;
  };
  afterTick();
  s.gameClock.clock().runUntil(afterTick, ms);
  afterTick();
}

}  // namespace

void addTurnCommands(CommandTable& t) {
  t["gamestowin"] = {"gamestowin N", "sets the games that win a match (1..15)",
                     [](const Args& a) -> Action {
                       a.expectCount(1, 1);
                       const auto n = static_cast<Integer>(a.integer(0, 1, 15));
                       return [n](Sim& s) { s.g.gamesToWin = n; };
                     }};
  t["autopilot"] = {"autopilot on|off",
                    "while on, 'clock' plays every turn of player 0 of a match (or of the solo "
                    "player) as the computer plays its own: placement, choice at the current "
                    "level and the press",
                    [](const Args& a) -> Action {
                      a.expectCount(1, 1);
                      const bool on = a.choice(0, {"on", "off"}) == "on";
                      return [on](Sim& s) { s.autopilot = on; };
                    }};
  t["clock"] = {"clock S",
                "advances the game's clock by S simulated seconds, firing every switched-on "
                "timer (shot tick, swing, timCom, game clock, title timer) in time order; modal "
                "windows close at once; prints the messages and windows as 'run' does and "
                "'mode M' each time gameMode changes",
                [](const Args& a) -> Action {
                  a.expectCount(1, 1);
                  const double sec = a.number(0);
                  if (sec < 0 || sec > kMaxClockSeconds) {
                    throw ParseError{"'" + a.word(0) + "' is outside 0..604800 seconds"};
                  }
                  const auto ms = static_cast<long long>(std::llround(sec * 1000));
                  return [ms](Sim& s) { advanceClock(s, ms); };
                }};
  t["strength"] = {
      "strength L RACKS SEED",
      "the computer at level L (1..11) plays RACKS demonstration racks alone, each to its end, "
      "with the random draws seeded by SEED; prints 'strength L RACKS pots P fouls F shots S' "
      "(legal pots, fouls, shots over all racks); a rack still going after 1000 shots (a "
      "guard against a stall) is cut off, left out and replaced, and a line "
      "'strength unfinished N' on standard error says how many were",
      [](const Args& a) -> Action {
        a.expectCount(3, 3);
        const auto level = static_cast<Integer>(a.integer(0, 1, 11));
        const long racks = a.integer(1, 1, kMaxStrengthRacks);
        const auto seed = static_cast<std::uint64_t>(a.integer(2, 0, 2147483647));
        return [level, racks, seed](Sim& s) {
          GameState g;
          SeededRandom random(seed);
          g.random = &random;
          bindTimerHandlers(g);
          const DemoTally tally = playDemoRacks(g, level, racks, kStrengthShotLimit);
          s.out << "strength " << level << " " << racks << " pots " << tally.pots << " fouls "
                << tally.fouls << " shots " << tally.shots << "\n";
          if (tally.unfinished > 0) std::cerr << "strength unfinished " << tally.unfinished << "\n";
        };
      }};
}

}  // namespace velkor::sim
