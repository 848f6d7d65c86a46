// velkor-sim's rack and geometry commands, run through the real binary.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "support/sim_runner.h"

namespace {

using velkor::testing::SimRun;
using velkor::testing::runSimJoined;

using velkor::testing::lines;

// The words of the line "ball N ..." of a print.
std::vector<double> ballLine(const std::string& out, int n) {
  const std::string head = "ball " + std::to_string(n) + " ";
  for (const std::string& l : lines(out)) {
    if (l.rfind(head, 0) != 0) continue;
    std::istringstream in(l.substr(head.size()));
    std::vector<double> v;
    for (double x; in >> x;) v.push_back(x);
    return v;
  }
  ADD_FAILURE() << "no " << head << "in\n" << out;
  return std::vector<double>(9, 0);
}

TEST(RackSim, GeometryCommandsPrintTheFlagsOfTheirFunctions) {
  const SimRun r = runSimJoined(
      "rack\n"
      "blocked 600 600 1790 600\n"     // the 1-ball at the end counts
      "blocked 600 600 1790 600 1\n"   // skipped
      "blocked 600 600 1690 600 1\n"   // short of the 1-ball: nothing in the way
      "free 600 699\n"                 // the cue ball
      "free 600 700\n"
      "bank 600 600 1200 250 104 0\n"
      "bank 600 600 1200 250 105 0\n");
  ASSERT_EQ(r.status, 0) << r.out;
  const std::vector<std::string> expected = {
      "blocked -1", "blocked 0", "blocked 0", "free -1", "free 0",
      "bank 0 1040 50",  // (600 * 200 + 1200 * 550) / (550 + 200)
      "bank -1 0 0"};
  EXPECT_EQ(lines(r.out), expected);
}

TEST(RackSim, ShootLaunchesTheBreakAtTwentyPercentMore) {
  const SimRun r = runSimJoined(
      "startrack\n"
      "aim 600 900\n"
      "spin -1 0.5\n"
      "shoot\n"
      "print\n");
  ASSERT_EQ(r.status, 0) << r.out;
  const std::vector<double> cue = ballLine(r.out, 0);  // x y vx vy speed direction follow side on
  EXPECT_DOUBLE_EQ(cue[4], 6720);
  EXPECT_NEAR(cue[5], 1.5707963, 1e-6);
  EXPECT_DOUBLE_EQ(cue[6], -2016);
  EXPECT_DOUBLE_EQ(cue[7], 2016);
}

TEST(RackSim, PowerAndSwingFollowTheBar) {
  const SimRun r = runSimJoined(
      "rack\n"
      "power 50\n"
      "aim 1600 600\n"
      "shoot\n"
      "print\n"
      "draws 0.5\n"
      "swing 10\n");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_DOUBLE_EQ(ballLine(r.out, 0)[4], 3360) << "the break is still pending: 2800 x 1.2";
  EXPECT_NE(r.out.find("aim 1715.32764 653.203186"), std::string::npos) << r.out;
}

// The full-power break from the rack, straight at the 1-ball, with no random part in the
// spread base (r0 = 0.5), the cue ball driven alone up to the contact line as the shot tick does.
TEST(RackSim, FullPowerBreakFromTheRackScattersByTheTable) {
  std::string script = "draws 0.5\nstartrack\nshoot\n";
  for (int tick = 1; tick <= 4; ++tick) script += "move 0 0.05\n" + std::string(tick >= 3 ? "print\n" : "");
  script += "onaim\nbreak\nprint\n";
  const SimRun r = runSimJoined(script);
  ASSERT_EQ(r.status, 0) << r.out;
  const std::vector<std::string> all = lines(r.out);
  ASSERT_EQ(all.size(), 36u) << r.out;
  const auto cueAt = [&](std::size_t block) {
    std::istringstream in(all[block * 12].substr(7));
    std::vector<double> v;
    for (double x; in >> x;) v.push_back(x);
    return v;
  };
  ASSERT_LT(cueAt(0)[0], 1700) << "the third tick stays short of the rack";
  ASSERT_GE(cueAt(1)[0], 1700) << "the fourth reaches it";
  const double V = cueAt(1)[4];
  EXPECT_NEAR(V, 6347, 0.5) << "a full-power break arrives at about 6347";

  const std::string last = r.out.substr(r.out.rfind("ball 0 "));
  const double pi = 3.1415926, a = 0.01, e = 0.5 * a * 0.08;
  const double v = 0.85 * V, h = std::sqrt(3.0) / 2;
  const double c1 = v * std::cos(a) / std::sqrt(3.0) + v * std::sin(a);
  const double c2 = v * std::cos(a) / std::sqrt(3.0) - v * std::sin(a);
  const double cue = V * std::sin(a);
  const struct {
    int ball;
    double speed, direction;
  } table[] = {
      {0, cue, a - pi / 2 + e},         {1, 0.05 * cue, 0},
      {2, c2 * h, 18.0 / 11 * pi + e},  {3, v, a / 3 + e},
      {4, c1 * h, 4.0 / 11 * pi + e},   {5, c1 * h * 0.5, 2.0 / 3 * pi + e},
      {6, c2 * h * 0.5, 4.0 / 3 * pi + e}, {7, c2 * h, 20.0 / 11 * pi + e},
      {8, c1 * h, 2.0 / 11 * pi + e},   {9, 0.05 * v, -e},
  };
  for (const auto& t : table) {
    const std::vector<double> b = ballLine(last, t.ball);
    EXPECT_NEAR(b[4], t.speed, 0.01) << "ball " << t.ball;
    EXPECT_NEAR(b[5], t.direction, 2e-6) << "ball " << t.ball;
  }
  EXPECT_NEAR(ballLine(last, 3)[4], 5395, 0.5) << "the 3-ball leaves at about 5395";
  EXPECT_EQ(ballLine(last, 0)[0], 1790) << "the cue ball stands on the aim point";
}

// breakshot is the shot tick's own break: a cue ball placed beyond the contact line and
// shot away from the rack meets it on the first tick, and the contact sounds.
TEST(RackSim, BreakShotFromBeyondTheContactLineMeetsTheRackAtOnce) {
  const SimRun r = runSimJoined(
      "draws 0.5\nstartrack\nball 0 1750 600\naim 1700 600\nshoot\nbreakshot\nprint\n");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("contact tick 1\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("sounds hit 6626.66"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("shot firstHit 1 "), std::string::npos) << r.out;
}

TEST(RackSim, BadArgumentsStopTheScriptBeforeItRuns) {
  const struct {
    const char* script;
    const char* reason;
  } cases[] = {
      {"print\ndraws 0.5 1\n", "line 2: draws: '1' is outside [0, 1)"},
      {"draws -0.1\n", "line 1: draws: '-0.1' is outside [0, 1)"},
      {"draws\n", "line 1: draws: expects at least 1 argument"},
      {"power 34\n", "line 1: power: '34' is outside 35..100"},
      {"spin 1.5 0\n", "line 1: spin: spin outside -1..1"},
      {"blocked 1 2 3\n", "line 1: blocked: expects 4 to 5 arguments"},
      {"bank 1 2 3 4 101 10\n", "line 1: bank: '10' is outside 0..9"},
  };
  for (const auto& c : cases) {
    const SimRun r = runSimJoined(c.script);
    EXPECT_EQ(r.status, 2) << c.script;
    EXPECT_EQ(r.out, std::string(c.reason) + "\n") << c.script;
  }
}

TEST(RackSim, HelpListsTheRackAndGeometryCommands) {
  FILE* p = popen((std::string(VELKOR_SIM_PATH) + " --help").c_str(), "r");
  std::string out;
  char buf[4096];
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
  pclose(p);
  for (const char* usage : {"draws R1 R2 ...", "rack\n", "startrack", "power P", "spin FOLLOW SIDE",
                            "swing [K]", "shoot", "onaim", "breakshot", "break", "blocked AX AY BX BY [EXCEPT]",
                            "bank AX AY BX BY CUSHION EXCEPT", "free X Y"}) {
    EXPECT_NE(out.find(usage), std::string::npos) << usage;
  }
}

}  // namespace
