// Commands that set up and print the table.
#include <cmath>
#include <ostream>

#include "tools/sim/sim.h"

namespace velkor::sim {

namespace {

void printTable(Sim& s) {
  for (int n = 0; n < 10; ++n) {
    const BallRecord& b = s.g.balls[static_cast<std::size_t>(n)];
    s.out << "ball " << n << ' ' << num(b.x) << ' ' << num(b.y) << ' ' << num(b.vx) << ' '
          << num(b.vy) << ' ' << num(b.speed) << ' ' << num(b.direction) << ' '
          << num(b.followSpin) << ' ' << num(b.sideSpin) << ' ' << flagValue(b.onTable) << "\n";
  }
  s.out << "shot firstHit " << s.g.firstHit << " pocketed";
  for (int i = 0; i < s.g.shotPocketedCount; ++i) {
    s.out << ' ' << s.g.shotPocketed[static_cast<std::size_t>(i)];
  }
  s.out << "\nsounds";
  for (const RecordingSound::Call& c : s.sound.calls) s.out << ' ' << c.kind << ' ' << num(c.strength);
  s.out << "\n";
}

}  // namespace

void addTableCommands(CommandTable& t) {
  t["ball"] = {"ball N X Y [SPEED DIRECTION FOLLOW SIDE]",
               "puts ball N (0..9) on the table at (X, Y); vx, vy follow from speed and direction "
               "(radians); missing values are 0",
               [](const Args& a) -> Action {
                 a.expectCount(3, 7);
                 const auto n = static_cast<std::size_t>(a.integer(0, 0, 9));
                 BallRecord b;
                 b.x = static_cast<Single>(a.number(1));
                 b.y = static_cast<Single>(a.number(2));
                 b.speed = static_cast<Single>(a.number(3, 0));
                 b.direction = static_cast<Single>(a.number(4, 0));
                 b.followSpin = static_cast<Single>(a.number(5, 0));
                 b.sideSpin = static_cast<Single>(a.number(6, 0));
                 b.vx = b.speed * std::cos(b.direction);
                 b.vy = b.speed * std::sin(b.direction);
                 b.onTable = true;
                 return [n, b](Sim& s) { s.g.balls[n] = b; };
               }};
  t["pocketed"] = {"pocketed N", "takes ball N off the table",
                   [](const Args& a) -> Action {
                     a.expectCount(1, 1);
                     const auto n = static_cast<std::size_t>(a.integer(0, 0, 9));
                     return [n](Sim& s) {
                       s.g.balls[n].onTable = false;
                       s.g.balls[n].speed = 0;
                     };
                   }};
  t["aim"] = {"aim X Y", "sets the aim point",
              [](const Args& a) -> Action {
                a.expectCount(2, 2);
                const TablePoint p{static_cast<Single>(a.number(0)), static_cast<Single>(a.number(1))};
                return [p](Sim& s) { s.g.aimPoint = p; };
              }};
  t["print"] = {"print",
                "one line per ball: 'ball N x y vx vy speed direction followSpin sideSpin onTable' "
                "(onTable -1 or 0); then 'shot firstHit F pocketed B1 B2 ...' in the order "
                "pocketed; then 'sounds' with each hit, wall and drop call so far and its strength",
                [](const Args& a) -> Action {
                  a.expectCount(0, 0);
                  return printTable;
                }};
}

}  // namespace velkor::sim
