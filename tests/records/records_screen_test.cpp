#include "records/records_screen.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/text.h"
#include "records/ranking.h"
#include "records/record_tables.h"
#include "screen/logic/menu_handlers.h"
#include "screen/logic/table_drawing.h"
#include "support/temp_folder.h"

namespace velkor {
namespace {

// The tables of a first start.
class RecordsScreenTest : public ::testing::Test {
 protected:
  RecordsScreenTest() {
    g.iniDir = folder.dir();
    loadSoloRecord(g);
    loadVsCpuRecord(g);
  }

  // The text written at (x, y); fails the test when there is none.
  ScoreText at(const ScoreDrawing& d, int x, int y) {
    for (const ScoreText& t : d.texts) {
      if (t.x == x && t.y == y) return t;
    }
    ADD_FAILURE() << "no text at (" << x << ", " << y << ")";
    return {};
  }
  std::string textAt(int x, int y) { return at(scoreDrawing(g), x, y).text; }
  static int soloY(int i) { return 15 * i + 10; }
  static int vsY(int i) { return 190 + 15 * i + 10; }

  testing::TempFolder folder;
  GameState g;
};

TEST_F(RecordsScreenTest, DefaultTablesShowQuibRowsInGreen) {
  const ScoreDrawing d = scoreDrawing(g);
  EXPECT_TRUE(d.icons.empty());
  ASSERT_EQ(d.texts.size(), 2u + 10 * 6 + 10 * 7);
  const std::string quib = fixedText("quib", 20);
  for (int i = 1; i <= 10; ++i) {
    const int y = soloY(i);
    EXPECT_EQ(at(d, 10, y).text, i < 10 ? " " + std::to_string(i) : "10");
    EXPECT_EQ(at(d, 40, y).text, quib);
    EXPECT_EQ(at(d, 150, y).text, "0 Shots");
    EXPECT_EQ(at(d, 230, y).text, "10 Turns");
    EXPECT_EQ(at(d, 400, y).text, "60:00");
    EXPECT_EQ(at(d, 460, y).text, "98/01/01");
    const int v = vsY(i);
    EXPECT_EQ(at(d, 10, v).text, twoCharForm(i));
    EXPECT_EQ(at(d, 40, v).text, quib);
    EXPECT_EQ(at(d, 150, v).text, "Level  0");
    EXPECT_EQ(at(d, 230, v).text, " 0 Wins");
    EXPECT_EQ(at(d, 305, v).text, " 0 Losses");
    EXPECT_EQ(at(d, 400, v).text, "60:00");
    EXPECT_EQ(at(d, 460, v).text, "98/01/01");
  }
  for (const ScoreText& t : d.texts) {
    EXPECT_EQ(t.color, kScoreGreen) << t.text;
    EXPECT_EQ(t.fontName, "Arial");
    EXPECT_TRUE(t.bold);
  }
}

TEST_F(RecordsScreenTest, TitlesAreFourteenPointsAndRowsTwelve) {
  const ScoreDrawing d = scoreDrawing(g);
  const ScoreText solo = at(d, 30, 2);
  const ScoreText vs = at(d, 30, 192);
  EXPECT_EQ(solo.text, "Best Players of Solo Game");
  EXPECT_EQ(vs.text, "Best Players of VS.CPU");
  EXPECT_EQ(solo.points, 14);
  EXPECT_EQ(vs.points, 14);
  EXPECT_EQ(at(d, 40, soloY(1)).points, 12);
  EXPECT_EQ(at(d, 460, vsY(10)).points, 12);
  EXPECT_EQ(vsY(10), 350);
}

TEST_F(RecordsScreenTest, WordsAreSingularAtOne) {
  g.soloRec[3].Shots = 1;
  g.soloRec[3].Turn = 1;
  g.vsRec[4].YouWon = 1;
  g.vsRec[4].CPUWon = 1;
  g.vsRec[5].YouWon = 12;
  g.vsRec[5].CPUWon = 2;
  EXPECT_EQ(textAt(150, soloY(3)), "1 Shot");
  EXPECT_EQ(textAt(230, soloY(3)), "1 Turn");
  EXPECT_EQ(textAt(230, vsY(4)), " 1 Win");
  EXPECT_EQ(textAt(305, vsY(4)), " 1 Loss");
  EXPECT_EQ(textAt(230, vsY(5)), "12 Wins");
  EXPECT_EQ(textAt(305, vsY(5)), " 2 Losses");
}

TEST_F(RecordsScreenTest, LevelShowsInTwoCharactersOrAsMaster) {
  const std::pair<Integer, const char*> cases[] = {
      {1, "Level  1"}, {5, "Level  5"}, {10, "Level 10"}, {11, "Master!"}, {12, "Master!"}};
  for (auto [level, text] : cases) {
    g.vsRec[2].Level = level;
    EXPECT_EQ(textAt(150, vsY(2)), text) << level;
  }
}

TEST_F(RecordsScreenTest, TimeShowsMinutesAndSecondsWithoutCuttingMinutes) {
  const std::pair<Integer, const char*> cases[] = {
      {0, "00:00"}, {95, "01:35"}, {3600, "60:00"}, {6000, "100:00"}, {32767, "546:07"}};
  for (auto [seconds, text] : cases) {
    g.soloRec[1].Time = seconds;
    g.vsRec[1].Time = seconds;
    EXPECT_EQ(textAt(400, soloY(1)), text);
    EXPECT_EQ(textAt(400, vsY(1)), text);
  }
}

TEST_F(RecordsScreenTest, PocketedBallIconsStandSideBySideFromX300) {
  g.soloRec[2].Balls = "120000009";
  g.soloRec[5].Balls = "000400000";
  const ScoreDrawing d = scoreDrawing(g);
  ASSERT_EQ(d.icons.size(), 4u);
  const int y2 = soloY(2) + 5;
  EXPECT_EQ(d.icons[0].at, (PixelPoint{300, y2}));
  EXPECT_EQ(d.icons[1].at, (PixelPoint{310, y2}));
  EXPECT_EQ(d.icons[2].at, (PixelPoint{320, y2}));
  EXPECT_EQ(d.icons[0].source, (PixelRect{10, 350, 10, 10}));
  EXPECT_EQ(d.icons[1].source, (PixelRect{20, 350, 10, 10}));
  EXPECT_EQ(d.icons[2].source, (PixelRect{90, 350, 10, 10}));
  EXPECT_EQ(d.icons[3].at, (PixelPoint{300, soloY(5) + 5}));
  EXPECT_EQ(d.icons[3].source, scoreBallIconCell(4));
}

TEST_F(RecordsScreenTest, NewSoloEntryInRowTenIsMagentaAndTheVersusTitleStaysGreen) {
  for (std::size_t i = 1; i <= 9; ++i) g.soloRec[i].Turn = 2;
  g.todayOverride = "26/12/10";
  g.players[0].name = fixedText("Ann", 12);
  g.shotCount = 3;
  g.turnCount = 9;
  g.elapsedSeconds = 95;
  g.balls[9].onTable = false;
  ASSERT_TRUE(doseLankInSolo(g));
  sortSoloRecord(g);
  const ScoreDrawing d = scoreDrawing(g);
  for (const ScoreText& t : d.texts) {
    const bool newRow = t.y == soloY(10);
    EXPECT_EQ(t.color, newRow ? kScoreMagenta : kScoreGreen) << t.text << " at y " << t.y;
  }
  EXPECT_EQ(at(d, 40, soloY(10)).text, fixedText("Ann", 20));
  EXPECT_EQ(at(d, 460, soloY(10)).text, "26/12/10");
  EXPECT_EQ(at(d, 30, 192).color, kScoreGreen);

  picRecord_Click(g, 0);  // the title screen's way in marks nothing
  for (const ScoreText& t : scoreDrawing(g).texts) EXPECT_EQ(t.color, kScoreGreen) << t.text;
}

TEST_F(RecordsScreenTest, NewVersusEntryIsMagenta) {
  g.players[0].gamesWon = 3;
  g.players[1].gamesWon = 1;
  g.quibLevel = 2;
  ASSERT_TRUE(doseLankInVSCpu(g));
  sortVsCPURecord(g);
  for (const ScoreText& t : scoreDrawing(g).texts) {
    EXPECT_EQ(t.color, t.y == vsY(1) ? kScoreMagenta : kScoreGreen) << t.text;
  }
}

// The title's real width is measured where fonts exist (the widget test); here the label
// must at least keep clear of every row.
TEST_F(RecordsScreenTest, MenuLabelStandsAboveTheFirstRow) {
  const ControlProps& label = g.form[Ctl::lblExitScore];
  EXPECT_LE(label.top + label.height, kScoreFirstRowTop);
  EXPECT_LE(label.left + label.width, g.form[Ctl::picScore].width);
  for (const ScoreText& t : scoreDrawing(g).texts) {
    if (t.y < kScoreFirstRowTop) {
      EXPECT_EQ(t.text, "Best Players of Solo Game");
    }
  }
}

}  // namespace
}  // namespace velkor
