#include "platform/text.h"

#include <gtest/gtest.h>

namespace velkor {
namespace {

TEST(Text, FixedWidthCountsCharactersNotBytes) {
  EXPECT_EQ(fixedText("abc", 5), "abc  ");
  EXPECT_EQ(fixedText("abcdefgh", 5), "abcde");
  EXPECT_EQ(fixedText("独り撞き", 3), "独り撞");
  EXPECT_EQ(textLength(fixedText("日本", 12)), 12u);
  EXPECT_EQ(textLength("\xff\xfe"), 2u) << "invalid bytes count one each";
}

TEST(Text, SignedNumbersAndTrim) {
  EXPECT_EQ(signedNumberText(12), " 12");
  EXPECT_EQ(signedNumberText(0), " 0");
  EXPECT_EQ(signedNumberText(-1), "-1");
  EXPECT_EQ(trimBlanks("  You  "), "You");
  EXPECT_EQ(trimBlanks("   "), "");
}

TEST(Text, ControlCharactersAndLineSeparatorsBecomeBlanks) {
  std::string every;
  for (int c = 0; c < 0x20; ++c) every += static_cast<char>(c);
  every += "\x7f\u0085\u2028\u2029";
  EXPECT_EQ(blankControlChars(every), std::string(36, ' '));
  // Their neighbours are ordinary characters.
  const std::string kept = " ~\u0080\u0084\u0086\u00a0\u2027\u202a日本😀";
  EXPECT_EQ(blankControlChars(kept), kept);
  EXPECT_EQ(blankControlChars("\xc2"), "\xc2") << "a cut sequence is left for the UTF-8 check";
}

}  // namespace
}  // namespace velkor
