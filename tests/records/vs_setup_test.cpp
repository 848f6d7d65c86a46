// The match set-up window: what it opens with, the games-to-win bar, OK and Cancel.
#include "records/vs_setup.h"

#include <gtest/gtest.h>

#include "engine/game_modes.h"
#include "platform/text.h"
#include "support/control_char_names.h"
#include "support/fake_screen.h"

namespace velkor {
namespace {

TEST(VsSetup, PlayerNamesAreTwelveCharactersPaddedOrCut) {
  GameState g;
  setPlayerName(g, 0, "Al");
  setPlayerName(g, 1, "Maximilianus Long");
  EXPECT_EQ(g.players[0].name, "Al          ");
  EXPECT_EQ(g.players[1].name, "Maximilianus");
  setPlayerName(g, 1, "たまつきプレイヤー一二三四");  // counted in characters, not bytes
  EXPECT_EQ(g.players[1].name, "たまつきプレイヤー一二三");
}

TEST(VsSetup, GamesToWinText) {
  EXPECT_EQ(gamesToWinText(1), "1 Win Match");
  EXPECT_EQ(gamesToWinText(3), "3Wins Match");
  EXPECT_EQ(gamesToWinText(15), "15Wins Match");
}

TEST(VsSetup, TheBarRunsFromFifteenAtTheTopToOneAtTheBottom) {
  EXPECT_EQ(gamesAtScrollPlace(0), 15);
  EXPECT_EQ(gamesAtScrollPlace(14), 1);
  // One step up from 3 (toward the top) is 5.
  EXPECT_EQ(gamesAtScrollPlace(scrollPlaceOfGames(3) - kGamesToWinStep), 5);
}

struct VsSetupWindowTest : ::testing::Test {
  testing::Fixture f;
  GameState& g = f.g;
};

TEST_F(VsSetupWindowTest, LoadFillsTheBoxesWithTrimmedNamesAndLocksTheComputer) {
  struct Case {
    void (*defaults)(GameState&);
    const char* name1;
    bool enabled;
  };
  for (const Case& c : {Case{setVsCpuPlayerNames, "quib", false},
                        Case{setVsPlayerNames, "Player2", true}}) {
    c.defaults(g);
    const VsSetupWindow w = frmChangeVsMode_Form_Load(g, ScreenMetrics{});
    EXPECT_EQ(w.names[1], c.name1);
    EXPECT_EQ(w.name1Enabled, c.enabled);
    EXPECT_EQ(w.winsText, "3Wins Match");
    EXPECT_EQ(w.scrollValue, 3);
  }
  setPlayerName(g, 1, "Quib");  // only the computer's own spelling is locked
  EXPECT_TRUE(frmChangeVsMode_Form_Load(g, ScreenMetrics{}).name1Enabled);
  setPlayerName(g, 0, "  Ann");
  EXPECT_EQ(frmChangeVsMode_Form_Load(g, ScreenMetrics{}).names[0], "Ann");
}

TEST_F(VsSetupWindowTest, AMatchToOneReadsOneWinAtOnce) {
  g.gamesToWin = 1;
  EXPECT_EQ(frmChangeVsMode_Form_Load(g, ScreenMetrics{}).winsText, "1 Win Match");
}

TEST_F(VsSetupWindowTest, TheBarSetsTheGamesToWinAndStaysInRange) {
  VsSetupWindow w = frmChangeVsMode_Form_Load(g, ScreenMetrics{});
  frmChangeVsMode_VScroll1_Change(g, w, 5);
  EXPECT_EQ(g.gamesToWin, 5);
  EXPECT_EQ(w.winsText, "5Wins Match");
  frmChangeVsMode_VScroll1_Change(g, w, 1);
  EXPECT_EQ(w.winsText, "1 Win Match");
  frmChangeVsMode_VScroll1_Change(g, w, 20);
  EXPECT_EQ(g.gamesToWin, 15);
  g.gamesToWin = 0;  // a value the bar cannot show opens at its nearest end
  EXPECT_EQ(frmChangeVsMode_Form_Load(g, ScreenMetrics{}).scrollValue, 1);
}

TEST_F(VsSetupWindowTest, OkStoresTheTypedNamesAndStartsTheMatchFresh) {
  setVsPlayerNames(g);
  g.players[1].isBreaker = true;
  g.players[0].gamesWon = 2;
  g.players[1].gamesWon = 1;
  VsSetupWindow w = frmChangeVsMode_Form_Load(g, ScreenMetrics{});
  w.names = {" Ann", "Bartholomew-the-Great"};
  frmChangeVsMode_picOK_Click(g, w);
  EXPECT_FALSE(w.open);
  EXPECT_EQ(g.gameMode, modeVersus);
  EXPECT_EQ(g.players[0].name, " Ann        ");
  EXPECT_EQ(g.players[1].name, "Bartholomew-");
  EXPECT_TRUE(g.players[0].isBreaker);
  EXPECT_FALSE(g.players[1].isBreaker);
  EXPECT_EQ(g.players[0].gamesWon, 0);
  EXPECT_EQ(g.players[1].gamesWon, 0);
  EXPECT_EQ(g.form[Ctl::mnuChangeMode].caption, "対戦→独り撞き(&S)");
  EXPECT_EQ(g.form[Ctl::cmdShot].caption, "Ann's Shot");
  EXPECT_EQ(g.form[Ctl::cmdShot].fontSize, 12);
  EXPECT_TRUE(g.form[Ctl::cmdShot].fontBold);

  setVsCpuPlayerNames(g);
  w = frmChangeVsMode_Form_Load(g, ScreenMetrics{});
  frmChangeVsMode_picOK_Click(g, w);
  EXPECT_EQ(g.form[Ctl::cmdShot].caption, "Your Shot");
}

TEST_F(VsSetupWindowTest, CancelKeepsTheOldNamesAndGoesBackToSoloCaptions) {
  setVsPlayerNames(g);
  g.vsComputer = true;
  VsSetupWindow w = frmChangeVsMode_Form_Load(g, ScreenMetrics{});
  w.names = {"Edited", "Also"};
  frmChangeVsMode_picCancel_Click(g, w);
  EXPECT_FALSE(w.open);
  EXPECT_EQ(g.players[0].name, "Player1     ");
  EXPECT_EQ(g.players[1].name, "Player2     ");
  EXPECT_FALSE(g.vsComputer);
  EXPECT_EQ(g.gameMode, modeMenu);
  EXPECT_EQ(g.form[Ctl::mnuChangeMode].caption, "独り撞き→対戦(&M)");
  EXPECT_EQ(g.form[Ctl::cmdShot].caption, "SHOT!");
}

TEST_F(VsSetupWindowTest, IsCentredOnTheMainWindow) {
  g.form.move(Ctl::MFVELKOR, 1000, 2000);
  g.form.setWidth(Ctl::MFVELKOR, 8266);
  g.form.setHeight(Ctl::MFVELKOR, 7001);
  const VsSetupWindow w = frmChangeVsMode_Form_Load(g, ScreenMetrics{});
  EXPECT_EQ(w.place.width, kVsSetupClientWidth * 15);
  EXPECT_EQ(w.place.left, 1000 + (8266 - kVsSetupClientWidth * 15) / 2);
  EXPECT_EQ(w.place.top, 2000 + (7001 - (kVsSetupClientHeight + kCaptionBarPx) * 15) / 2);
}

class VsSetupName : public ::testing::TestWithParam<testing::TypedName> {
 protected:
  testing::Fixture f;
  GameState& g = f.g;
};

// Either box: the shot button, the status strip and the result windows all show these names.
TEST_P(VsSetupName, ControlCharactersAreStoredAsBlanks) {
  setVsPlayerNames(g);
  VsSetupWindow w = frmChangeVsMode_Form_Load(g, ScreenMetrics{});
  w.names = {GetParam().typed, "B" + GetParam().typed};
  frmChangeVsMode_picOK_Click(g, w);
  EXPECT_EQ(g.players[0].name, GetParam().stored);
  EXPECT_EQ(g.players[1].name, fixedText("B" + GetParam().stored, 12));
  EXPECT_EQ(g.form[Ctl::cmdShot].caption, trimBlanks(GetParam().stored) + "'s Shot");
}

INSTANTIATE_TEST_SUITE_P(Typed, VsSetupName, ::testing::ValuesIn(testing::kControlCharNames));

}  // namespace
}  // namespace velkor
