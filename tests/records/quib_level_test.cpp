#include "records/quib_level.h"

#include <gtest/gtest.h>

#include <string>

#include "support/temp_folder.h"

namespace velkor {
namespace {

struct LevelFixture {
  LevelFixture() { g.iniDir = folder.dir(); }
  std::string scoreFile() const { return folder.file("VKSCORE.INI"); }

  testing::TempFolder folder;
  GameState g;
};

TEST(QuibLevel, FirstRunWithoutAScoreFileIsLevel1WithNoProgress) {
  LevelFixture f;
  f.g.quibLevel = 7;
  f.g.quibProgress = 1;
  loadQuibLevel(f.g);
  EXPECT_EQ(f.g.quibLevel, 1);
  EXPECT_EQ(f.g.quibProgress, 0);
}

struct StoredCase {
  const char* file;
  Integer level;
  Integer progress;
};

class StoredQuib : public ::testing::TestWithParam<StoredCase> {};

// A stored level is pulled into 1..11 and a stored progress into 0..1, whatever was written.
TEST_P(StoredQuib, ReadsIntoRange) {
  LevelFixture f;
  testing::writeBytes(f.scoreFile(), GetParam().file);
  loadQuibLevel(f.g);
  EXPECT_EQ(f.g.quibLevel, GetParam().level) << GetParam().file;
  EXPECT_EQ(f.g.quibProgress, GetParam().progress) << GetParam().file;
}

INSTANTIATE_TEST_SUITE_P(
    Files, StoredQuib,
    ::testing::Values(StoredCase{"[QUIB]\nLV= 4\nPG= 1\n", 4, 1},
                      StoredCase{"[quib]\nlv= 15\n", 11, 0},
                      StoredCase{"[QUIB]\nLV=-3\nPG= 0\n", 1, 0},
                      StoredCase{"[QUIB]\nLV= 0\n", 1, 0},
                      StoredCase{"[QUIB]\nLV=99999\nPG=99999\n", 11, 1},
                      StoredCase{"[QUIB]\nLV=-99999\nPG=-99999\n", 1, 0},
                      StoredCase{"[QUIB]\nLV=abc\nPG= 2\n", 1, 1},
                      StoredCase{"[QUIB]\nLV= 11\nPG=-1\n", 11, 0},
                      StoredCase{"[SOLO]\nLV= 5\nPG= 1\n", 1, 0}));

struct MatchesCase {
  Integer level, progress;
  const char* results;  // y: the human won, c: the computer won
  Integer endLevel, endProgress;
};

class LevelRule : public ::testing::TestWithParam<MatchesCase> {};

TEST_P(LevelRule, TwoHumanWinsInARowRaiseTheLevel) {
  const MatchesCase c = GetParam();
  GameState g;
  g.quibLevel = c.level;
  g.quibProgress = c.progress;
  for (const char* r = c.results; *r != '\0'; ++r) updateQuibLevel(g, *r == 'y');
  EXPECT_EQ(g.quibLevel, c.endLevel) << c.results;
  EXPECT_EQ(g.quibProgress, c.endProgress) << c.results;
}

INSTANTIATE_TEST_SUITE_P(
    Matches, LevelRule,
    ::testing::Values(MatchesCase{1, 0, "y", 1, 1}, MatchesCase{1, 0, "yy", 2, 0},
                      MatchesCase{3, 0, "yyyy", 5, 0}, MatchesCase{3, 0, "ycy", 3, 1},
                      MatchesCase{3, 1, "c", 3, 0}, MatchesCase{10, 1, "y", 11, 0},
                      MatchesCase{11, 0, "yy", 11, 0}, MatchesCase{11, 1, "y", 11, 0},
                      // Counters held in memory at their largest neither wrap nor stick.
                      MatchesCase{4, 32767, "y", 5, 0}, MatchesCase{32767, 0, "yy", 11, 0}));

TEST(QuibLevel, SaveWritesBothKeysAndKeepsTheRestOfTheScoreFile) {
  LevelFixture f;
  testing::writeBytes(f.scoreFile(), "[SOLO]\nName01=Ann\n[QUIB]\nLV= 2\nPG= 0\n");
  f.g.quibLevel = 3;
  f.g.quibProgress = 1;
  saveQuibLevel(f.g);
  EXPECT_EQ(testing::readBytes(f.scoreFile()), "[SOLO]\nName01=Ann\n[QUIB]\nLV= 3\nPG= 1\n");
}

TEST(QuibLevel, SaveCreatesTheFolderAndTheSection) {
  testing::TempFolder folder;
  GameState g;
  g.iniDir = folder.file("new") + "/";
  g.quibLevel = 10;
  saveQuibLevel(g);
  EXPECT_EQ(testing::readBytes(folder.file("new/VKSCORE.INI")), "[QUIB]\nLV= 10\nPG= 0\n");
}

// A win at progress 1, a restart, and another win: the stored progress makes it the second.
TEST(QuibLevel, LevelAndProgressSurviveARestart) {
  testing::TempFolder folder;
  {
    GameState g;
    g.iniDir = folder.dir();
    loadQuibLevel(g);
    updateQuibLevel(g, true);
    saveQuibLevel(g);
  }
  GameState g;
  g.iniDir = folder.dir();
  loadQuibLevel(g);
  EXPECT_EQ(g.quibLevel, 1);
  EXPECT_EQ(g.quibProgress, 1);
  updateQuibLevel(g, true);
  saveQuibLevel(g);

  GameState again;
  again.iniDir = folder.dir();
  loadQuibLevel(again);
  EXPECT_EQ(again.quibLevel, 2);
  EXPECT_EQ(again.quibProgress, 0);
}

}  // namespace
}  // namespace velkor
