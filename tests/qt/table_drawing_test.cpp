#include "screen/qt/table_renderer.h"

#include <gtest/gtest.h>

#include "controls/coordinates.h"

namespace velkor {
namespace {

constexpr QRgb kShadow = 0xff005900;  // RGB (0, 89, 0)

class TableDrawingTest : public ::testing::Test {
 protected:
  TableDrawingTest() {
    for (BallRecord& b : g.balls) b.onTable = false;
    r.loadBallSprites();
  }

  void putAtPixel(int n, Single px, Single py, Single speed = 0) {
    BallRecord& b = g.balls[static_cast<std::size_t>(n)];
    b.onTable = true;
    b.x = toTableX(g, px);
    b.y = toTableY(g, py);
    b.speed = speed;
  }

  bool inMask(int x, int y) const {  // black in the mask: inside the disc
    return (r.ballSprites().pixel(kBallMaskCell.x + x, kBallMaskCell.y + y) & 0xffffff) == 0;
  }

  // The frame built by hand: the empty table, then a shadow disc, then the ball disc.
  QImage expectedFrame(QPoint shadowAt, QPoint ballAt, const PixelRect& sprite) const {
    QImage e = r.tableSheet().copy(0, 0, kPoolWidth, kPoolHeight);
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x)
        if (inMask(x, y)) e.setPixel(shadowAt.x() + x, shadowAt.y() + y, kShadow);
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x)
        if (inMask(x, y))
          e.setPixel(ballAt.x() + x, ballAt.y() + y,
                     r.ballSprites().pixel(sprite.x + x, sprite.y + y));
    return e;
  }

  static int differences(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
      for (int x = 0; x < a.width(); ++x)
        if ((a.pixel(x, y) & 0xffffff) != (b.pixel(x, y) & 0xffffff)) ++n;
    return n;
  }

  GameState g;
  TableRenderer r{g};
};

TEST_F(TableDrawingTest, SheetCellsFollowTheDrawingRules) {
  int disc = 0;
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) {
      const QRgb mask = r.ballSprites().pixel(kBallMaskCell.x + x, kBallMaskCell.y + y) & 0xffffff;
      ASSERT_TRUE(mask == 0 || mask == 0xffffff);
      const QRgb shadow = r.ballSprites().pixel(kBallShadowCell.x + x, kBallShadowCell.y + y);
      EXPECT_EQ(shadow, inMask(x, y) ? kShadow : 0xff000000);
      for (int n = 0; n <= 9; ++n) {
        if (inMask(x, y)) continue;
        // Outside the disc every sprite is black, so XOR leaves the table there.
        EXPECT_EQ(r.ballSprites().pixel(ballSpriteCell(n).x + x, y) & 0xffffff, 0u);
        EXPECT_EQ(r.ballSprites().pixel(movingBallSpriteCell(n).x + x, 20 + y) & 0xffffff, 0u);
      }
      disc += inMask(x, y);
    }
  }
  EXPECT_GT(disc, 280);  // about pi * 10^2
  EXPECT_LT(disc, 320);
}

TEST_F(TableDrawingTest, MaskedDrawKeepsTheTableAroundTheBallAndItsShadow) {
  putAtPixel(5, 200, 150);
  r.drawTable();
  EXPECT_EQ(differences(r.backBuffer(), expectedFrame({192, 142}, {190, 140}, ballSpriteCell(5))), 0);
  EXPECT_EQ(differences(r.pool(), r.backBuffer()), 0);
}

TEST_F(TableDrawingTest, MovingBallUsesItsMovingSprite) {
  putAtPixel(5, 200, 150, 1200);
  r.drawTable();
  EXPECT_EQ(differences(r.backBuffer(), expectedFrame({192, 142}, {190, 140}, movingBallSpriteCell(5))), 0);
}

struct ShadowPixelCase {
  Single px, py;
  QPoint shadow;
};

class ShadowPixels : public TableDrawingTest, public ::testing::WithParamInterface<ShadowPixelCase> {};

