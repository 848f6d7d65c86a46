// Where the table drawing puts things: the cells of the table sheet and the sprite strip,
// the pixel points of sprites, shadows, pocket stamps and the pocketed-ball strip, and what
// the status strip shows in each mode. The Qt layer only copies pixels to these places.
#pragma once

#include <array>
#include <ostream>
#include <string>

#include "controls/coordinates.h"
#include "state/game_state.h"

namespace velkor {

// Sizes of the pictures.
constexpr int kSheetWidth = 540;
constexpr int kSheetHeight = 360;
constexpr int kPoolWidth = 540;
constexpr int kPoolHeight = 300;  // frames are 540 x 300; the visible picture shows 299 rows
constexpr int kSpriteStripWidth = 220;
constexpr int kSpriteStripHeight = 40;
constexpr int kSpriteSize = 20;
constexpr int kInfomationWidth = 321;
constexpr int kInfomationHeight = 25;

// Cells of the table sheet.
constexpr PixelRect kTableImageCell{0, 0, 540, 300};
constexpr PixelRect kSpriteSourceCell{0, 300, 220, 40};
constexpr PixelRect kCueBallImageCell{495, 300, 45, 45};
enum class ModeIcon { solo = 0, versusComputer = 1, twoPlayers = 2 };
constexpr PixelRect modeIconCell(ModeIcon icon) {
  return {220 + 25 * static_cast<int>(icon), 301, 25, 25};
}
// The score-ball icons' cells (scoreBallIconCell) stand with the records screen that shows them.

// Cells of the sprite strip.
constexpr PixelRect ballSpriteCell(int n) { return {20 * n, 0, 20, 20}; }
constexpr PixelRect movingBallSpriteCell(int n) { return {20 * n, 20, 20, 20}; }
constexpr PixelRect kBallMaskCell{200, 0, 20, 20};
constexpr PixelRect kBallShadowCell{200, 20, 20, 20};

// The whole number nearest to v, a half going to the even neighbour.
int roundHalfEven(double v);

// Top-left pixel of a 20 x 20 sprite centred on table point (x, y).
PixelPoint spritePoint(const GameState& g, Single x, Single y);
PixelPoint ballSpritePoint(const GameState& g, int ballNo);

// True when the ball at pixel (px, py) lies in the open, away from the pocket zones along
// the long cushions, where its shadow falls 2 pixels right and down.
bool isShadowInOpen(Single px, Single py);
// Top-left pixel of ball n's shadow.
PixelPoint shadowPoint(const GameState& g, int ballNo);

// The nine stamp points of a ball dropping into pocket 1..6.
std::array<PixelPoint, 9> pocketStampPoints(const GameState& g, int pocketNo);

// Place of object ball n (1..9) in the pocketed-ball strip.
constexpr PixelPoint pocketedBallPlace(int n) { return {(n - 1) * 20 + 1, 1}; }

// What the status strip shows.
struct InfomationStrip {
  bool draws = false;  // false: the strip keeps what it showed
  bool hasIcon = false;
  ModeIcon icon = ModeIcon::solo;
  std::string text;  // printed at (30, 3)
  bool hasNextBall = false;
  PixelPoint frameTopLeft;
  PixelPoint frameBottomRight;
  PixelPoint ballPoint;
  int nextBall = 0;  // sprite cell of the lowest ball; 0 when no object ball is left
};
constexpr PixelPoint kInfomationTextPoint{30, 3};
constexpr PixelPoint kNextTextPoint{240, 3};
inline const char* const kNextText = " Next:";
InfomationStrip infomationStrip(const GameState& g);

// The "DEMO" and click texts on the demonstration table.
struct DemoText {
  PixelPoint at;
  int pointSize;
};
constexpr DemoText kDemoTitle{{100, 75}, 100};
constexpr DemoText kDemoClick{{100, 200}, 30};
inline const char* const kDemoTitleText = "DEMO";
std::string demoClickText(const GameState& g);

}  // namespace velkor
