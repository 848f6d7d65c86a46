// velkor-sim's computer-opponent commands, run through the real binary.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "support/temp_folder.h"

#include "support/sim_runner.h"

namespace {

using velkor::testing::SimRun;
using velkor::testing::runSimJoined;

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
  const SimRun r = runSimJoined(GetParam().script + "choose\n");
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
    // A straight pot: full power below level 3, else the travels over 16.
    {"StraightPotLevel1MissesWithFullPower",
     table("ball 0 1755.88 725.63\n"
           "ball 1 2000 900\n"
           "aim 2000 900\n"
           "level 1\n"
           "draws 0.7 0.2 0.9\n"),
     "plan 1918.62671 841.87616 0 199.999146 430.116272 -1\n"
     "chooser chooseSimpleShot\n"
     "ran chooseSimpleShot chooseThinHitShot\n"
     "remark \"Simple is best.\"\n"
     "power 100\n"
     "aimpoint 1908.62671 855.209473\n"
     "drawn 3\n"},
    {"StraightPotLevel3PowerFromTheTravels",
     table("ball 0 1755.88 725.63\n"
           "ball 1 2000 900\n"
           "aim 2000 900\n"
           "level 3\n"
           "draws 0.5\n"),
     "plan 1918.62671 841.87616 0 199.999146 430.116272 -1\n"
     "chooser chooseSimpleShot\n"
     "ran chooseSimpleShot chooseThinHitShot chooseCushionHitShot\n"
     "remark \"Simple is best.\"\n"
     "power 39\n"
     "aimpoint 1918.62671 841.87616\n"
     "drawn 1\n"},
    // A pot with a cut of 25 and of 15 degrees, the target too near the top cushion for an
    // object bank: level 9 keeps the pot, 10 looks for a bank below 20 degrees, 11 below 10.
    {"Cut25Level9KeepsThePot",
     table("ball 0 1163.8761 821.30682\n"
           "ball 1 1600 1050\n"
           "aim 1600 1050\n"
           "level 9\n"),
     "plan 1500.8772 1036.78369 0.436332494 400.000031 756.637268 -1\n"
     "chooser chooseDirectOrCombinationShot\n"
     "ran chooseDirectOrCombinationShot chooseObjectBankShot chooseThinHitShot chooseCushionHitShot\n"
     "remark \"Easy for me.\"\n"
     "power 72\n"
     "aimpoint 1500.8772 1036.78369\n"
     "drawn 1\n"},
    {"Cut25Level10BanksBelow",
     table("ball 0 1163.8761 821.30682\n"
           "ball 1 1600 1050\n"
           "aim 1600 1050\n"
           "level 10\n"),
     "plan 50 914.884399 0.0487325341 2573.78906 756.637268 -1\n"
     "chooser chooseBankCombinationShot\n"
     "ran chooseDirectOrCombinationShot chooseObjectBankShot chooseBankCombinationShot chooseThinHitShot chooseCushionHitShot\n"
     "remark \"Bank Shot!\"\n"
     "power 100\n"
     "aimpoint 50 914.884399\n"
     "drawn 1\n"},
    {"Cut15Level10KeepsThePot",
     table("ball 0 1131.57875 883.100024\n"
           "ball 1 1600 1050\n"
           "aim 1600 1050\n"
           "level 10\n"),
     "plan 1500.8772 1036.78369 0.261799455 400.000031 756.637268 -1\n"
     "chooser chooseDirectOrCombinationShot\n"
     "ran chooseDirectOrCombinationShot chooseObjectBankShot chooseThinHitShot chooseCushionHitShot\n"
     "remark \"Easy for me.\"\n"
     "power 72\n"
     "aimpoint 1500.8772 1036.78369\n"
     "drawn 1\n"},
    {"Cut15Level11Banks",
     table("ball 0 1131.57875 883.100024\n"
           "ball 1 1600 1050\n"
           "aim 1600 1050\n"
           "level 11\n"),
     "plan 2350 987.739197 0.0212137438 1875.50562 1553.22241 -1\n"
     "chooser chooseBankCombinationShot\n"
     "ran chooseDirectOrCombinationShot chooseObjectBankShot chooseBankCombinationShot chooseThinHitShot chooseCushionHitShot\n"
     "remark \"Bank Shot!\"\n"
     "power 100\n"
     "aimpoint 2350 987.739197\n"
     "drawn 1\n"},
    // Scattered tables at rest, one for each kind of shot.
    {"ThinHitLevel1",
     table("ball 0 1042.48547 1030.86267\n"
           "ball 1 2025.25122 590.96814\n"
           "ball 2 957.745972 695.216736\n"
           "ball 3 2166.72241 543.715759\n"
           "ball 4 468.743683 641.363098\n"
           "ball 5 1875.72205 816.095032\n"
           "ball 6 1299.32458 797.880981\n"
           "ball 7 2007.11414 923.341125\n"
           "ball 8 1447.84814 236.551758\n"
           "ball 9 1800.9126 198.575729\n"
           "aim 2025.25122 590.96814\n"
           "level 1\n"),
     "plan 2025.25122 590.96814 2.99653387 1076.72449 2052.83569 -1\n"
     "chooser chooseThinHitShot\n"
     "ran chooseSimpleShot chooseThinHitShot\n"
     "remark \"Difficalt !\"\n"
     "power 100\n"
     "aimpoint 2025.25122 590.96814\n"
     "drawn 3\n"},
    {"CushionHitLevel3",
     table("ball 0 1352.9585 869.868347\n"
           "ball 1 2282.36426 538.906433\n"
           "ball 2 1071.92029 888.65802\n"
           "ball 3 2067.14722 625.327759\n"
           "ball 4 707.098938 922.808289\n"
           "ball 5 979.718689 715.751587\n"
           "ball 6 1096.44727 633.026733\n"
           "ball 7 1052.84851 234.404419\n"
           "ball 8 1533.979 946.254944\n"
           "ball 9 1617.55798 1021.98834\n"
           "aim 2282.36426 538.906433\n"
           "level 3\n"),
     "plan 1935.13342 50 3.1415925 1605.20605 599.665527 -1\n"
     "chooser chooseCushionHitShot\n"
     "ran chooseSimpleShot chooseThinHitShot chooseCushionHitShot\n"
     "remark \"I can't Poket.\"\n"
     "power 100\n"
     "aimpoint 1935.13342 50\n"
     "drawn 1\n"},
    {"ObjectBankLevel5",
     table("ball 0 1409.55396 873.566345\n"
           "ball 1 767.030823 431.591248\n"
           "ball 2 1720.16064 862.517883\n"
           "ball 3 626.217834 849.922302\n"
           "ball 4 831.128784 531.733154\n"
           "ball 5 1328.20874 461.436127\n"
           "ball 6 2192.73853 274.323303\n"
           "ball 7 510.909241 450.92627\n"
           "ball 8 919.243164 281.787231\n"
           "ball 9 161.762466 630.098389\n"
           "aim 767.030823 431.591248\n"
           "level 5\n"),
     "plan 864.395447 408.784943 0.936067283 716.393433 3150.0459 -1\n"
     "chooser chooseObjectBankShot\n"
     "ran chooseSimpleShot chooseObjectBankShot chooseThinHitShot chooseCushionHitShot\n"
     "remark \".......\"\n"
     "power 100\n"
     "aimpoint 864.395447 408.784943\n"
     "drawn 1\n"},
    {"CombinationLevel7",
     table("ball 0 1619.06958 875.263\n"
           "ball 1 660.710999 912.725464\n"
           "ball 2 654.347778 176.839676\n"
           "ball 3 1535.06848 1130.93628\n"
           "ball 4 554.34375 917.498779\n"
           "ball 5 1406.21729 286.81781\n"
           "ball 6 2316.25684 314.871185\n"
           "ball 7 1797.56262 1023.61731\n"
           "ball 8 1446.08398 793.668152\n"
           "ball 9 1812.67517 139.844116\n"
           "aim 660.710999 912.725464\n"
           "level 7\n"),
     "plan 699.379272 1004.94678 0.230487436 928.788513 655.184814 -1\n"
     "chooser chooseDirectOrCombinationShot\n"
     "ran chooseDirectOrCombinationShot chooseObjectBankShot chooseThinHitShot chooseCushionHitShot\n"
     "remark \"Combination Shot!\"\n"
     "power 98\n"
     "aimpoint 699.379272 1004.94678\n"
     "drawn 1\n"},
    {"BankLevel9",
     table("ball 0 1751.09949 541.05249\n"
           "ball 1 180.475983 166.881653\n"
           "ball 2 1316.60559 955.409424\n"
           "ball 3 493.641357 273.520081\n"
           "ball 4 321.882874 1048.802\n"
           "ball 5 336.929565 597.893494\n"
           "ball 6 507.879639 1025.44385\n"
           "ball 7 991.723877 88.2414322\n"
           "ball 8 1464.08435 613.341125\n"
           "ball 9 2124.61768 302.822235\n"
           "aim 180.475983 166.881653\n"
           "level 9\n"),
     "plan 248.703979 50 1.12704253 1638.47083 991.738708 -1\n"
     "chooser chooseBankShot\n"
     "ran chooseDirectOrCombinationShot chooseObjectBankShot chooseBankShot chooseThinHitShot chooseCushionHitShot\n"
     "remark \"Bank Shot.\"\n"
     "power 100\n"
     "aimpoint 248.703979 50\n"
     "drawn 1\n"},
    {"BankCombinationLevel11",
     table("ball 0 1817.49695 411.899323\n"
           "ball 1 1505.29541 371.162964\n"
           "ball 2 1927.49341 434.666962\n"
           "ball 3 1719.073 482.976227\n"
           "ball 4 537.624573 822.371826\n"
           "ball 5 1260.87146 739.134827\n"
           "ball 6 1043.42932 1112.26501\n"
           "ball 7 1922.54724 715.376282\n"
           "ball 8 2337.96045 85.4582596\n"
           "ball 9 823.467834 948.603943\n"
           "aim 1505.29541 371.162964\n"
           "level 11\n"),
     "plan 1670.05347 50 0.013129605 655.44574 836.53595 -1\n"
     "chooser chooseBankCombinationShot\n"
     "ran chooseDirectOrCombinationShot chooseObjectBankShot chooseBankCombinationShot chooseThinHitShot chooseCushionHitShot\n"
     "remark \"Bank & Conbination Shot!\"\n"
     "power 93\n"
     "aimpoint 1670.05347 50\n"
     "drawn 1\n"},
    {"NothingAtLevel7",
     table("ball 0 1008.47089 129.293839\n"
           "ball 1 85.3148346 775.886169\n"
           "ball 2 2119.62476 414.568298\n"
           "ball 3 52.0907288 924.663269\n"
           "ball 4 2279.80249 673.852051\n"
           "ball 5 550.643311 883.854797\n"
           "ball 6 408.889252 587.737488\n"
           "ball 7 1409.97339 963.948181\n"
           "ball 8 2179.08911 902.294739\n"
           "ball 9 2317.39209 808.312378\n"
           "aim 85.3148346 775.886169\n"
           "level 7\n"),
     "plan 85.3148346 775.886169 3.1415925 4800 4800 0\n"
     "chooser none\n"
     "ran chooseDirectOrCombinationShot chooseObjectBankShot chooseThinHitShot chooseCushionHitShot\n"
     "remark \"I can do nothing!\"\n"
     "power 100\n"
     "aimpoint 85.3148346 775.886169\n"
     "drawn 1\n"},
};

INSTANTIATE_TEST_SUITE_P(Tables, Choose, ::testing::ValuesIn(kChooseCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OpponentCommands, MatchEndsRaiseTheStoredLevelAcrossRuns) {
  velkor::testing::TempFolder t;
  const std::string dir = "inidir " + t.dir() + "\n";
  SimRun r = runSimJoined(dir + "loadquib\nquib\nmatchend you\nquib\n");
  EXPECT_EQ(r.out, "quib 1 0\nquib 1 1\n");
  r = runSimJoined(dir + "loadquib\nquib\nmatchend you\nquib\nmatchend cpu\nquib\n");
  EXPECT_EQ(r.out, "quib 1 1\nquib 2 0\nquib 2 0\n");
  r = runSimJoined(dir + "level 11\nsavequib\n");
  r = runSimJoined(dir + "loadquib\nquib\nmatchend you\nmatchend you\nquib\n");
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
    const SimRun r = runSimJoined(c.script);
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
