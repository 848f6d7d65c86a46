// velkor-sim run as a program: the physics commands, the print format and bad scripts.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/sim_runner.h"

namespace {

using velkor::testing::lines;
using velkor::testing::SimRun;
using velkor::testing::runSimBinary;

const char* kOnlyTwoBalls =
    "pocketed 2\npocketed 3\npocketed 4\npocketed 5\npocketed 6\n"
    "pocketed 7\npocketed 8\npocketed 9\n";

TEST(SimPhysics, StepMovesAndPrintsTheTableShotAndSounds) {
  const SimRun r = runSimBinary(std::string(kOnlyTwoBalls) +
                       "ball 0 600 600 5600 0   # full power along +x\n"
                       "ball 1 1800 600\n"
                       "step\n"
                       "print\n"
                       "step 10\n"
                       "print\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const std::vector<std::string> out = lines(r.out);
  ASSERT_EQ(out.size(), 24u);
  EXPECT_EQ(out[0], "ball 0 880 600 5506.6665 0 5506.6665 0 0 0 -1");
  EXPECT_EQ(out[1], "ball 1 1800 600 0 0 0 0 0 0 -1");
  EXPECT_EQ(out[2], "ball 2 0 0 0 0 0 0 0 0 0");
  EXPECT_EQ(out[10], "shot firstHit 0 pocketed");
  EXPECT_EQ(out[11], "sounds");
  EXPECT_EQ(out[22], "shot firstHit 1 pocketed");
  EXPECT_EQ(out[23].rfind("sounds hit 5223.80908 wall ", 0), 0u) << out[23];
}

TEST(SimPhysics, MoveRunsOneBallAloneAndKeepsItsFollowSpin) {
  const SimRun r = runSimBinary("ball 0 600 600 1000 0 500 0\nmove 0 0.5\nprint\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(lines(r.out).at(0), "ball 0 1100 600 626.666626 0 626.666626 0 500 0 -1");
}

TEST(SimPhysics, SceneShotPlaysIntoTheRack) {
  const SimRun r = runSimBinary("scene shot\nstep 400\nprint\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> out = lines(r.out);
  ASSERT_EQ(out.size(), 12u);
  EXPECT_EQ(out[10].rfind("shot firstHit 1 pocketed", 0), 0u) << out[10];
}

TEST(SimPhysics, BadLineExitsWithItsNumberAndRunsNothing) {
  for (const char* bad : {"step x\n", "step 1 2\n", "move 10 0.1\n", "scene nowhere\n"}) {
    const SimRun r = runSimBinary(std::string("ball 0 600 600 100 0\nprint\n") + bad + "print\n");
    EXPECT_EQ(r.status, 2) << bad;
    EXPECT_EQ(r.out, "") << bad;
    EXPECT_EQ(r.err.rfind("line 3: ", 0), 0u) << bad << r.err;
  }
}

TEST(SimPhysics, HelpListsThePhysicsCommands) {
  const SimRun r = runSimBinary("", "--help");
  ASSERT_EQ(r.status, 0);
  for (const char* usage : {"move N T", "step [K]", "scene rack|shot|scatter|random|broken|still [SEED]"}) {
    EXPECT_NE(r.out.find(usage), std::string::npos) << usage;
  }
}

}  // namespace
