#include "screen/logic/dialogs.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/fake_screen.h"

namespace velkor {
namespace {

using testing::Fixture;

TEST(OpeningWindow, LoadsCentredOnTheScreenWithTheBuiltInPicture) {
  Fixture f;
  OpeningWindow w;
  frmOpening_Form_Load(f.g, w, ScreenMetrics{});
  EXPECT_EQ(w.pictureFile, "");
  EXPECT_EQ(w.width, 229 * 15);
  EXPECT_EQ(w.height, 168 * 15);
  EXPECT_EQ(w.left, (15360 - 3435) / 2);  // 11925 / 2, remainder dropped
  EXPECT_EQ(w.top, (11520 - 2520) / 2);
  EXPECT_TRUE(w.timerEnabled);
}

TEST(OpeningWindow, TakesThe256ColourPictureWhenTheSettingAsks) {
  for (Integer setting : {0, 5}) {
    Fixture f;
    f.g.startHiColor = setting;
    OpeningWindow w;
    frmOpening_Form_Load(f.g, w, ScreenMetrics{});
    EXPECT_EQ(w.pictureFile, "vkopn256.bmp") << setting;
  }
}

TEST(OpeningWindow, ClosesOnItsSixthTickAndShowsTheMainWindow) {
  Fixture f;
  OpeningWindow w;
  frmOpening_Form_Load(f.g, w, ScreenMetrics{});
  for (int tick = 1; tick <= 5; ++tick) {
    frmOpening_Timer1_Timer(f.g, w);
    ASSERT_TRUE(w.open) << tick;
    ASSERT_FALSE(f.g.form[Ctl::MFVELKOR].visible) << tick;
  }
  frmOpening_Timer1_Timer(f.g, w);
  EXPECT_FALSE(w.open);
  EXPECT_FALSE(w.timerEnabled);
  EXPECT_TRUE(f.g.form[Ctl::MFVELKOR].visible);
}

TEST(OpeningWindow, AClickClosesItAtOnce) {
  Fixture f;
  OpeningWindow w;
  frmOpening_Timer1_Timer(f.g, w);
  frmOpening_Form_Click(f.g, w);
  EXPECT_FALSE(w.open);
  EXPECT_FALSE(w.timerEnabled);
  EXPECT_TRUE(f.g.form[Ctl::MFVELKOR].visible);
}

struct LevelCase {
  Integer level;
  const char* label;
};

class VersionLabel : public ::testing::TestWithParam<LevelCase> {};

TEST_P(VersionLabel, ShowsTheVersionAndTheComputersLevel) {
  Fixture f;
  f.g.quibLevel = GetParam().level;
  VersionWindow w;
  frmVersion_Form_Load(f.g, w, ScreenMetrics{});
  EXPECT_EQ(w.label1Caption, GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(Levels, VersionLabel,
                         ::testing::Values(LevelCase{1, " Ver.3.02\r\n Quib's Level is 1."},
                                           LevelCase{5, " Ver.3.02\r\n Quib's Level is 5."},
                                           LevelCase{10, " Ver.3.02\r\n Quib's Level is 10."},
                                           LevelCase{11, " Ver.3.02\r\n Quib is a Master!"}),
                         [](const auto& info) { return "Level" + std::to_string(info.param.level); });

TEST(VersionWindow, SitsAFifthOfTheFreeHeightBelowTheTopAndCentredAcross) {
  Fixture f;
  VersionWindow w;
  w.width = 5000;
  w.height = 3001;
  frmVersion_Form_Load(f.g, w, ScreenMetrics{});
  EXPECT_EQ(w.top, 1704);   // (11520 - 3001) * 0.4 = 3407.6 -> 3408, halved
  EXPECT_EQ(w.left, 5180);  // 10360 / 2
}

std::vector<Integer> runMascot(VersionWindow& w) {
  std::vector<Integer> frames;
  frmVersion_picPelzo_Click(w);
  while (w.timerEnabled && frames.size() < 100) frames.push_back(frmVersion_Timer1_Timer(w));
  return frames;
}

TEST(VersionWindow, MascotRunsTwiceThereAndBackThenStopsOnFrameZero) {
  VersionWindow w;
  EXPECT_FALSE(w.timerEnabled);
  const std::vector<Integer> first = runMascot(w);
  EXPECT_EQ(first, (std::vector<Integer>{0, 1, 2, 3, 4, 4, 3, 2, 1, 0, 0, 1, 2, 3, 4, 4, 3, 2, 1,
                                         0, 0}));
  EXPECT_EQ(w.animTicks, 1);
  EXPECT_EQ(w.frame, 0);
}

TEST(VersionWindow, ASecondRunStartsAtFrameOneAndTakesNineteenFramesBeforeTheStop) {
  VersionWindow w;
  runMascot(w);
  const std::vector<Integer> second = runMascot(w);
  ASSERT_EQ(second.size(), 20u);
  EXPECT_EQ(second.front(), 1);
  EXPECT_EQ(second.back(), 0) << "the stop tick shows frame 0";
  EXPECT_EQ(std::vector<Integer>(second.begin(), second.begin() + 4),
            (std::vector<Integer>{1, 2, 3, 4}));
}

TEST(VersionWindow, AClickWhileItRunsChangesNothing) {
  VersionWindow w;
  frmVersion_picPelzo_Click(w);
  frmVersion_Timer1_Timer(w);
  frmVersion_Timer1_Timer(w);
  frmVersion_picPelzo_Click(w);
  EXPECT_EQ(w.animTicks, 2);
  EXPECT_EQ(frmVersion_Timer1_Timer(w), 2);
}

}  // namespace
}  // namespace velkor
