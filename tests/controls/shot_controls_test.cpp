#include "controls/shot_controls.h"

#include <gtest/gtest.h>

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
