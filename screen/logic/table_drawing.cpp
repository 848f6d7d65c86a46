#include "screen/logic/table_drawing.h"

#include <cmath>

#include "controls/coordinates.h"
#include "controls/language.h"
#include "engine/table_model.h"
#include "platform/text.h"

namespace velkor {

namespace {
// Half the sprite size as the drawing takes it: the diameter to whole pixels, halved.
int halfSprite(const GameState& g) { return roundHalfEven(g.ballDiameterPx) / 2; }

const BallRecord& ball(const GameState& g, int n) { return g.balls[static_cast<std::size_t>(n)]; }

struct PocketPath {
  TablePoint start;
  TablePoint direction;
};
constexpr std::array<PocketPath, 6> kPocketPaths{{
    {{3, 1197}, {-1, 1}},
    {{1200, 1197}, {0, 1}},
    {{2397, 1197}, {1, 1}},
    {{3, 3}, {-1, -1}},
    {{1200, 3}, {0, -1}},
    {{2397, 3}, {1, -1}},
}};
}  // namespace

int roundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

PixelPoint spritePoint(const GameState& g, Single x, Single y) {
  const int h = halfSprite(g);
  return {roundHalfEven(toPicX(g, x) - static_cast<Single>(h)),
          roundHalfEven(toPicY(g, y) - static_cast<Single>(h))};
}

PixelPoint ballSpritePoint(const GameState& g, int ballNo) {
  const BallRecord& b = ball(g, ballNo);
  return spritePoint(g, b.x, b.y);
}

bool isShadowInOpen(Single px, Single py) {
  return (px >= 50 && px <= 490 && (px <= 250 || px >= 290)) || (py >= 50 && py <= 250);
}

PixelPoint shadowPoint(const GameState& g, int ballNo) {
  const BallRecord& b = ball(g, ballNo);
  const Single px = toPicX(g, b.x);
  const Single py = toPicY(g, b.y);
  const Single shift = isShadowInOpen(px, py) ? 2.0f : 0.0f;
  return {roundHalfEven(limitPicX(px + shift) - 10), roundHalfEven(limitPicY(py + shift) - 10)};
}

std::array<PixelPoint, 9> pocketStampPoints(const GameState& g, int pocketNo) {
  const PocketPath& p = kPocketPaths[static_cast<std::size_t>(pocketNo - 1)];
  std::array<PixelPoint, 9> out{};
  for (int i = 0; i <= 8; ++i) {
    const Single step = static_cast<Single>(i) * 0.25f;
    out[static_cast<std::size_t>(i)] =
        spritePoint(g, p.start.x + p.direction.x * step, p.start.y + p.direction.y * step);
  }
  return out;
}

InfomationStrip infomationStrip(const GameState& g) {
  InfomationStrip s;
  const int lowest = getLowestBall(g);
  auto n = [](long long v) { return std::to_string(v); };
  switch (g.gameMode) {
    case modeSolo:
      s.draws = true;
      s.hasIcon = true;
      s.icon = ModeIcon::solo;
      s.text = " Turn:" + n(g.turnCount) + "  Shot:" + n(g.shotCount) + "  Foul:" + n(g.foulCount);
      s.hasNextBall = true;
      s.frameTopLeft = {289, 0};
      s.frameBottomRight = {310, 22};
      s.ballPoint = {290, 1};
      break;
    case modeVersus: {
      s.draws = true;
      s.hasIcon = true;
      s.icon = g.vsComputer ? ModeIcon::versusComputer : ModeIcon::twoPlayers;
      // Appended, not prepended: GCC 12's -Wrestrict misreads `" " + std::string` at -O3.
      std::string score = " ";
      score.append(trimBlanks(g.players[0].name)).append("  ").append(n(g.players[0].gamesWon));
      score.append(" - ").append(n(g.players[1].gamesWon));
      if (g.vsComputer) {
        s.text = score + (g.quibLevel >= 11 ? " Master " : " Lv." + n(g.quibLevel)) + " quib ";
      } else {
        s.text = score + "  " + trimBlanks(g.players[1].name);
      }
      s.hasNextBall = true;
      s.frameTopLeft = {289, 1};
      s.frameBottomRight = {310, 22};
      s.ballPoint = {290, 2};
      break;
    }
    case modeDemo:
      s.draws = true;
      s.text = " Lv." + n(g.quibLevel) + " quib is demonstrating!!";
      break;
    default:
      break;
  }
  s.nextBall = lowest;
  return s;
}

std::string demoClickText(const GameState& g) {
  return getLangText(g, "クリックしてください", "Click here !");
}

}  // namespace velkor
