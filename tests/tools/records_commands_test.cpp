#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "support/temp_folder.h"
#include "support/sim_runner.h"
#include "tools/sim/sim.h"

namespace velkor {
namespace {

using testing::runScriptOk;

TEST(RecordsCommands, InidirPointsLoadAndSaveAtAnotherFolder) {
  testing::TempFolder t;
  std::string dir = t.file("conf");
  std::string out = runScriptOk("inidir " + dir + "\nloadrecords\nsaverecords\nrecords\n");
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
  std::string out = runScriptOk("inidir " + t.dir() + "\nloadrecords\nrecords\n");
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

// Lines of the output that start with the prefix.
std::string linesStarting(const std::string& out, const std::string& prefix) {
  std::istringstream lines(out);
  std::string result;
  for (std::string l; std::getline(lines, l);) {
    if (l.rfind(prefix, 0) == 0) result += l + "\n";
  }
  return result;
}

TEST(RecordsCommands, RankedSoloGameEntersTheDefaultTableWithTodaysDate) {
  testing::TempFolder t;
  std::string out = runScriptOk("inidir " + t.dir() +
                        "\nloadrecords\ntoday 26/12/10\nrank solo Ann_Lee 14 6 95 120000009\n"
                        "candidate solo\nrecords\n");
  EXPECT_EQ(linesStarting(out, "rank "), "rank solo -1\n");
  EXPECT_EQ(linesStarting(out, "solo 1 "),
            "solo 1 \"Ann Lee             \" 14 6 95 \"120000009\" 3 \"26/12/10\" 11\n");
  EXPECT_EQ(linesStarting(out, "solo 2 "),
            "solo 2 \"quib                \" 0 10 3600 \"000000000\" 0 \"98/01/01\" 1\n");
  // The default row that dropped out is what row 11 holds after the sort.
  EXPECT_EQ(linesStarting(out, "solo 11 "),
            "solo 11 \"quib                \" 0 10 3600 \"000000000\" 0 \"98/01/01\" 10\n");
  EXPECT_FALSE(std::filesystem::exists(t.file("VKSCORE.INI"))) << "rank does not save";
}

TEST(RecordsCommands, RowsSetAsLoadedAndEqualCandidateStaysOut) {
  std::string script;
  for (int i = 1; i <= 10; ++i) {
    script += "row solo " + std::to_string(i) + " P" + std::to_string(i) +
              " 12 5 95 123456789 26/01/0" + std::to_string(i % 10) + "\n";
  }
  script += "today 26/12/10\nrank solo Ann 12 5 95 123456789\ncandidate solo\nrecords\n";
  std::string out = runScriptOk(script);
  EXPECT_EQ(linesStarting(out, "rank "), "rank solo 0\n");
  EXPECT_EQ(linesStarting(out, "solo 11 "),
            "solo 11 \"Ann                 \" 12 5 95 \"123456789\" 9 \"26/12/10\" 0\n");
  EXPECT_EQ(linesStarting(out, "solo 10 "),
            "solo 10 \"P10                 \" 12 5 95 \"123456789\" 9 \"26/01/00\" 10\n");
}

TEST(RecordsCommands, RowTextsAreBlankedPaddedAndCut) {
  std::string out = runScriptOk(
      "row solo 3 A_very_long_name_that_goes_on 1 2 3 12_ 98/1/1__ignored\n"
      "row vscpu 11 Bo 3 1 26/12/10 400 7\ncandidate vscpu\nrecords\n");
  EXPECT_EQ(linesStarting(out, "solo 3 "),
            "solo 3 \"A very long name tha\" 1 2 3 \"12       \" 9 \"98/1/1  \" 3\n");
  EXPECT_EQ(linesStarting(out, "vscpu 11 "),
            "vscpu 11 \"Bo                  \" 3 1 \"26/12/10\" 400 7 11\n");
}

TEST(RecordsCommands, VersusRankingNeedsAWonMatchAndOrdersByLevelFirst) {
  testing::TempFolder t;
  std::string out = runScriptOk("inidir " + t.dir() +
                        "\nloadrecords\ntoday 26/12/10\n"
                        "rank vscpu Ann 3 1 400 4\n"
                        "rank vscpu Bob 1 3 10 11\ncandidate vscpu\n"
                        "rank vscpu Cy 1 0 3000 5\nrecords\n");
  EXPECT_EQ(linesStarting(out, "rank "), "rank vscpu -1\nrank vscpu 0\nrank vscpu -1\n");
  EXPECT_EQ(linesStarting(out, "vscpu 11 "),
            "vscpu 11 \"quib                \" 0 0 \"98/01/01\" 3600 0 10\n")
      << "a lost match leaves row 11 as the last sort left it";
  EXPECT_EQ(linesStarting(out, "vscpu 1 "),
            "vscpu 1 \"Cy                  \" 1 0 \"26/12/10\" 3000 5 11\n");
  EXPECT_EQ(linesStarting(out, "vscpu 2 "),
            "vscpu 2 \"Ann                 \" 3 1 \"26/12/10\" 400 4 1\n");
}

TEST(RecordsCommands, BadRankingArgumentsStopTheScript) {
  for (const char* script :
       {"today 2026-12-10\n", "today 26/12/1\n", "row solo 12 A 1 1 1 0 d\n",
        "row solo 0 A 1 1 1 0 d\n", "row vscpu 1 A 1 1 d 1\n", "row both 1 A 1 1 1 1 1\n",
        "rank solo A 1 1 1 12345678\n", "rank solo A 1 1 1 210000000\n",
        "rank solo A 40000 1 1 000000000\n", "rank vscpu A 1 0 10\n", "candidate\n",
        "candidate both\n"}) {
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(sim::runScript(in, out, err), 2) << script;
    EXPECT_EQ(err.str().rfind("line 1: ", 0), 0u) << err.str();
  }
}

}  // namespace
}  // namespace velkor
