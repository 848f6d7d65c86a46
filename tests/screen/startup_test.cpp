#include "screen/logic/startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/profile.h"
#include "screen/logic/menu_handlers.h"
#include "support/fake_screen.h"
#include "support/temp_folder.h"

namespace velkor {
namespace {

namespace fs = std::filesystem;

// A game whose INI files live in a folder of their own, not made until the game writes, inside
// a fresh temporary folder that goes with everything in it, whatever the test's outcome.
class StartupTest : public ::testing::Test {
 protected:
  StartupTest() { f.g.iniDir = dir_.string() + "/"; }

  void writeSettings(const std::string& text) {
    fs::create_directories(dir_);
    std::ofstream(dir_ / "VELKOR.INI") << text;
  }
  std::string setting(const char* key) {
    return getPrivateProfileString("VELKOR", key, "(none)", settingsFilePath(f.g.iniDir));
  }
  bool load(const std::string& commandLine = "", bool secondCopy = false) {
    env.commandLine = commandLine;
    env.anotherCopyRunning = [secondCopy] { return secondCopy; };
    return Form_Load(f.g, env);
  }

  testing::TempFolder folder_;
  fs::path dir_ = folder_.file("velkor");
  testing::Fixture f;
  StartupEnv env;
};

TEST_F(StartupTest, WithoutASettingsFileStartsWithDefaultsAndWritesThemBack) {
  ASSERT_TRUE(load());
  EXPECT_EQ(f.g.startHiColor, -1);
  EXPECT_EQ(f.g.soundOn, 1);
  EXPECT_EQ(f.g.bgmOn, -1);
  EXPECT_EQ(f.g.hiColor, -1);
  EXPECT_TRUE(f.g.form[Ctl::mnuSound].checked);
  EXPECT_EQ(setting("BGM"), "-1");
  EXPECT_EQ(setting("SOUND"), " 1");
  EXPECT_EQ(setting("HiColor"), "-1");
  std::ifstream in(dir_ / "VELKOR.INI");
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_NE(text.str().find("[VELKOR]"), std::string::npos);
  EXPECT_NE(text.str().find("BGM=-1"), std::string::npos);
  EXPECT_NE(text.str().find("SOUND= 1"), std::string::npos);
  EXPECT_NE(text.str().find("HiColor=-1"), std::string::npos);
  // In that order: music, sound, colour.
  EXPECT_LT(text.str().find("BGM"), text.str().find("SOUND"));
  EXPECT_LT(text.str().find("SOUND"), text.str().find("HiColor"));
  EXPECT_TRUE(f.screen.callsStartingWith("picture").empty());
}

struct SettingsCase {
  const char* file;
  Integer soundOn;
  bool checked;
  const char* sound;
  const char* bgm;
  const char* hiColor;
  bool loadsPictures;
};

class StartupSettings : public StartupTest, public ::testing::WithParamInterface<SettingsCase> {};

TEST_P(StartupSettings, AreAppliedAndRewritten) {
  const SettingsCase& c = GetParam();
  writeSettings(c.file);
  ASSERT_TRUE(load());
  EXPECT_EQ(f.g.soundOn, c.soundOn);
  EXPECT_EQ(f.g.form[Ctl::mnuSound].checked, c.checked);
  EXPECT_EQ(setting("SOUND"), c.sound);
  EXPECT_EQ(setting("BGM"), c.bgm);
  EXPECT_EQ(setting("HiColor"), c.hiColor);
  const auto pictures = f.screen.callsStartingWith("picture");
  if (c.loadsPictures) {
    EXPECT_EQ(pictures, (std::vector<std::string>{"picture picTable vk256.bmp",
                                                   "picture picMenu vkmnu256.bmp",
                                                   "picture cue ball"}));
  } else {
    EXPECT_TRUE(pictures.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, StartupSettings,
    ::testing::Values(
        SettingsCase{"[VELKOR]\nSOUND=2\n", 0, false, " 0", "-1", "-1", false},
        SettingsCase{"[velkor]\nsound= 1\nBGM= 0\n", 1, true, " 1", " 0", "-1", false},
        SettingsCase{"[VELKOR]\nBGM=5\n", 1, true, " 1", "-1", "-1", false},
        SettingsCase{"[VELKOR]\nHiColor=0\n", 1, true, " 1", "-1", " 0", true},
        SettingsCase{"[VELKOR]\nHiColor=5\n", 1, true, " 1", "-1", "-1", true},
        SettingsCase{"[VELKOR]\nHiColor=abc\nSOUND=x\n", 0, false, " 0", "-1", " 0", true}));

TEST_F(StartupTest, SecondCopySaysSoInTheSystemLanguageAndTouchesNoFile) {
  for (const char* lang : {"en_US.UTF-8", "ja_JP.UTF-8"}) {
    setenv("LC_ALL", lang, 1);
    f.screen.calls.clear();
    EXPECT_FALSE(load("", true));
    const std::string expected = std::string("msgbox ") + (lang[0] == 'j' ? kSecondCopyJapanese : kSecondCopyEnglish);
    EXPECT_EQ(f.screen.calls, (std::vector<std::string>{expected}));
  }
  unsetenv("LC_ALL");
  EXPECT_FALSE(fs::exists(dir_));
}

TEST_F(StartupTest, DebugSwitchShowsTenPassMessagesInOrder) {
  for (const char* line : {"/DEBUG", "x/debugx", "/nomidi /Debug"}) {
    f.screen.calls.clear();
    ASSERT_TRUE(load(line));
    EXPECT_TRUE(f.g.debugMode) << line;
    std::vector<std::string> expected;
    for (int i = 1; i <= 10; ++i) expected.push_back("msgbox Pass " + std::to_string(i) + " !");
    EXPECT_EQ(f.screen.callsStartingWith("msgbox"), expected) << line;
  }
}

TEST_F(StartupTest, WithoutTheSwitchNoMessageAppears) {
  ASSERT_TRUE(load("/nomidi"));
  EXPECT_FALSE(f.g.debugMode);
  EXPECT_TRUE(f.screen.callsStartingWith("msgbox").empty());
}

TEST_F(StartupTest, SetsCaptionLayoutScaleAndTimers) {
  ASSERT_TRUE(load());
  const Form& m = f.g.form;
  EXPECT_EQ(m[Ctl::MFVELKOR].caption, "VELKOR Ver.3.02");
  EXPECT_FALSE(m[Ctl::MFVELKOR].visible);  // the opening window shows it
  EXPECT_FLOAT_EQ(m[Ctl::picPocketedBalls].left, 346);
  EXPECT_FLOAT_EQ(m[Ctl::shpTarget].width, 20);
  EXPECT_FLOAT_EQ(m[Ctl::shpQBall].height, 20);
  EXPECT_EQ(m[Ctl::lblQuibsMessage].fontName, "Arial");
  EXPECT_FLOAT_EQ(f.g.scaleX, 0.2f);
  EXPECT_FLOAT_EQ(f.g.ballDiameterPx, 20);
  EXPECT_EQ(f.g.Timer1.interval(), 50);
  EXPECT_EQ(f.g.timDemo.interval(), 1000);
  EXPECT_TRUE(f.g.breakPending);
  EXPECT_TRUE(f.g.vsComputer);
  EXPECT_FLOAT_EQ(m[Ctl::picScore].left, 0);
  EXPECT_GE(m[Ctl::picScore].width, 540);
  EXPECT_GE(m[Ctl::picScore].height, 372);
  // Centred on the 1024 x 768 screen, in twips.
  EXPECT_FLOAT_EQ(m[Ctl::MFVELKOR].left, (1024 * 15 - m[Ctl::MFVELKOR].width) / 2);
  const std::vector<std::string> order{"opening", "sprites"};
  std::vector<std::string> seen;
  for (const std::string& c : f.screen.calls)
    if (c == "opening" || c == "sprites") seen.push_back(c);
  EXPECT_EQ(seen, order);
}

// On a 120-dpi screen (12 twips per pixel) every conversion uses that one value: the window's
// size and place, which the message box centres itself on, and the font sizes, also those set
// again later.
TEST_F(StartupTest, TheScreensTwipsPerPixelServeEveryConversion) {
  env.frame.twipsPerPixelX = 12;
  env.frame.twipsPerPixelY = 12;
  env.screenWidthTwips = 1280L * 12;
  env.screenHeightTwips = 1024L * 12;
  ASSERT_TRUE(load());
  const Form& m = f.g.form;
  EXPECT_EQ(f.g.twipsPerPixelX, 12);
  EXPECT_EQ(f.g.twipsPerPixelY, 12);
  EXPECT_FLOAT_EQ(m[Ctl::MFVELKOR].width, (2 * env.frame.border + 540) * 12);
  EXPECT_FLOAT_EQ(m[Ctl::MFVELKOR].left, (1280 * 12 - m[Ctl::MFVELKOR].width) / 2);
  picSoloPlay_Click(f.g, 0);
  EXPECT_FLOAT_EQ(m[Ctl::cmdShot].fontSize, 15) << "25 pixels";
}

TEST_F(StartupTest, JapaneseSystemGetsJapaneseCaptionsAndFont) {
  setenv("LC_ALL", "ja_JP.UTF-8", 1);
  ASSERT_TRUE(load());
  unsetenv("LC_ALL");
  EXPECT_TRUE(f.g.japaneseUI);
  EXPECT_EQ(f.g.form[Ctl::mnuGame].caption, "ゲーム(&G)");
  EXPECT_EQ(f.g.form[Ctl::lblQuibsMessage].fontName, "ＭＳ ゴシック");
}

TEST_F(StartupTest, MusicStoredOffIsSwitchedOffBeforeTheTableIsFilled) {
  writeSettings("[VELKOR]\nBGM=0\n");
  ASSERT_TRUE(load());
  // The switch runs before the track table exists: its five closes name no file.
  EXPECT_EQ(f.audio.calls, std::vector<std::string>(5, "mci close "));
  EXPECT_FALSE(f.g.timBGM.enabled());
  EXPECT_EQ(f.g.trackTable[0].file, "menu.mid");
  // The table's fill leaves the title scene wanted; the timer stays off until the switch.
  EXPECT_EQ(f.g.bgmScene, bgmMenu);
}

TEST_F(StartupTest, MusicStoredOnLeavesTheTitleTrackForTheTimersFirstTick) {
  ASSERT_TRUE(load());
  EXPECT_TRUE(f.audio.calls.empty());
  EXPECT_TRUE(f.g.timBGM.enabled());
  EXPECT_EQ(f.g.timBGM.interval(), 500);
  EXPECT_EQ(f.g.bgmScene, bgmMenu);
  EXPECT_EQ(f.g.bgmPrevScene, bgmOff);
  EXPECT_EQ(f.g.form[Ctl::MFVELKOR].caption, "VELKOR Ver.3.02");
}

// Remembers how many media commands had gone out when the program ended.
class EndingScreen : public testing::FakeScreen {
 public:
  explicit EndingScreen(const testing::FakeAudio& audio) : audio_(audio) {}
  void endProgram() override { mciAtEnd.push_back(audio_.calls); }
  std::vector<std::vector<std::string>> mciAtEnd;

 private:
  const testing::FakeAudio& audio_;
};

struct ExitCase {
  const char* name;
  void (*exit)(GameState&);
};

class EveryExit : public StartupTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(EveryExit, ClosesTheFiveTracksBeforeTheProgramEnds) {
  ASSERT_TRUE(load());
  EndingScreen screen(f.audio);
  f.g.screen = &screen;
  f.audio.calls.clear();
  GetParam().exit(f.g);
  const std::vector<std::string> closes = {"mci close menu.mid", "mci close record.mid",
                                           "mci close game1.mid", "mci close game2.mid",
                                           "mci close game3.mid"};
  ASSERT_EQ(screen.mciAtEnd.size(), 1u);
  EXPECT_EQ(screen.mciAtEnd[0], closes);
  EXPECT_EQ(f.audio.calls, closes);
}

INSTANTIATE_TEST_SUITE_P(
    Exits, EveryExit,
    ::testing::Values(ExitCase{"Unload", Form_Unload}, ExitCase{"ExitMenuItem", mnuExit_Click},
                      ExitCase{"ExitPicture", [](GameState& g) { picExit_Click(g, 0); }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velkor
