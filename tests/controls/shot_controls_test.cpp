#include "controls/shot_controls.h"

#include <gtest/gtest.h>

#include "platform/text.h"
#include "support/fake_screen.h"

namespace velkor {
namespace {

using testing::Fixture;

TEST(PowerBar, CaptionHasTheWordABlankForTheSignAndThePercent) {
  Fixture f;
  setPowerBar(f.g, 35);
  EXPECT_EQ(f.g.form[Ctl::lblPower].caption, "POWER  35%");
  setPowerBar(f.g, 100);
  EXPECT_EQ(f.g.form[Ctl::lblPower].caption, "POWER  100%");
  setPowerBar(f.g, 20);
  EXPECT_EQ(f.g.form[Ctl::HScroll1].value, 35) << "the bar holds its range";
  EXPECT_EQ(f.g.form[Ctl::lblPower].caption, "POWER  35%");
}

TEST(SoloMode, SetsItsCaptionsAndNeitherRacksNorTouchesThePlayers) {
  Fixture f;
  GameState& g = f.g;
  g.gameMode = modeMenu;
  g.form.setEnabled(Ctl::mnuStart, false);
  g.balls[4].onTable = false;
  g.players[0].name = fixedText("Ann", 12);
  g.players[1].gamesWon = 2;
  setSoloMode(g);
  EXPECT_EQ(g.gameMode, modeSolo);
  EXPECT_FALSE(g.balls[4].onTable);
  EXPECT_EQ(trimBlanks(g.players[0].name), "Ann");
  EXPECT_EQ(g.players[1].gamesWon, 2);
  EXPECT_EQ(g.form[Ctl::mnuChangeMode].caption, "独り撞き→対戦(&M)");
  EXPECT_TRUE(g.form[Ctl::mnuStart].enabled);
  EXPECT_EQ(g.form[Ctl::cmdShot].caption, "SHOT!");
  EXPECT_EQ(g.form[Ctl::cmdShot].fontName, "Arial");
  EXPECT_TRUE(g.form[Ctl::cmdShot].fontBold);
  EXPECT_EQ(g.form[Ctl::cmdShot].fontSize, 24);
}

TEST(RetryMenu, IsEnabledOnlyInSoloPlay) {
  Fixture f;
  for (Integer mode : {modeSolo, modeVersus, modeDemo, modeMenu, modeRecords}) {
    f.g.gameMode = mode;
    updateRetryMenu(f.g);
    EXPECT_EQ(f.g.form[Ctl::mnuRetry].enabled, mode == modeSolo) << mode;
  }
}

TEST(ShotControls, SwitchInTheirOrder) {
  Fixture f;
  std::vector<std::string> order;
  f.g.form.setObserver([&](Ctl c) { order.push_back(controlName(c)); });
  setShotControlsEnabled(f.g, false);
  disableShotControls(f.g);
  enableShotControls(f.g);
  EXPECT_EQ(order, (std::vector<std::string>{"picSetPoint", "HScroll1", "cmdShot", "cmdShot",
                                             "HScroll1", "picSetPoint", "cmdShot", "HScroll1",
                                             "picSetPoint", "picPool"}));
}

}  // namespace
}  // namespace velkor
