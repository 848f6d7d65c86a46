#include "controls/message_box.h"

#include <gtest/gtest.h>

#include "support/fake_screen.h"

namespace velkor {
namespace {

using testing::Fixture;

// The main window as start-up leaves it: 550 x 409 pixels, centred on a 1024 x 768 screen.
void placeMainWindow(GameState& g, Single left, Single top) {
  g.form.move(Ctl::MFVELKOR, left, top);
  g.form.setWidth(Ctl::MFVELKOR, 550 * 15);
  g.form.setHeight(Ctl::MFVELKOR, 409 * 15);
}

TEST(MessageBoxLayout, ShortTextGetsTheMinimumBoxWithTheLabelAsWideAsTheMinimum) {
  Fixture f;
  placeMainWindow(f.g, 0, 0);
  const MsgBoxDesign d;
  const MsgBoxLayout box = layoutMessageBox(f.g, "Hi", d);
  const Single m = 1440;  // picOK 1200 twips x 1.2
  ASSERT_TRUE(box.labelWidth.has_value());
  EXPECT_EQ(*box.labelWidth, m);
  EXPECT_FLOAT_EQ(box.width, m * 1.2f);
  EXPECT_FLOAT_EQ(box.labelLeft, m * 0.1f);
  EXPECT_EQ(box.okLeft, (1728 - 1200) / 2) << "OK stays centred";
  EXPECT_EQ(box.height, d.height);
}

TEST(MessageBoxLayout, FortyCharactersAtEighteenPointsGiveA8640TwipBox) {
  Fixture f;
  placeMainWindow(f.g, 0, 0);
  const std::string text(40, 'x');
  const MsgBoxLayout box = layoutMessageBox(f.g, text);
  EXPECT_FALSE(box.labelWidth.has_value()) << "a label wider than the minimum is left as it is";
  EXPECT_EQ(box.width, 8640);
  EXPECT_EQ(box.labelLeft, 720);
  EXPECT_EQ(box.okLeft, (8640 - 1200) / 2);
  EXPECT_EQ(box.labelFontName, "Arial");
  EXPECT_EQ(box.labelFontSize, 18);
}

TEST(MessageBoxLayout, CountsCharactersNotBytes) {
  Fixture f;
  placeMainWindow(f.g, 0, 0);
  // 20 Japanese characters are 60 bytes of UTF-8 but estimate as 20 characters.
  std::string text;
  for (int i = 0; i < 20; ++i) text += "あ";
  EXPECT_EQ(layoutMessageBox(f.g, text).width, static_cast<Single>(3600 * 1.2));
}

TEST(MessageBoxLayout, TextTooLongForSixteenBitsIsClampedInsteadOfWrapping) {
  Fixture f;
  placeMainWindow(f.g, 0, 0);
  for (std::size_t n : {183u, 1700u, 40000u}) {
    const MsgBoxLayout box = layoutMessageBox(f.g, std::string(n, 'x'));
    EXPECT_EQ(box.width, static_cast<Single>(32767 * 1.2)) << n << " characters";
    EXPECT_GT(box.labelLeft, 0) << n;
  }
  EXPECT_EQ(layoutMessageBox(f.g, std::string(182, 'x')).width, static_cast<Single>(32760 * 1.2));
}

TEST(MessageBoxLayout, IsCentredOnTheMainWindowWhereverItWasMoved) {
  Fixture f;
  placeMainWindow(f.g, 3555, 2265);
  const MsgBoxLayout a = layoutMessageBox(f.g, std::string(40, 'x'));
  EXPECT_EQ(a.left, 3555 + (8250 - 8640) / 2);
  EXPECT_EQ(a.top, 2265 + (6135 - 1800) / 2);
  placeMainWindow(f.g, 150, 9000);
  const MsgBoxLayout b = layoutMessageBox(f.g, std::string(40, 'x'));
  EXPECT_EQ(b.left, a.left - 3555 + 150);
  EXPECT_EQ(b.top, a.top - 2265 + 9000);
}

TEST(ShowMessage, HandsTheSizedBoxToTheScreenAndWaits) {
  Fixture f;
  placeMainWindow(f.g, 0, 0);
  showMessage(f.g, "You missed !");
  ASSERT_EQ(f.screen.callsStartingWith("message"), std::vector<std::string>{"message You missed !"});
}

}  // namespace
}  // namespace velkor
