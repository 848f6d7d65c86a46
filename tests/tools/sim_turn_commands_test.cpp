// The scenario driver's commands for the computer's turn: gamestowin, autopilot, clock and
// strength.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/sim_runner.h"
#include "support/temp_folder.h"
#include "tools/sim/sim.h"

namespace velkor::sim {
namespace {

using Output = velkor::testing::SimLines;
using velkor::testing::runScriptLines;

std::vector<std::string> linesStartingWith(const Output& o, const std::string& prefix) {
  std::vector<std::string> out;
  for (const std::string& l : o.lines) {
    if (l.rfind(prefix, 0) == 0) out.push_back(l);
  }
  return out;
}

TEST(SimTurn, ClockRunsTheTitleTimerIntoTheDemonstrationAndItBackToTheMenu) {
  const Output o = runScriptLines("mode menu\nclock 30.9\nstate\nclock 0.1\nclock 7200\n");
  ASSERT_EQ(o.status, 0) << o.err;
  ASSERT_GE(o.lines.size(), 4u);
  EXPECT_EQ(o.lines[0].rfind("state 3 ", 0), 0u) << "30.9 s on the title menu";
  EXPECT_EQ(o.lines[3], "mode 2") << "the 31st second starts the demonstration";
  const std::vector<std::string> modes = linesStartingWith(o, "mode ");
  ASSERT_GE(modes.size(), 2u);
  EXPECT_EQ(modes[1], "mode 3") << "the demonstration game ends on the title menu";
  EXPECT_TRUE(linesStartingWith(o, "message").empty());
  EXPECT_TRUE(linesStartingWith(o, "window").empty());
}

TEST(SimTurn, AutopilotPlaysTheSoloPlayersTurnsOnTheClockAndOnlyWhileOn) {
  const Output off = runScriptLines("mode solo\nclock 10\nstate\n");
  ASSERT_EQ(off.status, 0) << off.err;
  EXPECT_EQ(off.lines.at(0), "state 0 0 0 0 0 -1 0") << "nobody shoots";
  const Output on = runScriptLines("mode solo\nautopilot on\nclock 2.15\nstate\nclock 0.05\nstate\n");
  ASSERT_EQ(on.status, 0) << on.err;
  EXPECT_EQ(on.lines.at(0), "state 0 0 0 0 0 -1 0") << "the turn is paced like the computer's";
  EXPECT_EQ(on.lines.at(3), "state 0 0 1 0 0 -1 1") << "pressed 2.2 s in";
}

TEST(SimTurn, MatchAgainstTheComputerWithTheAutopilotReachesItsResult) {
  testing::TempFolder folder;  // the end of a match saves the level
  const Output o =
      runScriptLines("inidir " + folder.dir() + "\nmode versuscpu\ngamestowin 1\nautopilot on\nclock 7200\n");
  ASSERT_EQ(o.status, 0) << o.err;
  const std::vector<std::string> windows = linesStartingWith(o, "window frmVsResult");
  EXPECT_FALSE(windows.empty());
}

TEST(SimTurn, StrengthPrintsItsTallyAndRepeatsWithTheSameSeed) {
  const Output a = runScriptLines("strength 6 3 42\n");
  const Output b = runScriptLines("strength 6 3 42\n");
  ASSERT_EQ(a.status, 0) << a.err;
  ASSERT_EQ(a.lines.size(), 1u);
  std::istringstream line(a.lines[0]);
  std::string word[6];
  long pots = -1, fouls = -1, shots = -1;
  line >> word[0] >> word[1] >> word[2] >> word[3] >> pots >> word[4] >> fouls >> word[5] >> shots;
  EXPECT_TRUE(line && line.peek() == EOF) << a.lines[0];
  EXPECT_EQ(word[0] + word[1] + word[2] + word[3] + word[4] + word[5], "strength63potsfoulsshots");
  EXPECT_GE(pots, 0);
  EXPECT_GT(fouls + pots, 0);
  EXPECT_GE(shots, 3) << "a break at least in every rack";
  EXPECT_EQ(a.lines, b.lines);
}

TEST(SimTurn, BadArgumentsAreRejectedBeforeAnythingRuns) {
  for (const char* script : {"gamestowin 0\n", "gamestowin 16\n", "autopilot maybe\n",
                             "autopilot\n", "clock -1\n", "clock x\n", "strength 0 1 1\n",
                             "strength 12 1 1\n", "strength 3 0 1\n", "strength 3 1\n"}) {
    SCOPED_TRACE(script);
    const Output o = runScriptLines(std::string("state\n") + script);
    EXPECT_EQ(o.status, 2);
    EXPECT_TRUE(o.lines.empty());
    EXPECT_EQ(o.err.rfind("line 2: ", 0), 0u) << o.err;
  }
}

TEST(SimTurn, GamesToWinSetsTheMatchLength) {
  testing::TempFolder folder;
  const Output o = runScriptLines("inidir " + folder.dir() +
                       "\nmode versuscpu\ngamestowin 1\nautopilot on\nclock 7200\nstate\n");
  ASSERT_EQ(o.status, 0) << o.err;
  // Every game of a match to 1 ends its match: each result resets both counts to 0.
  EXPECT_EQ(linesStartingWith(o, "player 0").at(0).substr(std::string("player 0 \"You\" -1 ").size()), "0");
  EXPECT_EQ(linesStartingWith(o, "player 1").at(0), "player 1 \"quib\" 0 0");
}

}  // namespace
}  // namespace velkor::sim
