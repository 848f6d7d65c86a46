// Commands of the rack group: the random draws, racking, the break-aim swing, the launch
// and the scripted break.
#include <ostream>

#include "controls/shot_controls.h"
#include "engine/rack.h"
#include "tools/sim/break_scene.h"
#include "tools/sim/sim.h"

namespace velkor::sim {

void addRackCommands(CommandTable& t) {
  t["draws"] = {"draws R1 R2 ...",
                "the random generator returns R1, R2, ... in order, then repeats the last one; "
                "each in [0, 1); before any 'draws' every draw is 0.5",
                [](const Args& a) -> Action {
                  if (a.size() == 0) throw ParseError{"expects at least 1 argument"};
                  std::vector<double> values;
                  for (std::size_t i = 0; i < a.size(); ++i) {
                    const double r = a.number(i);
                    if (!(r >= 0 && r < 1)) throw ParseError{"'" + a.word(i) + "' is outside [0, 1)"};
                    values.push_back(r);
                  }
                  return [values](Sim& s) { s.random.set(values); };
                }};
  t["rack"] = {"rack", "puts every ball on its rack spot at rest and aims at (1790, 600)",
               [](const Args& a) -> Action {
                 a.expectCount(0, 0);
                 return [](Sim& s) { setUpRack(s.g); };
               }};
  t["startrack"] = {"startrack",
                    "starts a new game: the rack, the break pending, counters 0, power 100",
                    [](const Args& a) -> Action {
                      a.expectCount(0, 0);
                      return [](Sim& s) { startRack(s.g); };
                    }};
  t["power"] = {"power P", "sets the power bar to P percent (35..100)",
                [](const Args& a) -> Action {
                  a.expectCount(1, 1);
                  const auto p = static_cast<Integer>(a.integer(0, 35, 100));
                  return [p](Sim& s) { setPowerBar(s.g, p); };
                }};
  t["spin"] = {"spin FOLLOW SIDE",
               "the cue ball's spin setting as fractions -1..1: FOLLOW > 0 top spin, < 0 back "
               "spin; SIDE > 0 right",
               [](const Args& a) -> Action {
                 a.expectCount(2, 2);
                 const double f = a.number(0);
                 const double sd = a.number(1);
                 if (f < -1 || f > 1 || sd < -1 || sd > 1) throw ParseError{"spin outside -1..1"};
                 return [f, sd](Sim& s) {
                   s.g.balls[0].followSpin = static_cast<Single>(f);
                   s.g.balls[0].sideSpin = static_cast<Single>(sd);
                 };
               }};
  t["swing"] = {"swing [K]",
                "K ticks (default 1) of the break-aim swing, each taking one draw; then prints "
                "'aim X Y', the aim point",
                [](const Args& a) -> Action {
                  a.expectCount(0, 1);
                  const long k = a.size() == 1 ? a.integer(0, 0, 1000000) : 1;
                  return [k](Sim& s) {
                    for (long i = 0; i < k; ++i) Timer2_Timer(s.g);
                    s.out << "aim " << num(s.g.aimPoint.x) << ' ' << num(s.g.aimPoint.y) << "\n";
                  };
                }};
  t["shoot"] = {"shoot",
                "saves the take-back snapshot, resets the per-shot state and launches the cue "
                "ball from power, aim point and spin (x1.2 while the break is pending)",
                [](const Args& a) -> Action {
                  a.expectCount(0, 0);
                  return [](Sim& s) {
                    saveShotSnapshot(s.g);
                    initShotState(s.g);
                    launchShot(s.g);
                  };
                }};
  t["onaim"] = {"onaim",
                "puts the cue ball's centre on the aim point and keeps its motion, as the "
                "break contact does",
                [](const Args& a) -> Action {
                  a.expectCount(0, 0);
                  return [](Sim& s) {
                    s.g.balls[0].x = s.g.aimPoint.x;
                    s.g.balls[0].y = s.g.aimPoint.y;
                  };
                }};
  t["breakshot"] = {"breakshot",
                    "plays a launched break up to its contact as the shot tick does: the cue ball "
                    "alone, tick by tick, until x reaches 1700 (at once when it starts there or "
                    "beyond); then 'onaim', 'break', the contact sound and every ball moved "
                    "0.05 s without contact tests; prints 'contact tick K'",
                    [](const Args& a) -> Action {
                      a.expectCount(0, 0);
                      return [](Sim& s) {
                        s.out << "contact tick " << playBreakToContact(s.g) << "\n";
                      };
                    }};
  t["break"] = {"break",
                "the scripted break on the table as it stands (ten draws), with the cue ball's "
                "speed as the strength of the hit",
                [](const Args& a) -> Action {
                  a.expectCount(0, 0);
                  return [](Sim& s) { scatterRackOnBreak(s.g); };
                }};
}

}  // namespace velkor::sim
