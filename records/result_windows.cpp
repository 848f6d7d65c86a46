#include "records/result_windows.h"

#include <cstdio>

#include "controls/coordinates.h"
#include "platform/text.h"
#include "records/vs_setup.h"

namespace velkor {

namespace {

constexpr Integer kPerfectGameTurns = 1;

WindowPlace outerSize(const ScreenMetrics& screen, int clientWidth, int clientHeight) {
  WindowPlace p;
  p.width = static_cast<Single>(clientWidth) * screen.twipsPerPixelX;
  p.height = static_cast<Single>(clientHeight + kCaptionBarPx) * screen.twipsPerPixelY;
  return p;
}

std::string zeroPadded(long long n, int digits) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%0*lld", digits, n);
  return buf;
}

}  // namespace

std::string getPocketedPattern(const GameState& g) {
  std::string pattern;
  for (int k = 1; k <= 9; ++k) {
    pattern += g.balls[static_cast<std::size_t>(k)].onTable ? '0' : static_cast<char>('0' + k);
  }
  return pattern;
}

std::vector<BallSprite> drawBalls(const std::string& pattern, int printX, int printY) {
  std::vector<BallSprite> sprites;
  int x = printX + 10;
  const int y = printY + 2;
  for (char c : pattern.substr(0, 9)) {
    // Anything but a ball number is a ball still on the table.
    if (c < '1' || c > '9') continue;
    sprites.push_back({x, y, c - '0'});
    x += kPocketedBallPitch;
  }
  return sprites;
}

std::string recordCountText(Long n) { return zeroPadded(n, 5); }

std::string recordTimeText(Long seconds) {
  return zeroPadded(seconds / 60, 2) + ":" + zeroPadded(seconds % 60, 2);
}

std::vector<RecordLine> recordLines(const GameState& g) {
  std::vector<RecordLine> lines;
  lines.push_back(
      {kRecordTitleFontSize, {{0, g.balls[9].onTable ? "Now, Break Time!" : "GAME FINISHED!!"}}});
  auto figure = [&](const char* label, std::string value) {
    lines.push_back({kRecordFontSize, {{3, label}, {10, ":"}, {12, std::move(value)}}});
  };
  figure("Shots", recordCountText(g.shotCount));
  figure("Turns", recordCountText(g.turnCount));
  figure("Fouls", recordCountText(g.foulCount));
  figure("Time", recordTimeText(g.elapsedSeconds));
  lines.push_back({kRecordFontSize, {{2, "Balls in the Pocket"}}});
  return lines;
}

RecordDrawing drawRecord(const GameState& g, const MeasureFont& measure) {
  RecordDrawing d;
  int printY = 0;
  for (const RecordLine& line : recordLines(g)) {
    const FontMeasure m = measure(line.fontSize);
    int printX = 0;
    for (const TabCell& cell : line.cells) {
      if (cell.column > 0) printX = (cell.column - 1) * m.charWidth;
      d.texts.push_back({printX, printY, line.fontSize, cell.text});
    }
    printY += m.lineHeight;
  }
  d.balls = drawBalls(getPocketedPattern(g), 0, printY);
  return d;
}

WindowPlace frmRecord_Form_Load(const ScreenMetrics& screen) {
  WindowPlace p = outerSize(screen, kRecordClientWidth, kRecordClientHeight);
  p.top = static_cast<Single>(halfOfDifference(static_cast<double>(screen.height) - p.height));
  p.left = static_cast<Single>(halfOfDifference(static_cast<double>(screen.width) - p.width));
  return p;
}

WindowPlace centreOnMainWindow(const GameState& g, const ScreenMetrics& screen, int clientWidth,
                               int clientHeight) {
  WindowPlace p = outerSize(screen, clientWidth, clientHeight);
  const ControlProps& main = g.form[Ctl::MFVELKOR];
  p.left = main.left + static_cast<Single>(halfOfDifference(static_cast<double>(main.width) - p.width));
  p.top = main.top + static_cast<Single>(halfOfDifference(static_cast<double>(main.height) - p.height));
  return p;
}

InputBoxWindow frmInputBox_Form_Load(const GameState& g, const ScreenMetrics& screen) {
  InputBoxWindow w;
  w.headline = g.turnCount <= kPerfectGameTurns ? "Perfect Game !" : "Good Game !";
  w.place = centreOnMainWindow(g, screen, kInputBoxClientWidth, kInputBoxClientHeight);
  w.okLeft = (kInputBoxClientWidth - kInputBoxOkWidth) / 2;
  return w;
}

void frmInputBox_Form_Unload(GameState& g, const std::string& typed) {
  setPlayerName(g, 0, blankControlChars(typed));
}

VsResultWindow frmVsResult_Form_Load(const GameState& g, const ScreenMetrics& screen) {
  VsResultWindow w;
  w.place = centreOnMainWindow(g, screen, kVsResultClientWidth, kVsResultClientHeight);
  const std::size_t k = g.players[0].isBreaker ? 0 : 1;
  const std::string winner = trimBlanks(g.players[k].name);
  if (g.players[0].gamesWon < g.gamesToWin && g.players[1].gamesWon < g.gamesToWin) {
    w.winnerColor = kResultGreen;
    w.winner = g.balls[9].onTable ? "Now, Break Time!" : winner + " got this game.";
  } else {
    w.winnerColor = kResultMagenta;
    w.winner = winner + " defeated " + trimBlanks(g.players[1 - k].name);
  }
  for (std::size_t i = 0; i < 2; ++i) {
    w.names[i] = g.players[i].name;
    w.wins[i] = signedNumberText(g.players[i].gamesWon);
    w.colors[i] = g.players[i].gamesWon >= g.gamesToWin ? kResultMagenta : kResultGreen;
  }
  return w;
}

}  // namespace velkor
