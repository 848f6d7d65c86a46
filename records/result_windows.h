// The small result windows: frmRecord (the figures of the current solo game), frmInputBox
// (the name of a solo game that enters the top 10) and frmVsResult (the standing of a match).
// Their texts, places, colours and rules as plain data; the screen layer only paints them.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "state/game_state.h"
#include "controls/coordinates.h"

namespace velkor {

constexpr std::uint32_t kResultGreen = rgb(0, 255, 0);
constexpr std::uint32_t kResultMagenta = rgb(255, 0, 255);
constexpr std::uint32_t kResultBlack = rgb(0, 0, 0);
constexpr std::uint32_t kResultDarkGrey = rgb(64, 64, 64);

// A window's outer frame in twips.
struct WindowPlace {
  Single left = 0;
  Single top = 0;
  Single width = 0;
  Single height = 0;
};

// Controls in pixels of the client area (left, top, width, height).
struct PixelBox {
  int left;
  int top;
  int width;
  int height;
};

// The frame's caption bar: outer heights are the client height plus this.
constexpr int kCaptionBarPx = 25;

// ---- frmRecord ----

// Client area in pixels: room for the nine balls, the 18-point lines and the OK picture.
constexpr int kRecordClientWidth = 250;
constexpr int kRecordClientHeight = 250;
constexpr int kRecordOkWidth = 66;
constexpr int kRecordOkHeight = 34;
constexpr Single kRecordTitleFontSize = 20;
constexpr Single kRecordFontSize = 18;
constexpr int kPocketedBallPitch = 22;

// Character k (1..9) is the digit k when ball k is off the table, "0" while it is on it.
std::string getPocketedPattern(const GameState& g);

// One text written at a place, in pixels of the window's client area.
struct PrintedText {
  int x = 0;
  int y = 0;
  Single fontSize = 0;
  std::string text;
};

// One ball sprite, masked, with its top left at (x, y).
struct BallSprite {
  int x = 0;
  int y = 0;
  int ball = 0;
  bool operator==(const BallSprite&) const = default;
};

// The pocketed balls of a pattern from the print position on: one row in ball-number
// order, 22 pixels apart, with no gaps for the balls still on the table.
std::vector<BallSprite> drawBalls(const std::string& pattern, int printX, int printY);

// The text part of one printed line: cells at tab columns of the current font (column 1 is
// the left edge); column 0 writes at the print position.
struct TabCell {
  int column = 0;
  std::string text;
};
struct RecordLine {
  Single fontSize = 0;
  std::vector<TabCell> cells;
};

// "00007": at least five digits.
std::string recordCountText(Long n);
// Whole minutes (not cut to two digits), ":", seconds: 3725 -> "62:05", 6005 -> "100:05".
std::string recordTimeText(Long seconds);
// The title and the five lines below it, in print order.
std::vector<RecordLine> recordLines(const GameState& g);

// Arial at a size as the screen measures it, in pixels.
struct FontMeasure {
  int lineHeight = 0;
  int charWidth = 0;  // the width of one tab column
};
using MeasureFont = std::function<FontMeasure(Single fontSize)>;

struct RecordDrawing {
  std::vector<PrintedText> texts;
  std::vector<BallSprite> balls;
};

// The whole content, as the window prints it from its top left: green Arial on black.
RecordDrawing drawRecord(const GameState& g, const MeasureFont& measure);

// Centred on the screen; the OK picture centred at the foot of the client area.
WindowPlace frmRecord_Form_Load(const ScreenMetrics& screen);
constexpr int kRecordOkLeft = (kRecordClientWidth - kRecordOkWidth) / 2;
constexpr int kRecordOkTop = kRecordClientHeight - kRecordOkHeight - 8;

// ---- frmInputBox ----

constexpr int kInputBoxClientWidth = 240;
constexpr int kInputBoxClientHeight = 150;
constexpr int kInputBoxOkWidth = 66;
constexpr int kInputBoxOkHeight = 34;
constexpr int kInputBoxOkTop = 106;
constexpr PixelBox kInputBoxLblMsg{0, 6, kInputBoxClientWidth, 30};
constexpr PixelBox kInputBoxLabel1{16, 40, kInputBoxClientWidth - 32, 20};
constexpr PixelBox kInputBoxTxtName{16, 64, kInputBoxClientWidth - 32, 30};
constexpr Single kInputBoxHeadlineFontSize = 18;  // bold
constexpr Single kInputBoxLabelFontSize = 11;
constexpr Single kInputBoxFontSize = 14;
// Typing stops at the 12 characters that are stored, so the box shows the name as kept.
constexpr int kInputBoxMaxLength = 12;

struct InputBoxWindow {
  std::string headline;  // lblMsg
  WindowPlace place;
  int okLeft = 0;  // pixels, across the window's outer width
};

// "Perfect Game !" at one turn or fewer, else "Good Game !"; centred on the main window.
InputBoxWindow frmInputBox_Form_Load(const GameState& g, const ScreenMetrics& screen);
// However the window closes: the typed text, control characters made blanks, cut or
// blank-padded to 12, is player 0's name.
void frmInputBox_Form_Unload(GameState& g, const std::string& typed);

// ---- frmVsResult ----

constexpr int kVsResultClientWidth = 299;
constexpr int kVsResultClientHeight = 176;

struct VsResultWindow {
  WindowPlace place;
  std::string winner;  // lblWinner
  std::uint32_t winnerColor = kResultGreen;
  std::array<std::string, 2> names;  // lblPlayerName, the whole 12-character field
  std::array<std::string, 2> wins;   // lblWins, " 2"
  std::array<std::uint32_t, 2> colors{kResultGreen, kResultGreen};
};

constexpr PixelBox kVsLblWinner{4, 0, 291, 55};
constexpr std::array<PixelBox, 2> kVsLblPlayerName{{{6, 60, 233, 35}, {6, 98, 233, 35}}};
constexpr std::array<PixelBox, 2> kVsLblWins{{{244, 60, 49, 35}, {244, 98, 49, 35}}};
constexpr PixelBox kVsResultOk{112, 134, 66, 34};
constexpr Single kVsWinnerFontSize = 18;
constexpr Single kVsScoreFontSize = 24;

// Centres the window on the main window and fills the labels from the match's standing.
VsResultWindow frmVsResult_Form_Load(const GameState& g, const ScreenMetrics& screen);

// A window of a client size, centred on the main window (the Form's place and size).
WindowPlace centreOnMainWindow(const GameState& g, const ScreenMetrics& screen, int clientWidth,
                               int clientHeight);

}  // namespace velkor
