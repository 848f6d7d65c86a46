// The solo result window's lines and balls, the name entry and the versus result window.
#include "records/result_windows.h"

#include <gtest/gtest.h>

#include "engine/game_modes.h"
#include "records/vs_setup.h"
#include "support/control_char_names.h"

namespace velkor {
namespace {

std::string cell(const RecordLine& line, std::size_t i) { return line.cells.at(i).text; }

TEST(RecordWindow, FiguresAreZeroPaddedAndTheMinutesAreNotCut) {
  struct Case {
    Long seconds;
    const char* text;
  };
  for (const Case& c : {Case{0, "00:00"}, Case{59, "00:59"}, Case{3725, "62:05"},
                        Case{6005, "100:05"}}) {
    EXPECT_EQ(recordTimeText(c.seconds), c.text) << c.seconds;
  }
  EXPECT_EQ(recordCountText(7), "00007");
  EXPECT_EQ(recordCountText(123456), "123456");
}

TEST(RecordWindow, LinesStandAtTheirTabColumnsBelowTheTitle) {
  GameState g;
  g.shotCount = 7;
  g.turnCount = 3;
  g.foulCount = 1;
  g.elapsedSeconds = 3725;
  g.balls[9].onTable = false;
  const std::vector<RecordLine> lines = recordLines(g);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(cell(lines[0], 0), "GAME FINISHED!!");
  EXPECT_EQ(lines[0].fontSize, 20);
  const char* labels[] = {"Shots", "Turns", "Fouls", "Time"};
  const char* values[] = {"00007", "00003", "00001", "62:05"};
  for (std::size_t i = 0; i < 4; ++i) {
    const RecordLine& l = lines[i + 1];
    EXPECT_EQ(l.fontSize, 18);
    ASSERT_EQ(l.cells.size(), 3u);
    EXPECT_EQ(l.cells[0].column, 3);
    EXPECT_EQ(cell(l, 0), labels[i]);
    EXPECT_EQ(l.cells[1].column, 10);
    EXPECT_EQ(cell(l, 1), ":");
    EXPECT_EQ(l.cells[2].column, 12);
    EXPECT_EQ(cell(l, 2), values[i]);
  }
  EXPECT_EQ(lines[5].cells.at(0).column, 2);
  EXPECT_EQ(cell(lines[5], 0), "Balls in the Pocket");
}

TEST(RecordWindow, FromTheMenuMidGameItIsBreakTimeWithTheBallsSoFar) {
  GameState g;
  for (int k : {1, 4}) g.balls[static_cast<std::size_t>(k)].onTable = false;
  EXPECT_EQ(getPocketedPattern(g), "100400000");
  EXPECT_EQ(recordLines(g).at(0).cells.at(0).text, "Now, Break Time!");
}

TEST(RecordWindow, DrawingFollowsThePrintPositionAndTheBallsFollowTheLastLine) {
  GameState g;
  for (int k : {1, 4, 9}) g.balls[static_cast<std::size_t>(k)].onTable = false;
  const RecordDrawing d = drawRecord(g, [](Single size) {
    return size == 20 ? FontMeasure{30, 11} : FontMeasure{27, 10};
  });
  ASSERT_EQ(d.texts.size(), 1u + 4 * 3 + 1);
  EXPECT_EQ(d.texts[0].x, 0);
  EXPECT_EQ(d.texts[0].y, 0);
  // "Shots" at column 3, ":" at 10, the value at 12: (column - 1) character widths.
  EXPECT_EQ(d.texts[1].x, 20);
  EXPECT_EQ(d.texts[1].y, 30);
  EXPECT_EQ(d.texts[2].x, 90);
  EXPECT_EQ(d.texts[3].x, 110);
  EXPECT_EQ(d.texts[4].y, 57);
  EXPECT_EQ(d.texts[13].text, "Balls in the Pocket");
  EXPECT_EQ(d.texts[13].x, 10);
  EXPECT_EQ(d.texts[13].y, 30 + 4 * 27);
  const int rowY = 30 + 5 * 27 + 2;
  EXPECT_EQ(d.balls, (std::vector<BallSprite>{{10, rowY, 1}, {32, rowY, 4}, {54, rowY, 9}}));
}

TEST(RecordWindow, NoBallPocketedLeavesTheRowEmpty) {
  EXPECT_TRUE(drawBalls("000000000", 0, 100).empty());
  EXPECT_EQ(drawBalls("123456789", 5, 7).size(), 9u);
  EXPECT_EQ(drawBalls("123456789", 5, 7).back(), (BallSprite{15 + 8 * 22, 9, 9}));
}

TEST(RecordWindow, IsCentredOnTheScreenWithTheRemainderDropped) {
  ScreenMetrics screen;
  screen.width = 1024 * 15 + 15;  // an odd free width
  screen.height = 768 * 15;
  const WindowPlace p = frmRecord_Form_Load(screen);
  EXPECT_EQ(p.width, kRecordClientWidth * 15);
  EXPECT_EQ(p.height, (kRecordClientHeight + kCaptionBarPx) * 15);
  EXPECT_EQ(p.left, static_cast<Single>((1024 * 15 + 15 - kRecordClientWidth * 15) / 2));
  EXPECT_EQ(p.top, static_cast<Single>((768 * 15 - (kRecordClientHeight + kCaptionBarPx) * 15) / 2));
}

TEST(InputBox, HeadlineIsPerfectAfterABreakAndRun) {
  GameState g;
  for (auto [turns, text] : {std::pair<Integer, const char*>{0, "Perfect Game !"},
                             {1, "Perfect Game !"},
                             {2, "Good Game !"},
                             {10, "Good Game !"}}) {
    g.turnCount = turns;
    EXPECT_EQ(frmInputBox_Form_Load(g, ScreenMetrics{}).headline, text) << turns;
  }
}

TEST(InputBox, IsCentredOnTheMainWindow) {
  GameState g;
  g.form.move(Ctl::MFVELKOR, 3000, 1500);
  g.form.setWidth(Ctl::MFVELKOR, 8265);
  g.form.setHeight(Ctl::MFVELKOR, 7000);
  const InputBoxWindow w = frmInputBox_Form_Load(g, ScreenMetrics{});
  EXPECT_EQ(w.place.left, 3000 + (8265 - kInputBoxClientWidth * 15) / 2);
  EXPECT_EQ(w.place.top, 1500 + (7000 - (kInputBoxClientHeight + kCaptionBarPx) * 15) / 2);
  EXPECT_EQ(w.okLeft, (kInputBoxClientWidth - kInputBoxOkWidth) / 2);
}

TEST(InputBox, NameIsCutOrPaddedToTwelve) {
  GameState g;
  struct Case {
    const char* typed;
    const char* stored;
  };
  for (const Case& c : {Case{"", "            "}, Case{"Ann", "Ann         "},
                        Case{"  Ann", "  Ann       "}, Case{"Maximilianusz!", "Maximilianus"},
                        Case{"ぴったり十二文字の名前です", "ぴったり十二文字の名前で"}}) {
    frmInputBox_Form_Unload(g, c.typed);
    EXPECT_EQ(g.players[0].name, c.stored) << c.typed;
  }
  EXPECT_EQ(g.players[1].name, std::string(12, ' '));
}

class InputBoxName : public ::testing::TestWithParam<testing::TypedName> {};

TEST_P(InputBoxName, ControlCharactersAreStoredAsBlanks) {
  GameState g;
  frmInputBox_Form_Unload(g, GetParam().typed);
  EXPECT_EQ(g.players[0].name, GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Typed, InputBoxName, ::testing::ValuesIn(testing::kControlCharNames));

struct VsResult : ::testing::Test {
  VsResult() {
    setPlayerName(g, 0, "You");
    setPlayerName(g, 1, "quib");
    g.gamesToWin = 3;
  }
  void won(int k, Integer w0, Integer w1) {
    g.players[0].isBreaker = k == 0;
    g.players[1].isBreaker = k == 1;
    g.players[0].gamesWon = w0;
    g.players[1].gamesWon = w1;
    g.balls[9].onTable = false;
  }
  GameState g;
};

TEST_F(VsResult, AGameWonWhileTheMatchGoesOnIsGreen) {
  won(1, 0, 1);
  const VsResultWindow w = frmVsResult_Form_Load(g, ScreenMetrics{});
  EXPECT_EQ(w.winner, "quib got this game.");
  EXPECT_EQ(w.winnerColor, kResultGreen);
  EXPECT_EQ(w.names[0], "You         ");
  EXPECT_EQ(w.wins[0], " 0");
  EXPECT_EQ(w.wins[1], " 1");
  EXPECT_EQ(w.colors[0], kResultGreen);
  EXPECT_EQ(w.colors[1], kResultGreen);
}

TEST_F(VsResult, TheDecidingGameIsMagentaForTheWinner) {
  won(0, 3, 2);
  const VsResultWindow w = frmVsResult_Form_Load(g, ScreenMetrics{});
  EXPECT_EQ(w.winner, "You defeated quib");
  EXPECT_EQ(w.winnerColor, kResultMagenta);
  EXPECT_EQ(w.colors[0], kResultMagenta);
  EXPECT_EQ(w.colors[1], kResultGreen);
}

TEST_F(VsResult, AMatchToOneIsDecidedByItsFirstGame) {
  g.gamesToWin = 1;
  won(1, 0, 1);
  const VsResultWindow w = frmVsResult_Form_Load(g, ScreenMetrics{});
  EXPECT_EQ(w.winner, "quib defeated You");
  EXPECT_EQ(w.colors[1], kResultMagenta);
}

TEST_F(VsResult, FromTheMenuMidGameItIsBreakTime) {
  won(0, 1, 1);
  g.balls[9].onTable = true;
  const VsResultWindow w = frmVsResult_Form_Load(g, ScreenMetrics{});
  EXPECT_EQ(w.winner, "Now, Break Time!");
  EXPECT_EQ(w.winnerColor, kResultGreen);
  EXPECT_EQ(w.wins[1], " 1");
}

}  // namespace
}  // namespace velkor
