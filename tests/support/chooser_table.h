// A small table for the shot-chooser tests: pockets filled, only the balls a test puts, a
// fresh plan, and every caption the remark label receives, in order.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/table_model.h"
#include "opponent/shot_plan.h"
#include "state/game_state.h"
#include "tools/sim/scenes.h"

namespace velkor::testing {

class ChooserTable : public ::testing::Test {
 protected:
  ChooserTable() {
    sim::clearTable(g);
    initPocketTable(g);
    // The remark is written last on every acceptance, so the plan is complete here.
    g.form.setObserver([this](Ctl c) {
      if (c != Ctl::lblQuibsMessage) return;
      remarks.push_back(g.form[c].caption);
      accepted.push_back({plan.aim, plan.bestCut});
    });
  }
  void put(int n, double x, double y) {
    sim::placeBall(g, n, static_cast<Single>(x), static_cast<Single>(y));
  }
  std::string caption() const { return g.form[Ctl::lblQuibsMessage].caption; }

  GameState g;
  ShotPlan plan;
  struct Accepted {
    TablePoint aim;
    Single cut;
  };
  std::vector<std::string> remarks;  // every caption written, oldest first
  std::vector<Accepted> accepted;    // the plan at each of those writes
};

// Plain double geometry, worked out apart from the code under test.
struct Pt {
  double x, y;
};
inline Pt pt(TablePoint p) { return {p.x, p.y}; }
inline double dist(Pt a, Pt b) { return std::hypot(b.x - a.x, b.y - a.y); }
// One diameter behind b on the line from p through b.
inline Pt ghost(Pt b, Pt p) {
  const double d = dist(b, p);
  return {b.x - 100 * (p.x - b.x) / d, b.y - 100 * (p.y - b.y) / d};
}
inline double angleBetween(Pt u, Pt v) {
  return std::acos(std::clamp((u.x * v.x + u.y * v.y) / (std::hypot(u.x, u.y) * std::hypot(v.x, v.y)),
                              -1.0, 1.0));
}
inline double deg(double rad) { return rad * 180 / 3.14159265358979; }

#define EXPECT_AT(point, ex, ey, tol)   \
  do {                                  \
    EXPECT_NEAR((point).x, (ex), (tol)); \
    EXPECT_NEAR((point).y, (ey), (tol)); \
  } while (0)

}  // namespace velkor::testing
