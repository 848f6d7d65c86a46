#include "records/ranking.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "engine/rack.h"
#include "engine/table_model.h"
#include "screen/logic/timer_handlers.h"
#include "platform/text.h"
#include "records/record_tables.h"
#include "support/temp_folder.h"

namespace velkor {
namespace {

// A run whose tables hold the defaults of a first start, with today fixed.
class RankingTest : public ::testing::Test {
 protected:
  RankingTest() {
    g.iniDir = folder.dir();
    loadSoloRecord(g);
    loadVsCpuRecord(g);
    g.todayOverride = "26/12/10";
    g.players[0].name = fixedText("Ann", 12);
    g.players[1].name = fixedText("quib", 12);
  }

  // Player 0 ends a solo game with these counts; `off` lists the balls off the table.
  void soloGame(int shots, int turns, Long seconds, std::initializer_list<int> off) {
    for (BallRecord& b : g.balls) b.onTable = true;
    for (int k : off) g.balls[static_cast<std::size_t>(k)].onTable = false;
    g.shotCount = static_cast<Integer>(shots);
    g.turnCount = static_cast<Integer>(turns);
    g.elapsedSeconds = seconds;
  }
  void match(int youWon, int cpuWon, Long seconds, int level) {
    g.players[0].gamesWon = static_cast<Integer>(youWon);
    g.players[1].gamesWon = static_cast<Integer>(cpuWon);
    g.elapsedSeconds = seconds;
    g.quibLevel = static_cast<Integer>(level);
  }
  void setSoloRow(std::size_t i, int shots, int turns, int time, const std::string& balls) {
    SoloRecord& r = g.soloRec[i];
    r.Shots = static_cast<Integer>(shots);
    r.Turn = static_cast<Integer>(turns);
    r.Time = static_cast<Integer>(time);
    r.Balls = balls;
    r.NumBalls = getNumOfBallFromBalls(balls);
  }
  std::string vsTable() const {
    std::ostringstream s;
    for (std::size_t i = 1; i <= 11; ++i) {
      const VsCpuRecord& r = g.vsRec[i];
      s << i << " [" << r.Name << "] " << r.YouWon << ' ' << r.CPUWon << " [" << r.Date << "] "
        << r.Time << ' ' << r.Level << ' ' << r.Index << "\n";
    }
    return s.str();
  }

