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

}  // namespace
}  // namespace velkor
