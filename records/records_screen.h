// What the records screen picScore shows: both top-10 tables as texts and ball icons with
// their places, colours and fonts, recomputed at every paint. The screen layer only paints
// this list; it decides nothing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "controls/coordinates.h"
#include "state/form.h"
#include "state/game_state.h"

namespace velkor {

constexpr std::uint32_t kScoreGreen = rgb(0, 255, 0);
constexpr std::uint32_t kScoreMagenta = rgb(255, 0, 255);
inline const char* const kScoreFontName = "Arial";
constexpr int kScoreTitlePoints = 14;
constexpr int kScoreRowPoints = 12;

// One line of text; (x, y) is the top left corner of its text cell in picScore's pixels.
struct ScoreText {
  std::string text;
  int x = 0;
  int y = 0;
  std::uint32_t color = kScoreGreen;
  std::string fontName = kScoreFontName;
  bool bold = true;
  int points = kScoreRowPoints;
};

// Cell of ball k's (1..9) 10 x 10 icon in the table sheet.
constexpr PixelRect scoreBallIconCell(int k) { return {10 * k, 350, 10, 10}; }

// A 10 x 10 ball icon copied unchanged from the table sheet.
struct ScoreIcon {
  PixelRect source;  // cell of the table sheet
  PixelPoint at;     // top left corner in picScore
};

struct ScoreDrawing {
  std::vector<ScoreText> texts;  // in drawing order
  std::vector<ScoreIcon> icons;
};

// Both tables as the screen shows them now: rows whose Index is 11 in magenta.
ScoreDrawing scoreDrawing(const GameState& g);

// A number right-aligned in two characters (" 5", "10"); longer numbers whole.
std::string twoCharForm(int n);
// Seconds as minutes and seconds, each at least two digits: 95 -> "01:35", 6000 -> "100:00".
std::string minutesAndSeconds(int seconds);

// The top of the first row: the label "Menu" stays above it, clear of every row.
constexpr int kScoreFirstRowTop = 25;

}  // namespace velkor
