// The match set-up window frmChangeVsMode: the two names and the games that decide the match.
// Its places, texts and handlers as plain data and functions; the screen layer paints them.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "records/result_windows.h"

namespace velkor {

constexpr int kVsSetupClientWidth = 201;
constexpr int kVsSetupClientHeight = 187;
constexpr std::array<PixelBox, 2> kTxtPlayerName{{{8, 16, 187, 36}, {8, 78, 187, 37}}};
constexpr PixelBox kVsLabel1{72, 54, 39, 23};
constexpr PixelBox kLblXwins{10, 124, 161, 25};
constexpr PixelBox kVScroll1{176, 124, 19, 25};
constexpr PixelBox kVsSetupOk{58, 152, 66, 34};
constexpr PixelBox kVsSetupCancel{128, 152, 66, 34};
constexpr Single kVsSetupFontSize = 18;
constexpr int kPlayerNameMaxLength = 12;

// The games-to-win scroll bar: 15 at the top end, 1 at the bottom, the arrows and the
// trough move it by 2.
constexpr Integer kGamesToWinTop = 15;
constexpr Integer kGamesToWinBottom = 1;
constexpr Integer kGamesToWinStep = 2;
// Places along the bar count from the top end: place 0 is 15 games, place 14 is 1 game.
constexpr int scrollPlaceOfGames(Integer games) { return kGamesToWinTop - games; }
constexpr Integer gamesAtScrollPlace(int place) {
  return static_cast<Integer>(kGamesToWinTop - place);
}

// Stores a name at the players' fixed width of 12 characters.
void setPlayerName(GameState& g, int player, std::string_view name);

// "1 Win Match"; otherwise the number directly followed by "Wins Match" ("3Wins Match").
std::string gamesToWinText(Integer n);

struct VsSetupWindow {
  WindowPlace place;
  std::array<std::string, 2> names;  // txtPlayerName
  bool name1Enabled = true;
  std::string winsText;  // lblXwins
  Integer scrollValue = 3;
  bool open = true;
  bool accepted = false;
};

// Centres the window on the main window and fills the boxes from the players and the match.
VsSetupWindow frmChangeVsMode_Form_Load(GameState& g, const ScreenMetrics& screen);
// The scroll bar moved to value (kept in 1..15).
void frmChangeVsMode_VScroll1_Change(GameState& g, VsSetupWindow& w, Integer value);
// OK: the names as typed (control characters made blanks), player 0 breaking, no games won,
// versus captions.
void frmChangeVsMode_picOK_Click(GameState& g, VsSetupWindow& w);
// Cancel, the close box and Escape alike: solo captions, no computer, the title menu.
void frmChangeVsMode_picCancel_Click(GameState& g, VsSetupWindow& w);

}  // namespace velkor