TEST_P(ShadowPixels, ShadowLiesWhereItsZoneSays) {
  const ShadowPixelCase& c = GetParam();
  putAtPixel(0, c.px, c.py);
  r.drawTable();
  const QPoint ball(static_cast<int>(c.px) - 10, static_cast<int>(c.py) - 10);
  EXPECT_EQ(differences(r.backBuffer(), expectedFrame(c.shadow, ball, ballSpriteCell(0))), 0);
}

INSTANTIATE_TEST_SUITE_P(Zones, ShadowPixels,
                         ::testing::Values(ShadowPixelCase{45, 45, {35, 35}},
                                           ShadowPixelCase{45, 150, {37, 142}},
                                           ShadowPixelCase{495, 255, {485, 245}},
                                           ShadowPixelCase{499, 150, {490, 142}},
                                           ShadowPixelCase{150, 259, {142, 250}}));

TEST_F(TableDrawingTest, BallOffTheTableDrawsNothing) {
  r.drawTable();
  EXPECT_EQ(differences(r.backBuffer(), r.tableSheet().copy(0, 0, kPoolWidth, kPoolHeight)), 0);
}

TEST_F(TableDrawingTest, StampingABallTwiceEqualsOnce) {
  r.drawTable();
  putAtPixel(3, 300.4f, 120.6f, 800);
  r.drawBallOnTable(3);
  const QImage once = r.pool().copy();
  r.drawBallOnTable(3);
  EXPECT_EQ(differences(r.pool(), once), 0);
  // The stamp is the ball at rest, without a shadow, straight on the visible table.
  QImage expected = r.tableSheet().copy(0, 0, kPoolWidth, kPoolHeight);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x)
      if (inMask(x, y)) expected.setPixel(290 + x, 111 + y, r.ballSprites().pixel(60 + x, y));
  EXPECT_EQ(differences(r.pool(), expected), 0);
  EXPECT_EQ(differences(r.backBuffer(), r.tableSheet().copy(0, 0, kPoolWidth, kPoolHeight)), 0);
}

TEST_F(TableDrawingTest, PocketStampOfPocketTwoStartsAtItsMouth) {
  r.drawTable();
  r.drawBallIntoPocket(4, 2);
  // Stamps at (260, 21) and (260, 20): the ball's centre pixel shows at both.
  const QRgb centre = r.ballSprites().pixel(ballSpriteCell(4).x + 10, 13);
  EXPECT_EQ(r.pool().pixel(270, 34), centre);
  EXPECT_EQ(r.pool().pixel(270, 33), centre);
  EXPECT_NE(r.pool().pixel(270, 34), r.tableSheet().pixel(270, 34));
}

TEST_F(TableDrawingTest, PocketedBallsKeepTheirPlacesInTheStrip) {
  for (BallRecord& b : g.balls) b.onTable = true;
  g.balls[3].onTable = false;
  g.balls[7].onTable = false;
  r.drawPocketedBalls();
  const QImage& strip = r.pocketedBalls();
  const QRgb background = qRgb(64, 64, 64);
  auto cellMatches = [&](int n) {
    const PixelPoint at = pocketedBallPlace(n);
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x) {
        const QRgb want = inMask(x, y) ? r.ballSprites().pixel(20 * n + x, y) : background;
        if (strip.pixel(at.x + x, at.y + y) != want) return false;
      }
    return true;
  };
  EXPECT_TRUE(cellMatches(3));
  EXPECT_TRUE(cellMatches(7));
  for (int n : {1, 2, 4, 5, 6, 8, 9}) {
    const PixelPoint at = pocketedBallPlace(n);
    EXPECT_EQ(strip.pixel(at.x + 10, at.y + 10), background) << n;
  }
  EXPECT_EQ(strip.pixel(0, 0), background);
}

TEST_F(TableDrawingTest, NextBallBoxShowsTheCueBallWhenNoObjectBallIsLeft) {
  g.gameMode = modeSolo;
  r.showInfomation();
  const QImage& info = r.infomation();
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x)
      ASSERT_EQ(info.pixel(290 + x, 1 + y), r.ballSprites().pixel(x, y)) << x << "," << y;
  const QRgb green = qRgb(0, 255, 0);
  EXPECT_EQ(info.pixel(289, 0), green);   // the frame's corners
  EXPECT_EQ(info.pixel(310, 22), green);
  EXPECT_EQ(info.pixel(300, 23), qRgb(0, 0, 0));
  // The solo icon at the left end.
  EXPECT_EQ(info.pixel(12, 12), r.tableSheet().pixel(220 + 12, 301 + 12));
}

