#include "controls/language.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "screen/logic/startup.h"
#include "support/fake_screen.h"

namespace velkor {
namespace {

using testing::Fixture;

// Sets the locale variables for one test and restores them afterwards.
class LocaleEnv {
 public:
  LocaleEnv() {
    for (int i = 0; i < 3; ++i) {
      const char* v = std::getenv(kVars[i]);
      saved_[i] = v ? std::optional<std::string>(v) : std::nullopt;
      unsetenv(kVars[i]);
    }
  }
  ~LocaleEnv() {
    for (int i = 0; i < 3; ++i) {
      if (saved_[i]) {
        setenv(kVars[i], saved_[i]->c_str(), 1);
      } else {
        unsetenv(kVars[i]);
      }
    }
  }

 private:
  static constexpr const char* kVars[3] = {"LC_ALL", "LC_MESSAGES", "LANG"};
  std::optional<std::string> saved_[3];
};

TEST(IsJapanese, FollowsTheLocaleLanguage) {
  LocaleEnv env;
  setenv("LANG", "ja_JP.UTF-8", 1);
  EXPECT_TRUE(isJapanese());
  setenv("LANG", "en_US.UTF-8", 1);
  EXPECT_FALSE(isJapanese());
  setenv("LC_ALL", "ja_JP.UTF-8", 1);  // LC_ALL wins over LANG
  EXPECT_TRUE(isJapanese());
}

TEST(MenuCaptions, JapaneseColumn) {
  Fixture f;
  f.g.japaneseUI = true;
  setMenuCaptions(f.g);
  const Form& m = f.g.form;
  EXPECT_EQ(m[Ctl::mnuGame].caption, "ゲーム(&G)");
  EXPECT_EQ(m[Ctl::mnuStart].caption, "スタート(&S)");
  EXPECT_EQ(m[Ctl::mnuRetry].caption, "一手戻し");
  EXPECT_EQ(m[Ctl::mnuRecord].caption, "独り撞き成績");
  EXPECT_EQ(m[Ctl::mnuVS].caption, "対戦成績");
  EXPECT_EQ(m[Ctl::mnuExit].caption, "終了(&X)");
  EXPECT_EQ(m[Ctl::mnuChangeMode].caption, "独り撞き\xE2\x86\x92対戦(&M)");  // U+2192
  EXPECT_EQ(m[Ctl::mnuOption].caption,
            "\xEF\xBD\xB5\xEF\xBE\x8C\xEF\xBE\x9F\xEF\xBD\xBC\xEF\xBD\xAE\xEF\xBE\x9D(&O)");
  EXPECT_EQ(m[Ctl::mnuSound].caption, "効果音");
  EXPECT_EQ(m[Ctl::mnuHelp].caption, "ヘルプ(&H)");
  EXPECT_EQ(m[Ctl::mnuHelpCont].caption, "目次");
  EXPECT_EQ(m[Ctl::mnuAbout].caption, "バージョン情報...(&V)");
}

TEST(MenuCaptions, EnglishColumnAndTheItemsThatStayJapanese) {
  Fixture f;
  f.g.japaneseUI = false;
  setMenuCaptions(f.g);
  const Form& m = f.g.form;
  const std::pair<Ctl, const char*> expected[] = {
      {Ctl::mnuGame, "&Game"},         {Ctl::mnuStart, "&Start"},
      {Ctl::mnuRetry, "Back"},         {Ctl::mnuRecord, "Record"},
      {Ctl::mnuVS, "VS Record"},       {Ctl::mnuExit, "E&xit"},
      {Ctl::mnuChangeMode, "Solo->VS"}, {Ctl::mnuOption, "&Option"},
      {Ctl::mnuSound, "&Sound"},       {Ctl::mnuHelp, "&Help"},
      {Ctl::mnuHelpCont, "Contents"},  {Ctl::mnuAbout, "&Version..."},
      {Ctl::mnuCurrentCondition, "実況(&C)"}, {Ctl::mnuKey, "キーワードで検索"},
      {Ctl::mnuSep1, "-"},             {Ctl::mnuSep2, "-"},
      {Ctl::mnuSep3, "-"}};
  for (const auto& [item, caption] : expected) EXPECT_EQ(m[item].caption, caption) << controlName(item);
}

TEST(LangMsgBox, ShowsTheTextOfTheLanguageInTheStandardBox) {
  Fixture f;
  showLangMsgBox(f.g, kSecondCopyJapanese, kSecondCopyEnglish);
  f.g.japaneseUI = true;
  showLangMsgBox(f.g, kSecondCopyJapanese, kSecondCopyEnglish);
  EXPECT_EQ(f.screen.calls, (std::vector<std::string>{
                                "msgbox Velkor can't be loaded twice.",
                                "msgbox このプログラムは複数起動することは出来ません。"}));
}

TEST(CommandLine, SwitchesMatchAnywhereInAnyCase) {
  EXPECT_TRUE(hasSwitch("/debug", "/debug"));
  EXPECT_TRUE(hasSwitch("/DEBUG", "/debug"));
  EXPECT_TRUE(hasSwitch("x/debugx", "/debug"));
  EXPECT_TRUE(hasSwitch("/nomidi /Debug", "/debug"));
  EXPECT_FALSE(hasSwitch("-debug /nomidi", "/debug"));
  EXPECT_FALSE(hasSwitch("", "/debug"));
}

}  // namespace
}  // namespace velkor
