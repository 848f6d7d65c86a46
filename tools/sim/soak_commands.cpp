// The soak command: whole scripted solo games with the ball-record checks of the tests.
#include <ostream>

#include "tools/sim/sim.h"
#include "tools/sim/soak.h"

namespace velkor::sim {

void addSoakCommands(CommandTable& t) {
  t["soak"] = {"soak FIRST COUNT",
               "plays the scripted solo games FIRST .. FIRST+COUNT-1, checking the ball records "
               "after every tick; prints 'game N: tick T: REASON' (or 'game N: stalled at shot "
               "S') for each bad game, then 'soak COUNT games, W won, F invariant failures, S "
               "stalls'",
               [](const Args& a) -> Action {
                 a.expectCount(2, 2);
                 const auto first = static_cast<std::uint64_t>(a.integer(0, 0, 4000000000L));
                 const auto count = static_cast<std::uint64_t>(a.integer(1, 0, 100000000L));
                 return [first, count](Sim& s) {
                   const SoakTotals totals =
                       soak(first, count, [&s](std::uint64_t n, const SoakGame& game) {
                         if (!game.failure.empty()) {
                           s.out << "game " << n << ": tick " << game.tick << ": " << game.failure
                                 << "\n";
                         } else {
                           s.out << "game " << n << ": stalled at shot " << game.shots << "\n";
                         }
                       });
                   s.out << "soak " << totals.games << " games, " << totals.won << " won, "
                         << totals.failures << " invariant failures, " << totals.stalls
                         << " stalls\n";
                   s.out.flush();
                 };
               }};
}

}  // namespace velkor::sim
