// The scenario driver's rules commands: modes, players, shots, take-back and the state line.
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

TEST(SimRules, MatchAgainstTheComputerShowsTheSetUpAndItsDefaults) {
  const Output o = runScriptLines("mode versuscpu\nstate\n");
  ASSERT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.lines, (std::vector<std::string>{
                         "window frmChangeVsMode",
                         "state 1 0 0 0 0 -1 0",
                         "player 0 \"You\" -1 0",
                         "player 1 \"quib\" 0 0",
                     }));
}

TEST(SimRules, SetupAnswersTheNextSetUpWindow) {
  struct Case {
    const char* script;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"setup Ann_Lee Bartholomew-the-Great 5 ok\nmode versus\nstate\n",
       {"window frmChangeVsMode", "state 1 0 0 0 0 -1 0", "player 0 \"Ann Lee\" -1 0",
        "player 1 \"Bartholomew-\" 0 0"}},
      // The computer's box cannot be edited.
      {"setup Ann Bob 1 ok\nmode versuscpu\nstate\n",
       {"window frmChangeVsMode", "state 1 0 0 0 0 -1 0", "player 0 \"Ann\" -1 0",
        "player 1 \"quib\" 0 0"}},
      // A line break or tab pasted into a box is a blank in the name; \\ is a backslash.
      {"setup Ann\\nLee Bob 1 ok\nmode versus\nstate\n",
       {"window frmChangeVsMode", "state 1 0 0 0 0 -1 0", "player 0 \"Ann Lee\" -1 0",
        "player 1 \"Bob\" 0 0"}},
      {"setup \\tAnn C\\\\D 1 ok\nmode versus\nstate\n",
       {"window frmChangeVsMode", "state 1 0 0 0 0 -1 0", "player 0 \"Ann\" -1 0",
        "player 1 \"C\\D\" 0 0"}},
      {"setup Ann Bob 5 cancel\nmode versus\nstate\n",
       {"window frmChangeVsMode", "state 3 0 0 0 0 -1 0", "player 0 \"Player1\" 0 0",
        "player 1 \"Player2\" 0 0"}},
  };
  for (const Case& c : cases) {
    const Output o = runScriptLines(c.script);
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.lines, c.lines) << c.script;
  }
}

TEST(SimRules, AMatchToOneEndsWithTheResultWindowAfterTheWinnersMessage) {
  testing::TempFolder folder;  // the decided match saves the computer's level
  // The default draws make the break drop the 9-ball.
  const Output o = runScriptLines("inidir " + folder.dir() +
                                  "\nsetup You quib 1 ok\nmode versuscpu\nshot\nrun\nstate\n");
  ASSERT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.lines, (std::vector<std::string>{
                         "window frmChangeVsMode", "message You are Winner!", "window frmVsResult",
                         "run 78", "state 1 0 0 0 0 -1 0", "player 0 \"You\" -1 0",
                         "player 1 \"quib\" 0 0"}));
}

TEST(SimRules, EnternameAnswersTheNameEntryOfARankedGame) {
  testing::TempFolder folder;
  // The default draws make the break drop the 9-ball: a one-turn game enters the table.
  const std::string game = "inidir " + folder.dir() + "\nloadrecords\n";
  const std::string play = "mode solo\nshot\nrun\n";
  Output o = runScriptLines(game + "entername Ann\\nLee\n" + play + "records\n");
  ASSERT_EQ(o.status, 0) << o.err;
  ASSERT_GE(o.lines.size(), 3u);
  EXPECT_EQ(o.lines[0], "window frmRecord");
  EXPECT_EQ(o.lines[1], "window frmInputBox");
  EXPECT_EQ(o.lines[3].rfind("solo 1 \"Ann Lee ", 0), 0u) << o.lines[3];
  EXPECT_NE(testing::readBytes(folder.file("VKSCORE.INI")).find("Name01=Ann Lee"),
            std::string::npos);

  // Without it the box is left empty; the name asked before is not reused.
  o = runScriptLines(game + "names Bob Carl\n" + play + "state\n");
  ASSERT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.lines[1], "window frmInputBox");
  EXPECT_EQ(o.lines[4], "player 0 \"\" 0 0");
}

TEST(SimRules, SetupAndEnternameRejectBadArguments) {
  for (const char* script : {"setup Ann Bob 16 ok\n", "setup Ann Bob 0 ok\n",
                             "setup Ann Bob 3 maybe\n", "setup Ann Bob 3\n", "entername\n",
                             "entername Ann Lee\n", "setup Ann\\x Bob 3 ok\n",
                             "entername Ann\\\n"}) {
    const Output o = runScriptLines(script);
    EXPECT_EQ(o.status, 2) << script;
    EXPECT_TRUE(o.lines.empty()) << script;
  }
}

TEST(SimRules, NamesAreStoredAtTheirFixedWidth) {
  const Output o = runScriptLines("mode versus\nnames Ann Bartholomew-the-Great\nstate\n");
  ASSERT_EQ(o.status, 0) << o.err;
  ASSERT_EQ(o.lines.size(), 4u);
  EXPECT_EQ(o.lines[2], "player 0 \"Ann\" -1 0");
  EXPECT_EQ(o.lines[3], "player 1 \"Bartholomew-\" 0 0");
}

TEST(SimRules, ShotRunsToItsEndAndIsCounted) {
  const Output o = runScriptLines("mode solo\nshot\ntick 3\nstate\nrun\nstate\n");
  ASSERT_EQ(o.status, 0) << o.err;
  ASSERT_GE(o.lines.size(), 3u);
  EXPECT_EQ(o.lines[0], "state 0 0 1 0 0 -1 1") << "three ticks in: the break still rolls";
  int runs = 0;
  for (const std::string& l : o.lines) {
    if (l.rfind("run ", 0) == 0) {
      ++runs;
      EXPECT_EQ(l.find_first_not_of("0123456789", 4), std::string::npos) << l;
    }
  }
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(o.lines.back().rfind("player 1 \"", 0), 0u);
}

TEST(SimRules, TakeBackWhileTheShotRunsIsRefused) {
  const Output o = runScriptLines("mode solo\nshot\ntick\ntakeback\nstate\n");
  ASSERT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.lines.at(0), "state 0 0 1 0 0 -1 1");
}

TEST(SimRules, TickWithoutAShotDoesNothing) {
  const Output o = runScriptLines("mode menu\ntick 5\nrun\nstate\n");
  ASSERT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.lines.at(0), "run 0");
  EXPECT_EQ(o.lines.at(1), "state 3 0 0 0 0 -1 0");
}

TEST(SimRules, BadArgumentsAreRejectedBeforeAnythingRuns) {
  for (const char* script : {"state\nmode duel\n", "tick -1\n", "tick 10001\n", "names Ann\n",
                             "run 4\n"}) {
    const Output o = runScriptLines(script);
    EXPECT_EQ(o.status, 2) << script;
    EXPECT_TRUE(o.lines.empty()) << script;
    EXPECT_FALSE(o.err.empty()) << script;
  }
}

TEST(SimRules, HelpListsEveryRulesCommand) {
  const std::string help = helpText();
  for (const char* usage : {"mode solo|versus|versuscpu|demo|menu", "names NAME0 NAME1", "shot",
                            "tick [K]", "run", "takeback", "state"}) {
    EXPECT_NE(help.find(std::string("  ") + usage + "\n"), std::string::npos) << usage;
  }
}

}  // namespace
}  // namespace velkor::sim
