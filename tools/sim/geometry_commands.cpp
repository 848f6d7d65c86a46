// Commands of the geometry group: the obstruction, bank and free-spot tests.
// Each prints the flag the function returns: -1 for True, 0 for False.
#include <ostream>

#include "engine/table_model.h"
#include "opponent/obstruction.h"
#include "tools/sim/sim.h"

namespace velkor::sim {

namespace {
TablePoint point(const Args& a, std::size_t i) {
  return {static_cast<Single>(a.number(i)), static_cast<Single>(a.number(i + 1))};
}
}  // namespace

void addGeometryCommands(CommandTable& t) {
  t["blocked"] = {"blocked AX AY BX BY [EXCEPT]",
                  "prints 'blocked F': F -1 when an object ball lies in the way of the segment "
                  "A-B (both ends counting), else 0; with EXCEPT (0..9) that ball is skipped and "
                  "both ends are excluded",
                  [](const Args& a) -> Action {
                    a.expectCount(4, 5);
                    const TablePoint p = point(a, 0);
                    const TablePoint q = point(a, 2);
                    const bool except = a.size() == 5;
                    const auto n = static_cast<Integer>(except ? a.integer(4, 0, 9) : 0);
                    return [p, q, except, n](Sim& s) {
                      const bool r = except ? isPathBlockedExcept(s.g, p, q, n)
                                            : isPathBlocked(s.g, p, q);
                      s.out << "blocked " << flagValue(r) << "\n";
                    };
                  }};
  t["bank"] = {"bank AX AY BX BY CUSHION EXCEPT",
               "prints 'bank F PX PY': F -1 when the path A -> P -> B off CUSHION (101 left, 102 "
               "right, 103 top, 104 bottom) is blocked, else 0; P is the bank point, left at 0 0 "
               "when there is none (another cushion code, or both ends as far from the line); the "
               "second leg skips ball EXCEPT (0..9)",
               [](const Args& a) -> Action {
                 a.expectCount(6, 6);
                 const TablePoint p = point(a, 0);
                 const TablePoint q = point(a, 2);
                 const auto cushion = static_cast<Integer>(a.integer(4, -32768, 32767));
                 const auto n = static_cast<Integer>(a.integer(5, 0, 9));
                 return [p, q, cushion, n](Sim& s) {
                   TablePoint bank{};
                   const bool r = isBankPathBlocked(s.g, p, q, bank, cushion, n);
                   s.out << "bank " << flagValue(r) << ' ' << num(bank.x) << ' ' << num(bank.y)
                         << "\n";
                 };
               }};
  t["free"] = {"free X Y",
               "prints 'free F' with F the flag of the occupied-spot test: F -1 when some ball on "
               "the table (cue ball included) has its centre less than 100 from (X, Y), so the "
               "spot is taken; F 0 when the spot is free",
               [](const Args& a) -> Action {
                 a.expectCount(2, 2);
                 const TablePoint p = point(a, 0);
                 return [p](Sim& s) { s.out << "free " << flagValue(isPointOnBall(s.g, p.x, p.y)) << "\n"; };
               }};
}

}  // namespace velkor::sim
