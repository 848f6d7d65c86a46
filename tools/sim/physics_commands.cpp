// Commands that move the balls.
#include "engine/physics_step.h"
#include "tools/sim/scenes.h"
#include "tools/sim/sim.h"

namespace velkor::sim {

void addPhysicsCommands(CommandTable& t) {
  t["move"] = {"move N T",
               "moves ball N (0..9) alone through T seconds with friction, keeping its follow "
               "spin; no contact is tested",
               [](const Args& a) -> Action {
                 a.expectCount(2, 2);
                 const auto n = static_cast<Integer>(a.integer(0, 0, 9));
                 const auto dt = static_cast<Single>(a.number(1));
                 return [n, dt](Sim& s) { moveBall(s.g, n, dt); };
               }};
  t["step"] = {"step [K]",
               "runs K physics ticks of 0.05 s (default 1): cushions, pockets and ball contacts "
               "in time order",
               [](const Args& a) -> Action {
                 a.expectCount(0, 1);
                 const long k = a.size() == 1 ? a.integer(0, 0, 1000000) : 1;
                 return [k](Sim& s) {
                   for (long i = 0; i < k; ++i) stepBalls(s.g);
                 };
               }};
  t["scene"] = {"scene rack|shot|scatter|random|broken|still [SEED]",
                "sets up a table and starts a new shot record: rack (the racked table at rest), "
                "shot (the rack with the cue ball at 5600 straight at the 1-ball), scatter (ten "
                "balls moving at random), random (a random cue-ball shot with spin among nine "
                "resting balls), broken (the rack after a full-power break, at rest), still (ten "
                "balls at rest at random places); broken and still aim at the lowest ball; SEED "
                "(default 1) chooses the random tables",
                [](const Args& a) -> Action {
                  a.expectCount(1, 2);
                  const std::string kind = a.choice(0, {"rack", "shot", "scatter", "random", "broken", "still"});
                  const auto seed =
                      static_cast<std::uint64_t>(a.size() == 2 ? a.integer(1, 0, 2147483647) : 1);
                  return [kind, seed](Sim& s) {
                    if (kind == "rack") rackScene(s.g);
                    else if (kind == "shot") fullPowerShotScene(s.g);
                    else if (kind == "scatter") scatteredScene(s.g, seed);
                    else if (kind == "random") randomShotScene(s.g, seed);
                    else if (kind == "broken") brokenRackScene(s.g, seed);
                    else restingScatterScene(s.g, seed);
                  };
                }};
}

}  // namespace velkor::sim