  testing::TempFolder folder;
  GameState g;
};

TEST_F(RankingTest, SoloCandidateIsBuiltFromTheGameInRowEleven) {
  soloGame(14, 6, 95, {1, 2, 9});
  EXPECT_TRUE(doseLankInSolo(g));
  const SoloRecord& r = g.soloRec[11];
  EXPECT_EQ(r.Name, fixedText("Ann", 20));
  EXPECT_EQ(r.Shots, 14);
  EXPECT_EQ(r.Turn, 6);
  EXPECT_EQ(r.Time, 95);
  EXPECT_EQ(r.Balls, "120000009");
  EXPECT_EQ(r.NumBalls, 3);
  EXPECT_EQ(r.Date, "26/12/10");
}

TEST_F(RankingTest, VsCandidateCarriesTheLevelAndBothScores) {
  match(3, 2, 400, 7);
  EXPECT_TRUE(doseLankInVSCpu(g));
  const VsCpuRecord& r = g.vsRec[11];
  EXPECT_EQ(r.Name, fixedText("Ann", 20));
  EXPECT_EQ(r.YouWon, 3);
  EXPECT_EQ(r.CPUWon, 2);
  EXPECT_EQ(r.Time, 400);
  EXPECT_EQ(r.Level, 7);
  EXPECT_EQ(r.Date, "26/12/10");
}

TEST_F(RankingTest, ClockPastTheSixteenBitRangeIsStoredAsItsLargestValue) {
  soloGame(3, 2, 40000, {9});
  doseLankInSolo(g);
  EXPECT_EQ(g.soloRec[11].Time, 32767);
  match(1, 0, 100000, 1);
  doseLankInVSCpu(g);
  EXPECT_EQ(g.vsRec[11].Time, 32767);
}

TEST_F(RankingTest, TodayComesFromTheSystemClockUnlessOverridden) {
  g.todayOverride.clear();
  EXPECT_THAT(todayText(g), ::testing::MatchesRegex("[0-9][0-9]/[0-9][0-9]/[0-9][0-9]"));
  g.todayOverride = "01/02/03";
  EXPECT_EQ(todayText(g), "01/02/03");
}

TEST_F(RankingTest, DefaultTableTakesEverySoloGameOfTenTurnsOrFewer) {
  for (int turns = 1; turns <= 10; ++turns) {
    soloGame(1, turns, 3600, {});
    EXPECT_TRUE(doseLankInSolo(g)) << turns << " turns";
  }
  soloGame(30, 11, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9});
  EXPECT_FALSE(doseLankInSolo(g)) << "more turns than the default rows";
}

TEST_F(RankingTest, DefaultTableTakesEveryWonMatch) {
  for (int level = 1; level <= 11; ++level) {
    match(1, 0, 32767, level);
    EXPECT_TRUE(doseLankInVSCpu(g)) << "level " << level;
  }
}

TEST_F(RankingTest, CandidateEqualToRowTenDoesNotEnter) {
  setSoloRow(10, 12, 5, 95, "123456789");
  soloGame(12, 5, 95, {1, 2, 3, 4, 5, 6, 7, 8, 9});
  EXPECT_FALSE(doseLankInSolo(g));

  g.vsRec[10].Level = 4;
  g.vsRec[10].YouWon = 3;
  g.vsRec[10].CPUWon = 1;
  g.vsRec[10].Time = 200;
  match(3, 1, 200, 4);
  EXPECT_FALSE(doseLankInVSCpu(g));
}

// Row 10 against a candidate that differs in one field of the solo order.
struct SoloOrderCase {
  const char* what;
  int rowShots, rowTurns, rowTime;
  const char* rowBalls;
  int shots, turns, time;
  std::initializer_list<int> off;
  bool enters;
};

TEST_F(RankingTest, SoloOrderIsTurnsThenShotsThenBallsThenTime) {
  const SoloOrderCase cases[] = {
      {"fewer turns win over shots", 30, 5, 10, "123456789", 2, 4, 900, {9}, true},
      {"more shots at equal turns", 9, 5, 95, "123456789", 12, 5, 95, {1, 2, 3, 4, 5, 6, 7, 8, 9}, true},
      {"fewer shots at equal turns", 12, 5, 95, "000000009", 9, 5, 10, {1, 2, 3, 4, 5, 6, 7, 8, 9}, false},
      {"nine balls over eight", 12, 5, 95, "123456709", 12, 5, 95, {1, 2, 3, 4, 5, 6, 7, 8, 9}, true},
      {"eight balls under nine", 12, 5, 10, "123456789", 12, 5, 95, {1, 2, 3, 4, 5, 6, 7, 9}, false},
      {"95 s over 120 s", 12, 5, 120, "123456789", 12, 5, 95, {1, 2, 3, 4, 5, 6, 7, 8, 9}, true},
      {"120 s under 95 s", 12, 5, 95, "123456789", 12, 5, 120, {1, 2, 3, 4, 5, 6, 7, 8, 9}, false},
  };
  for (const SoloOrderCase& c : cases) {
    setSoloRow(10, c.rowShots, c.rowTurns, c.rowTime, c.rowBalls);
    soloGame(c.shots, c.turns, c.time, c.off);
    EXPECT_EQ(doseLankInSolo(g), c.enters) << c.what;
  }
}

struct VsOrderCase {
  const char* what;
  int rowLevel, rowWon, rowLost, rowTime;
  int level, won, lost, time;
  bool enters;
};

TEST_F(RankingTest, VsOrderIsLevelThenWinsThenLossesThenTime) {
  const VsOrderCase cases[] = {
      {"level 5 over any level 4", 4, 15, 0, 1, 5, 1, 0, 3000, true},
      {"level 4 under level 5", 5, 1, 0, 3000, 4, 15, 0, 1, false},
      {"more wins", 5, 2, 0, 10, 5, 3, 2, 900, true},
      {"fewer losses", 5, 3, 2, 10, 5, 3, 1, 900, true},
      {"more losses", 5, 3, 1, 900, 5, 3, 2, 10, false},
      {"less time", 5, 3, 1, 120, 5, 3, 1, 95, true},
      {"more time", 5, 3, 1, 95, 5, 3, 1, 120, false},
  };
  for (const VsOrderCase& c : cases) {
    VsCpuRecord& r = g.vsRec[10];
    r.Level = static_cast<Integer>(c.rowLevel);
    r.YouWon = static_cast<Integer>(c.rowWon);
    r.CPUWon = static_cast<Integer>(c.rowLost);
    r.Time = static_cast<Integer>(c.rowTime);
    match(c.won, c.lost, c.time, c.level);
    EXPECT_EQ(doseLankInVSCpu(g), c.enters) << c.what;
  }
}

TEST_F(RankingTest, LostOrDrawnMatchLeavesTheVersusTableWhole) {
  match(5, 0, 100, 3);
  doseLankInVSCpu(g);  // a stale candidate in row 11
  const std::string before = vsTable();
  for (auto [won, lost] : {std::pair{1, 3}, std::pair{2, 2}, std::pair{0, 0}}) {
    match(won, lost, 50, 11);
    EXPECT_FALSE(doseLankInVSCpu(g));
    EXPECT_EQ(vsTable(), before) << won << ":" << lost;
  }
}

TEST_F(RankingTest, CandidateBetterThanRowOneEndsFirstWithTheNewEntryMark) {
  for (std::size_t i = 1; i <= 10; ++i) {
    setSoloRow(i, 10, static_cast<int>(i) + 1, 100, "000000009");
    g.soloRec[i].Name = fixedText("row" + std::to_string(i), 20);
  }
  soloGame(9, 1, 60, {9});
  ASSERT_TRUE(doseLankInSolo(g));
  sortSoloRecord(g);
  EXPECT_EQ(g.soloRec[1].Name, fixedText("Ann", 20));
  EXPECT_EQ(g.soloRec[1].Index, 11);
  for (std::size_t i = 2; i <= 10; ++i) {
    EXPECT_EQ(g.soloRec[i].Name, fixedText("row" + std::to_string(i - 1), 20));
    EXPECT_EQ(g.soloRec[i].Index, static_cast<Integer>(i - 1)) << "the row it held before";
  }
  EXPECT_EQ(g.soloRec[11].Name, fixedText("row10", 20)) << "the one that drops out";
}

TEST_F(RankingTest, CandidateEqualToARowStaysBehindIt) {
  setSoloRow(4, 20, 3, 100, "123456789");
  g.soloRec[4].Name = fixedText("Bob", 20);
  soloGame(20, 3, 100, {1, 2, 3, 4, 5, 6, 7, 8, 9});
  ASSERT_TRUE(doseLankInSolo(g));
  sortSoloRecord(g);
  EXPECT_EQ(g.soloRec[1].Name, fixedText("Bob", 20));
  EXPECT_EQ(g.soloRec[2].Name, fixedText("Ann", 20));
  EXPECT_EQ(g.soloRec[2].Index, 11);
}

TEST_F(RankingTest, SortBuildsTheCandidateAgainWithTheNameEnteredMeanwhile) {
  soloGame(8, 4, 200, {9});
  ASSERT_TRUE(doseLankInSolo(g));
  g.players[0].name = fixedText("Carla", 12);
  sortSoloRecord(g);
  EXPECT_EQ(g.soloRec[1].Name, fixedText("Carla", 20));
  EXPECT_EQ(g.soloRec[1].Index, 11);
}

TEST_F(RankingTest, SortingOneTableClearsTheOtherTablesNewEntryMark) {
  match(3, 0, 100, 2);
  ASSERT_TRUE(doseLankInVSCpu(g));
  sortVsCPURecord(g);
  ASSERT_EQ(g.vsRec[1].Index, 11);

  soloGame(5, 3, 100, {9});
  ASSERT_TRUE(doseLankInSolo(g));
  sortSoloRecord(g);
  EXPECT_EQ(g.soloRec[1].Index, 11);
  for (std::size_t i = 1; i <= 10; ++i) EXPECT_EQ(g.vsRec[i].Index, static_cast<Integer>(i));

  match(3, 1, 100, 2);
  ASSERT_TRUE(doseLankInVSCpu(g));
  sortVsCPURecord(g);
  EXPECT_EQ(g.vsRec[2].Index, 11) << "behind the better match of the same level";
  for (std::size_t i = 1; i <= 10; ++i) EXPECT_EQ(g.soloRec[i].Index, static_cast<Integer>(i));
}

TEST_F(RankingTest, ExactlyOneRowCarriesTheMarkAfterEverySort) {
  for (int game = 1; game <= 25; ++game) {
    soloGame(game % 7 + 1, game % 10 + 1, 30 * game, {9});
    if (!doseLankInSolo(g)) continue;
    sortSoloRecord(g);
    int marked = 0;
    for (std::size_t i = 1; i <= 10; ++i) marked += g.soloRec[i].Index == 11;
    EXPECT_EQ(marked, 1) << "game " << game;
    for (std::size_t i = 1; i < 10; ++i) {
      EXPECT_FALSE(isBetterSolo(g.soloRec[i + 1], g.soloRec[i])) << "rows " << i << ", " << i + 1;
    }
  }
}

TEST_F(RankingTest, MatchThatRaisesTheComputersLevelIsRecordedWithTheRaisedLevel) {
  bindTimerHandlers(g);
  initPocketTable(g);
  g.gameMode = modeVersus;
  g.vsComputer = true;
  g.gamesToWin = 1;
  g.players[0].isBreaker = true;
  g.quibLevel = 4;
  g.quibProgress = 1;  // one more lost match raises the level
  startRack(g);
  // Player 0's legal shot drops the 9-ball.
  g.breakPending = false;
  g.turnCount = 0;
  g.elapsedSeconds = 321;
  g.balls[9].onTable = false;
  g.shotPocketed[0] = 9;
  g.shotPocketedCount = 1;
  g.firstHit = g.targetBall = 1;
  g.Timer1.setEnabled(true);
  g.Timer1.fire();

  EXPECT_EQ(g.quibLevel, 5);
  EXPECT_EQ(g.vsRec[1].Level, 5);
  EXPECT_EQ(g.vsRec[1].YouWon, 1);
  EXPECT_EQ(g.vsRec[1].Time, 321);
  EXPECT_EQ(g.vsRec[1].Index, 11);
  EXPECT_TRUE(g.form[Ctl::picScore].visible);
  EXPECT_NE(testing::readBytes(folder.file("VKSCORE.INI")).find("LevelOfQuib01= 5"),
            std::string::npos);
}

}  // namespace
}  // namespace velkor
