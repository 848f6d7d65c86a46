#include "screen/logic/layout.h"

#include <gtest/gtest.h>

#include "support/fake_screen.h"

namespace velkor {
namespace {

using testing::Fixture;

TEST(PixelsToPoints, RoundsTwipsThenTakesTwentieths) {
  EXPECT_FLOAT_EQ(pixelsToPoints(19), 14.25f);
  EXPECT_FLOAT_EQ(pixelsToPoints(25), 18.75f);
  EXPECT_FLOAT_EQ(pixelsToPoints(19, 12), 11.4f);
}

TEST(ControlLayout, PlacesTheShotRowWhateverTheDesignHeld) {
  Fixture f;
  for (Ctl c : {Ctl::picPocketedBalls, Ctl::lblBIP, Ctl::HScroll1, Ctl::cmdShot, Ctl::shpPoint}) {
    f.g.form.move(c, 7, 9);
    f.g.form.setWidth(c, 3);
    f.g.form.setHeight(c, 4);
  }
  setControlLayout(f.g);
  const Form& form = f.g.form;
  auto expectBox = [&form](Ctl c, Single l, Single t, Single w, Single h) {
    EXPECT_FLOAT_EQ(form[c].left, l) << controlName(c);
    EXPECT_FLOAT_EQ(form[c].top, t) << controlName(c);
    EXPECT_FLOAT_EQ(form[c].width, w) << controlName(c);
    EXPECT_FLOAT_EQ(form[c].height, h) << controlName(c);
  };
  expectBox(Ctl::picSetPoint, 2, 327, 45, 45);
  expectBox(Ctl::lblPower, 49, 327, 149, 22.5f);
  expectBox(Ctl::HScroll1, 49, 350.5f, 149, 21.5f);
  expectBox(Ctl::cmdShot, 200, 327, 145, 45);
  expectBox(Ctl::picPocketedBalls, 346, 347, 183, 25);
  expectBox(Ctl::lblBIP, 346, 327, 183, 20);
  expectBox(Ctl::picPool, 0, 25, 540, 299);
  // The dot is centred from its design size (3 x 4 here).
  EXPECT_FLOAT_EQ(form[Ctl::shpPoint].left, 21);
  EXPECT_FLOAT_EQ(form[Ctl::shpPoint].top, 20.5f);
  EXPECT_FLOAT_EQ(form[Ctl::lblPower].fontSize, 14);
  EXPECT_FLOAT_EQ(form[Ctl::cmdShot].fontSize, 18.75f);
  EXPECT_FLOAT_EQ(form[Ctl::lblBIP].fontSize, 14.25f);
}

TEST(ControlLayout, OuterSizeFromTheFrameMetricsWithoutAMenuBar) {
  Fixture f;
  setControlLayout(f.g, FrameMetrics{1, 19, 15, 15});
  EXPECT_FLOAT_EQ(f.g.form[Ctl::MFVELKOR].width, (2 + 540) * 15);
  EXPECT_FLOAT_EQ(f.g.form[Ctl::MFVELKOR].height, (19 + 372 + 6 + 2) * 15);
}

TEST(WidgetGeometry, HalfPixelsGoToTheEvenNeighbour) {
  Fixture f;
  setControlLayout(f.g);
  EXPECT_EQ(widgetGeometry(f.g.form[Ctl::lblPower]), (WidgetGeometry{49, 327, 149, 22}));
  EXPECT_EQ(widgetGeometry(f.g.form[Ctl::HScroll1]), (WidgetGeometry{49, 350, 149, 22}));
  const WidgetGeometry bar = widgetGeometry(f.g.form[Ctl::HScroll1]);
  EXPECT_EQ(bar.top + bar.height, 372);  // the bar ends on the last row
}

TEST(CentreWindow, RoundsTheFreeSpaceToTwipsThenHalvesIt) {
  Fixture f;
  f.g.form.setWidth(Ctl::MFVELKOR, 8130);
  f.g.form.setHeight(Ctl::MFVELKOR, 5985.5f);
  centreWindow(f.g, 15360, 11520);
  EXPECT_FLOAT_EQ(f.g.form[Ctl::MFVELKOR].left, 3615);  // 7230 / 2
  EXPECT_FLOAT_EQ(f.g.form[Ctl::MFVELKOR].top, 2767);   // 5534.5 -> 5534, / 2
  EXPECT_EQ(halfOfDifference(7.5), 4);                  // 8 / 2
  EXPECT_EQ(halfOfDifference(-7), -3);
}

}  // namespace
}  // namespace velkor
