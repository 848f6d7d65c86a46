#include "records/records_screen.h"

#include <cstdio>
#include <string_view>

#include "platform/text.h"

namespace velkor {

namespace {

constexpr int kRowHeight = 15;
constexpr int kTitleX = 30;
constexpr int kNumberX = 10;
constexpr int kNameX = 40;
constexpr int kThirdX = 150;  // solo shots, versus level
constexpr int kFourthX = 230;  // solo turns, versus games won
constexpr int kLossesX = 305;
constexpr int kIconsX = 300;
constexpr int kIconSpacing = 10;
constexpr int kIconDrop = 5;  // icons sit a little lower than the text of their row
constexpr int kTimeX = 400;
constexpr int kDateX = 460;
constexpr int kSoloTop = 0;
constexpr int kGapBetweenTables = 30;
constexpr int kMasterLevel = 11;

// Row i's top inside a block whose title stands at base + 2.
constexpr int rowTop(int base, int i) { return base + kRowHeight * i + 10; }
static_assert(rowTop(kSoloTop, 1) == kScoreFirstRowTop);

std::string counted(int n, const char* one, const char* many) { return n == 1 ? one : many; }

struct RowWriter {
  ScoreDrawing& d;
  int y;
  std::uint32_t color;
  void text(int x, std::string s) {
    d.texts.push_back({std::move(s), x, y, color, kScoreFontName, true, kScoreRowPoints});
  }
};

std::uint32_t rowColor(Integer index) { return index == 11 ? kScoreMagenta : kScoreGreen; }

void title(ScoreDrawing& d, int base, const char* text) {
  d.texts.push_back({text, kTitleX, base + 2, kScoreGreen, kScoreFontName, true, kScoreTitlePoints});
}

}  // namespace

std::string twoCharForm(int n) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%2d", n);
  return buf;
}

std::string minutesAndSeconds(int seconds) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d:%02d", seconds / 60, seconds % 60);
  return buf;
}

ScoreDrawing scoreDrawing(const GameState& g) {
  ScoreDrawing d;
  title(d, kSoloTop, "Best Players of Solo Game");
  for (int i = 1; i <= 10; ++i) {
    const SoloRecord& r = g.soloRec[static_cast<std::size_t>(i)];
    const int y = rowTop(kSoloTop, i);
    RowWriter row{d, y, rowColor(r.Index)};
    row.text(kNumberX, twoCharForm(i));
    row.text(kNameX, r.Name);
    row.text(kThirdX, std::to_string(r.Shots) + counted(r.Shots, " Shot", " Shots"));
    row.text(kFourthX, std::to_string(r.Turn) + counted(r.Turn, " Turn", " Turns"));
    // Pocketed balls stand side by side in ball-number order, without gaps.
    // Characters, not bytes, as the fixed-width field counts them; a blank is not "0".
    int x = kIconsX;
    std::string_view balls = r.Balls;
    for (int k = 1; k <= 9; ++k) {
      const std::string c = leftChars(balls, 1);
      balls.remove_prefix(c.size());
      if (c == "0") continue;
      d.icons.push_back({scoreBallIconCell(k), {x, y + kIconDrop}});
      x += kIconSpacing;
    }
    row.text(kTimeX, minutesAndSeconds(r.Time));
    row.text(kDateX, r.Date);
  }

  const int base = rowTop(kSoloTop, 10) + kGapBetweenTables;
  title(d, base, "Best Players of VS.CPU");
  for (int i = 1; i <= 10; ++i) {
    const VsCpuRecord& r = g.vsRec[static_cast<std::size_t>(i)];
    RowWriter row{d, rowTop(base, i), rowColor(r.Index)};
    row.text(kNumberX, twoCharForm(i));
    row.text(kNameX, r.Name);
    row.text(kThirdX, r.Level >= kMasterLevel ? "Master!" : "Level " + twoCharForm(r.Level));
    row.text(kFourthX, twoCharForm(r.YouWon) + counted(r.YouWon, " Win", " Wins"));
    row.text(kLossesX, twoCharForm(r.CPUWon) + counted(r.CPUWon, " Loss", " Losses"));
    row.text(kTimeX, minutesAndSeconds(r.Time));
    row.text(kDateX, r.Date);
  }
  return d;
}

}  // namespace velkor
