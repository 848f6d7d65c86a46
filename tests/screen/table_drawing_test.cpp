#include "screen/logic/table_drawing.h"

#include <gtest/gtest.h>

#include "controls/coordinates.h"
#include "support/fake_screen.h"

namespace velkor {
namespace {

using testing::Fixture;

// Puts ball n at the table point whose pixel is (px, py).
void placeAtPixel(GameState& g, int n, Single px, Single py) {
  g.balls[static_cast<std::size_t>(n)].x = toTableX(g, px);
  g.balls[static_cast<std::size_t>(n)].y = toTableY(g, py);
}

TEST(SpritePoint, RoundsHalvesToTheEvenPixel) {
  Fixture f;
  // Pixel 30.5 - 10 = 20.5 goes to 20, 31.5 - 10 = 21.5 goes to 22.
  EXPECT_EQ(spritePoint(f.g, 2.5f, 1200).x, 20);
  EXPECT_EQ(spritePoint(f.g, 7.5f, 1200).x, 22);
  EXPECT_EQ(spritePoint(f.g, 0, 1197.5f).y, 20);  // 30.5 - 10
  EXPECT_EQ(spritePoint(f.g, 0, 1192.5f).y, 22);  // 31.5 - 10
  EXPECT_EQ(spritePoint(f.g, 600, 600), (PixelPoint{140, 140}));
}

TEST(SpritePoint, UsesHalfTheRoundedDiameterWhateverItHolds) {
  Fixture f;
  f.g.ballDiameterPx = 21.4f;  // rounds to 21, halves to 10
  EXPECT_EQ(spritePoint(f.g, 600, 600), (PixelPoint{140, 140}));
}

struct ShadowCase {
  Single px, py;
  PixelPoint expected;
  const char* what;
};

class ShadowPoint : public ::testing::TestWithParam<ShadowCase> {};

TEST_P(ShadowPoint, FallsWhereTheZoneSays) {
  Fixture f;
  const ShadowCase& c = GetParam();
  placeAtPixel(f.g, 3, c.px, c.py);
  EXPECT_EQ(shadowPoint(f.g, 3), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Zones, ShadowPoint,
    ::testing::Values(
        ShadowCase{45, 45, {35, 35}, "corner-pocket zone: exactly under the ball"},
        ShadowCase{45, 150, {37, 142}, "open cloth along the short cushion: 2 right, 2 down"},
        ShadowCase{495, 255, {485, 245}, "near the bottom right pocket: exactly under"},
        ShadowCase{270, 45, {260, 35}, "middle-pocket zone: exactly under"},
        ShadowCase{200, 45, {192, 37}, "open cloth along the long cushion"},
        ShadowCase{499, 150, {490, 142}, "shifted x passes 500: held at 500"},
        ShadowCase{150, 259, {142, 250}, "shifted y passes 260: held at 260"},
        ShadowCase{10, 150, {30, 142}, "a point left of the clamp comes back to 40"}));

TEST(PocketStamp, PocketTwoStartsAtTheMouthOfTheTopCushion) {
  Fixture f;
  const auto points = pocketStampPoints(f.g, 2);
  EXPECT_EQ(points[0], (PixelPoint{260, 21}));  // (1200, 1197) is pixel (270, 30.6)
  for (const PixelPoint& p : points) {
    EXPECT_EQ(p.x, 260);
    EXPECT_GE(p.y, 20);
    EXPECT_LE(p.y, 21);
  }
}

TEST(PocketStamp, EveryPocketStaysWithinAPixelOfItsStart) {
  Fixture f;
  for (int pocket = 1; pocket <= 6; ++pocket) {
    const auto points = pocketStampPoints(f.g, pocket);
    for (const PixelPoint& p : points) {
      EXPECT_LE(std::abs(p.x - points[0].x), 1) << pocket;
      EXPECT_LE(std::abs(p.y - points[0].y), 1) << pocket;
    }
  }
  EXPECT_EQ(pocketStampPoints(f.g, 4)[0], (PixelPoint{21, 259}));
  EXPECT_EQ(pocketStampPoints(f.g, 6)[8], (PixelPoint{500, 260}));  // (2399, 1)
}

TEST(PocketedStrip, EachObjectBallHasItsOwnPlace) {
  EXPECT_EQ(pocketedBallPlace(1), (PixelPoint{1, 1}));
  EXPECT_EQ(pocketedBallPlace(5), (PixelPoint{81, 1}));
  EXPECT_EQ(pocketedBallPlace(9), (PixelPoint{161, 1}));
}

TEST(InfomationStrip, SoloShowsCountersIconAndNextBall) {
  Fixture f;
  f.g.gameMode = modeSolo;
  f.g.turnCount = 3;
  f.g.shotCount = 12;
  f.g.foulCount = 1;
  f.g.balls[1].onTable = false;
  const InfomationStrip s = infomationStrip(f.g);
  EXPECT_TRUE(s.draws);
  EXPECT_TRUE(s.hasIcon);
  EXPECT_EQ(s.icon, ModeIcon::solo);
  EXPECT_EQ(s.text, " Turn:3  Shot:12  Foul:1");
  EXPECT_TRUE(s.hasNextBall);
  EXPECT_EQ(s.nextBall, 2);
  EXPECT_EQ(s.frameTopLeft, (PixelPoint{289, 0}));
  EXPECT_EQ(s.frameBottomRight, (PixelPoint{310, 22}));
  EXPECT_EQ(s.ballPoint, (PixelPoint{290, 1}));
}

TEST(InfomationStrip, NextBallIsTheCueBallWhenNoObjectBallIsLeft) {
  Fixture f;
  for (int n = 1; n <= 9; ++n) f.g.balls[static_cast<std::size_t>(n)].onTable = false;
  EXPECT_EQ(infomationStrip(f.g).nextBall, 0);
}

struct VersusCase {
  bool vsComputer;
  Integer level;
  const char* expected;
};

class VersusLine : public ::testing::TestWithParam<VersusCase> {};

TEST_P(VersusLine, NamesScoresAndLevel) {
  Fixture f;
  f.g.gameMode = modeVersus;
  f.g.vsComputer = GetParam().vsComputer;
  f.g.quibLevel = GetParam().level;
  f.g.players[0].name = "  You       ";
  f.g.players[1].name = "Player2     ";
  f.g.players[0].gamesWon = 2;
  f.g.players[1].gamesWon = 1;
  const InfomationStrip s = infomationStrip(f.g);
  EXPECT_EQ(s.text, GetParam().expected);
  EXPECT_EQ(s.icon, GetParam().vsComputer ? ModeIcon::versusComputer : ModeIcon::twoPlayers);
  EXPECT_EQ(s.frameTopLeft, (PixelPoint{289, 1}));
  EXPECT_EQ(s.ballPoint, (PixelPoint{290, 2}));
}

INSTANTIATE_TEST_SUITE_P(Matches, VersusLine,
                         ::testing::Values(VersusCase{true, 11, " You  2 - 1 Master  quib "},
                                           VersusCase{true, 10, " You  2 - 1 Lv.10 quib "},
                                           VersusCase{false, 11, " You  2 - 1  Player2"}));

TEST(InfomationStrip, DemonstrationShowsTheLevelEvenAsMaster) {
  Fixture f;
  f.g.gameMode = modeDemo;
  f.g.quibLevel = 11;
  const InfomationStrip s = infomationStrip(f.g);
  EXPECT_TRUE(s.draws);
  EXPECT_FALSE(s.hasIcon);
  EXPECT_FALSE(s.hasNextBall);
  EXPECT_EQ(s.text, " Lv.11 quib is demonstrating!!");
}

TEST(InfomationStrip, MenuAndRecordsLeaveTheStripAsItIs) {
  Fixture f;
  for (Integer mode : {Integer{modeMenu}, Integer{modeRecords}}) {
    f.g.gameMode = mode;
    EXPECT_FALSE(infomationStrip(f.g).draws) << mode;
  }
}

TEST(DemoText, FollowsTheLanguage) {
  Fixture f;
  EXPECT_EQ(demoClickText(f.g), "Click here !");
  f.g.japaneseUI = true;
  EXPECT_EQ(demoClickText(f.g), "クリックしてください");
}

}  // namespace
}  // namespace velkor
