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

namespace {

struct SimRun {
  int status = -1;
  std::string out, err;
};

std::string slurp(const std::filesystem::path& p) {
  std::ifstream in(p);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

SimRun runSim(const std::string& script, const std::string& args = "") {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                    ("velkor-sim-test-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  {
    std::ofstream(dir / "in") << script;
  }
  const std::string cmd = std::string("'") + VELKOR_SIM_PATH + "' " + args + " < '" +
                          (dir / "in").string() + "' > '" + (dir / "out").string() + "' 2> '" +
                          (dir / "err").string() + "'";
  const int raw = std::system(cmd.c_str());
  SimRun r;
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.out = slurp(dir / "out");
  r.err = slurp(dir / "err");
  std::filesystem::remove_all(dir);
  return r;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> v;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) v.push_back(l);
  return v;
}

const char* kOnlyTwoBalls =
    "pocketed 2\npocketed 3\npocketed 4\npocketed 5\npocketed 6\n"
    "pocketed 7\npocketed 8\npocketed 9\n";

TEST(SimPhysics, StepMovesAndPrintsTheTableShotAndSounds) {
  const SimRun r = runSim(std::string(kOnlyTwoBalls) +
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
  const SimRun r = runSim("ball 0 600 600 1000 0 500 0\nmove 0 0.5\nprint\n");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(lines(r.out).at(0), "ball 0 1100 600 626.666626 0 626.666626 0 500 0 -1");
}

TEST(SimPhysics, SceneShotPlaysIntoTheRack) {
  const SimRun r = runSim("scene shot\nstep 400\nprint\n");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<std::string> out = lines(r.out);
  ASSERT_EQ(out.size(), 12u);
  EXPECT_EQ(out[10].rfind("shot firstHit 1 pocketed", 0), 0u) << out[10];
}

TEST(SimPhysics, BadLineExitsWithItsNumberAndRunsNothing) {
  for (const char* bad : {"step x\n", "step 1 2\n", "move 10 0.1\n", "scene nowhere\n"}) {
    const SimRun r = runSim(std::string("ball 0 600 600 100 0\nprint\n") + bad + "print\n");
    EXPECT_EQ(r.status, 2) << bad;
    EXPECT_EQ(r.out, "") << bad;
    EXPECT_EQ(r.err.rfind("line 3: ", 0), 0u) << bad << r.err;
  }
}

TEST(SimPhysics, HelpListsThePhysicsCommands) {
  const SimRun r = runSim("", "--help");
  ASSERT_EQ(r.status, 0);
  for (const char* usage : {"move N T", "step [K]", "scene rack|shot|scatter|random|broken|still [SEED]"}) {
    EXPECT_NE(r.out.find(usage), std::string::npos) << usage;
  }
}

}  // namespace