TEST_F(TableDrawingTest, StatusStripIsUntouchedInTheMenuAndRecordsModes) {
  g.gameMode = modeSolo;
  g.balls[2].onTable = true;
  r.showInfomation();
  const QImage before = r.infomation().copy();
  for (Integer mode : {Integer{modeMenu}, Integer{modeRecords}}) {
    g.gameMode = mode;
    g.turnCount = 7;
    g.balls[2].onTable = false;
    r.showInfomation();
    EXPECT_EQ(differences(r.infomation(), before), 0) << mode;
  }
  g.gameMode = modeDemo;  // the demonstration clears it: no icon, no box
  r.showInfomation();
  EXPECT_EQ(r.infomation().pixel(12, 12), qRgb(0, 0, 0));
  EXPECT_EQ(r.infomation().pixel(289, 0), qRgb(0, 0, 0));
}

TEST_F(TableDrawingTest, DemonstrationPrintsOnTheTableUnderTheBalls) {
  g.gameMode = modeDemo;
  r.drawTable();
  EXPECT_GT(differences(r.backBuffer(), r.tableSheet().copy(0, 0, kPoolWidth, kPoolHeight)), 1000);
  int demoGreen = 0;
  for (int y = 75; y < 200; ++y)
    for (int x = 100; x < 400; ++x) demoGreen += r.backBuffer().pixel(x, y) == qRgb(0, 128, 0);
  EXPECT_GT(demoGreen, 500);
}

// Start-up reads the screen's twips per pixel after the renderer is made; the fonts follow
// that one value, as every other conversion does.
TEST_F(TableDrawingTest, StatusStripFontFollowsTheTwipsPerPixelThatStartUpReads) {
  g.gameMode = modeDemo;
  const QString text = QString::fromStdString(infomationStrip(g).text);
  const auto rightmostInk = [this] {
    int right = -1;
    const QImage& img = r.infomation();
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        if ((img.pixel(x, y) & 0xffffff) != 0) right = std::max(right, x);
    return right;
  };
  int ink[2] = {};
  const int twips[2] = {15, 20};  // 96 and 72 dots per inch: 12 points are 16 and 12 pixels
  for (int i = 0; i < 2; ++i) {
    g.twipsPerPixelY = twips[i];
    r.showInfomation();
    ink[i] = rightmostInk();
    QFont f("Arial");
    f.setBold(true);
    f.setPixelSize(12 * 20 / twips[i]);
    const int expected = kInfomationTextPoint.x + QFontMetrics(f).horizontalAdvance(text);
    EXPECT_NEAR(ink[i], expected, 3) << twips[i] << " twips per pixel";
  }
  EXPECT_LT(ink[1], ink[0] - 40);
}

TEST_F(TableDrawingTest, PalettisedSheetFileKeepsMaskAndShadowExact) {
  ASSERT_TRUE(r.loadTableSheet(VELKOR_ASSET_DIR "/vk256.bmp"));
  r.loadBallSprites();
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) {
      const QRgb mask = r.ballSprites().pixel(kBallMaskCell.x + x, kBallMaskCell.y + y) & 0xffffff;
      EXPECT_TRUE(mask == 0 || mask == 0xffffff);
      EXPECT_EQ(r.ballSprites().pixel(kBallShadowCell.x + x, kBallShadowCell.y + y),
                inMask(x, y) ? kShadow : 0xff000000);
    }
  EXPECT_FALSE(r.loadTableSheet(VELKOR_ASSET_DIR "/no-such-file.bmp"));
  const QImage file(VELKOR_ASSET_DIR "/vk256.bmp");
  EXPECT_EQ(file.format(), QImage::Format_Indexed8);
  EXPECT_EQ(file.size(), QSize(540, 360));
  EXPECT_EQ(QImage(VELKOR_ASSET_DIR "/vkmnu256.bmp").size(), QSize(540, 372));
}

}  // namespace
}  // namespace velkor
