// velkor-sim's computer-opponent commands, run through the real binary.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "support/temp_folder.h"

namespace {

struct SimRun {
  int status;
  std::string out;
};

// Runs velkor-sim on the script; standard error joins the output.
SimRun runSim(const std::string& script) {
  char path[] = "/tmp/velkor-sim-XXXXXX";
  const int fd = mkstemp(path);
  EXPECT_GE(fd, 0);
  close(fd);
  std::ofstream(path) << script;
  const std::string cmd = std::string(VELKOR_SIM_PATH) + " < " + path + " 2>&1";
  FILE* p = popen(cmd.c_str(), "r");
  std::string out;
  char buf[4096];
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
  const int status = pclose(p);
  std::remove(path);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

// Every ball off the table, then the given ones placed.
std::string table(const std::string& balls) {
  std::string s;
  for (int n = 0; n <= 9; ++n) s += "pocketed " + std::to_string(n) + "\n";
  return s + balls;
}

// The cue ball at (600, 600) inside a ring of balls 2..9 one diameter away; the 1-ball at
// (1800, 600) and the aim on it. No chooser finds a way.
const std::string kHemmedIn = table(
    "ball 0 600 600\nball 2 700 600\nball 3 670.710678 670.710678\nball 4 600 700\n"
    "ball 5 529.289322 670.710678\nball 6 500 600\nball 7 529.289322 529.289322\n"
    "ball 8 600 500\nball 9 670.710678 529.289322\nball 1 1800 600\naim 1800 600\n");

struct ChooseCase {
  const char* name;
  std::string script;
  const char* expected;  // the seven lines of choose
};

class Choose : public ::testing::TestWithParam<ChooseCase> {};

TEST_P(Choose, PrintsThePlanTheChoosersThePowerAndTheAim) {
  const SimRun r = runSim(GetParam().script + "choose\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, GetParam().expected);
}

const ChooseCase kChooseCases[] = {
    {"HemmedInLevel1", kHemmedIn + "level 1\ndraws 0.9\n",
     "plan 1800 600 3.1415925 4800 4800 0\n"
     "chooser none\n"
     "ran chooseSimpleShot chooseThinHitShot\n"
     "remark \"I can do nothing!\"\n"
     "power 100\n"
     "aimpoint 1800 600\n"
     "drawn 1\n"},
    {"HemmedInLevel11MissesInJapanese", kHemmedIn + "level 11\nlanguage ja\ndraws 0.005 0 0.75\n",
     "plan 1800 600 3.1415925 4800 4800 0\n"
     "chooser none\n"
     "ran chooseDirectOrCombinationShot chooseObjectBankShot chooseBankCombinationShot "
     "chooseThinHitShot chooseCushionHitShot\n"
     "remark \"打つ手がないよ～\"\n"
     "power 100\n"
     "aimpoint 1783.33337 608.333313\n"
     "drawn 3\n"},
    {"HemmedInLevel9", kHemmedIn + "level 9\ndraws 0.5\n",
     "plan 1800 600 3.1415925 4800 4800 0\n"
     "chooser none\n"
     "ran chooseDirectOrCombinationShot chooseObjectBankShot chooseBankShot "
     "chooseThinHitShot chooseCushionHitShot\n"
     "remark \"I can do nothing!\"\n"
     "power 100\n"
     "aimpoint 1800 600\n"
     "drawn 1\n"},
};

INSTANTIATE_TEST_SUITE_P(Tables, Choose, ::testing::ValuesIn(kChooseCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OpponentCommands, MatchEndsRaiseTheStoredLevelAcrossRuns) {
  velkor::testing::TempFolder t;
  const std::string dir = "inidir " + t.dir() + "\n";
  SimRun r = runSim(dir + "loadquib\nquib\nmatchend you\nquib\n");
  EXPECT_EQ(r.out, "quib 1 0\nquib 1 1\n");
  r = runSim(dir + "loadquib\nquib\nmatchend you\nquib\nmatchend cpu\nquib\n");
  EXPECT_EQ(r.out, "quib 1 1\nquib 2 0\nquib 2 0\n");
  r = runSim(dir + "level 11\nsavequib\n");
  r = runSim(dir + "loadquib\nquib\nmatchend you\nmatchend you\nquib\n");
  EXPECT_EQ(r.out, "quib 11 0\nquib 11 0\n");
  EXPECT_EQ(velkor::testing::readBytes(t.file("VKSCORE.INI")), "[QUIB]\nLV= 11\nPG= 0\n");
}

TEST(OpponentCommands, BadArgumentsStopTheScript) {
  struct Case {
    const char* script;
    const char* reason;
  };
  const Case cases[] = {
      {"level 0\n", "line 1: level: '0' is outside 1..11\n"},
      {"level 12\n", "line 1: level: '12' is outside 1..11\n"},
      {"language fr\n", "line 1: language: unknown choice 'fr'\n"},
      {"matchend\n", "line 1: matchend: expects 1 arguments\n"},
      {"matchend me\n", "line 1: matchend: unknown choice 'me'\n"},
      {"choose 1\n", "line 1: choose: expects 0 arguments\n"},
  };
  for (const Case& c : cases) {
    const SimRun r = runSim(c.script);
    EXPECT_EQ(r.status, 2) << c.script;
    EXPECT_EQ(r.out, c.reason) << c.script;
  }
}

TEST(OpponentCommands, HelpListsThem) {
  FILE* p = popen((std::string(VELKOR_SIM_PATH) + " --help").c_str(), "r");
  std::string out;
  char buf[4096];
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
  pclose(p);
  for (const char* usage : {"level L", "language en|ja", "choose\n", "quib\n", "loadquib",
                            "savequib", "matchend you|cpu"}) {
    EXPECT_NE(out.find(usage), std::string::npos) << usage;
  }
}

}  // namespace
