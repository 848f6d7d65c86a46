#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "support/temp_folder.h"
#include "tools/sim/sim.h"

namespace velkor {
namespace {

std::string run(const std::string& script) {
  std::istringstream in(script);
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(sim::runScript(in, out, err), 0) << err.str();
  return out.str();
}

TEST(RecordsCommands, InidirPointsLoadAndSaveAtAnotherFolder) {
  testing::TempFolder t;
  std::string dir = t.file("conf");
  std::string out = run("inidir " + dir + "\nloadrecords\nsaverecords\nrecords\n");
  std::istringstream lines(out);
  std::string first;
  std::getline(lines, first);
  EXPECT_EQ(first, "solo 1 \"quib                \" 0 10 3600 \"000000000\" 0 \"98/01/01\" 1");
  EXPECT_NE(out.find("\nvscpu 10 \"quib                \" 0 0 \"98/01/01\" 3600 0 10\n"),
            std::string::npos)
      << out;
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 20);
  EXPECT_TRUE(std::filesystem::is_regular_file(dir + "/VKSCORE.INI"));
}

TEST(RecordsCommands, ReportsFileContentsThroughLoad) {
  testing::TempFolder t;
  testing::writeBytes(t.file("VKSCORE.INI"),
                      "[SOLO]\nName01=Ann\nShots01= 14\nBalls01=123456789\n"
                      "[VSCPU]\nYouWon01= 3\nLevelOfQuib01= 5\n");
  std::string out = run("inidir " + t.dir() + "\nloadrecords\nrecords\n");
  EXPECT_NE(out.find("solo 1 \"Ann                 \" 14 10 3600 \"123456789\" 9 \"98/01/01\" 1\n"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("vscpu 1 \"quib                \" 3 0 \"98/01/01\" 3600 5 1\n"),
            std::string::npos)
      << out;
}

TEST(RecordsCommands, BadArgumentsStopTheScriptBeforeAnythingRuns) {
  for (const char* script : {"inidir\n", "inidir a b\n", "records 1\n", "saverecords x\n"}) {
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(sim::runScript(in, out, err), 2) << script;
    EXPECT_EQ(err.str().rfind("line 1: ", 0), 0u) << err.str();
  }
}

}  // namespace
}  // namespace velkor
